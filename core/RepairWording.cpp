#include "core/RepairWording.h"

#include <algorithm>
#include <cstdio>

#include "codec/Alphabet.h"
#include "codec/Password.h"
#include "codec/TypedText.h"
#include "codec/Utf8.h"
#include "core/PasswordLayout.h"

namespace velmara::repair_wording {

namespace {

constexpr std::string_view kArrow = " → ";
constexpr std::string_view kContinuation = "\n    ";
constexpr std::string_view kListSeparator = "，";
// Failing rows and characters outside the alphabet named at most; more are counted.
constexpr std::size_t kMostListed = 6;

struct TypeName {
  TPasswordType type;
  std::string_view name;
};
// In the order of their lengths.
constexpr TypeName kTypeNames[] = {{ptBronze, "铜"}, {ptSilver, "银"}, {ptGold, "金"}};

std::string Number(std::size_t n) {
  return std::to_string(n);
}

std::size_t PlaceInRow(std::size_t position) {
  return (position - 1) % kRowLength + 1;
}

bool SameRow(std::size_t a, std::size_t b) {
  return (a - 1) / kRowLength == (b - 1) / kRowLength;
}

std::string Join(const std::vector<std::string>& parts, std::string_view separator) {
  std::string joined;
  for (std::size_t i = 0; i < parts.size(); ++i) {
    if (i > 0) joined += separator;
    joined += parts[i];
  }
  return joined;
}

// Characters that show nothing readable on their own: controls, blanks and
// separators of every kind, the common format characters and private use.
bool Shows(char32_t c) {
  if (c <= 0x20 || (c >= 0x7F && c <= 0xA0)) return false;
  if (c == 0xAD || c == 0x61C || c == 0x180E || c == 0x1680 || c == 0x3000 || c == 0xFEFF)
    return false;
  if ((c >= 0x2000 && c <= 0x200F) || (c >= 0x2028 && c <= 0x202F) || (c >= 0x205F && c <= 0x206F))
    return false;
  if ((c >= 0xFFF9 && c <= 0xFFFB) || (c >= 0xE000 && c <= 0xF8FF) || c >= 0xF0000) return false;
  if (c >= 0xE0000 && c <= 0xE007F) return false;  // language tags
  return true;
}

std::string CodePointName(char32_t c) {
  char name[16];
  std::snprintf(name, sizeof name, "U+%04X", static_cast<unsigned>(c));
  return name;
}

std::string NearestLengthInWords(std::size_t characters) {
  const auto distance = [characters](const TypeName& type) {
    const std::size_t length = PasswordLength(type.type);
    return characters > length ? characters - length : length - characters;
  };
  const TypeName& nearest = *std::min_element(
      std::begin(kTypeNames), std::end(kTypeNames),
      [&](const TypeName& a, const TypeName& b) { return distance(a) < distance(b); });
  const std::size_t off = distance(nearest);
  if (off == 0) return "：正好是" + std::string(nearest.name);
  const bool fewer = characters < PasswordLength(nearest.type);
  return "：比" + std::string(nearest.name) + (fewer ? "少" : "多") + " " + Number(off) + " 个";
}

}  // namespace

std::string_view FirstCharacters(std::string_view text, std::size_t count) {
  std::size_t end = 0;
  for (std::size_t n = 0; n < count && end < text.size(); ++n)
    end += Utf8CharLength(text.substr(end));
  return text.substr(0, end);
}

std::string RowInWords(std::size_t position) {
  return "第" + Number(PageOfPosition(position)) + "页 第" + Number(RowOfPosition(position)) + "行";
}

std::string PlaceInWords(std::size_t position) {
  return RowInWords(position) + " 第" + Number(PlaceInRow(position)) + "个";
}

std::string CharactersInWords(std::string_view characters) {
  std::string words;
  while (!characters.empty()) {
    const std::size_t length = Utf8CharLength(characters);
    const std::string_view character = characters.substr(0, length);
    const char32_t c = CodePointOf(character);
    if (!Shows(c))
      words += CodePointName(c);
    else if (c == 0xFFFD && character.size() == 1)
      words += "\uFFFD";
    else
      words += character;
    characters.remove_prefix(length);
  }
  return words;
}

std::string ChangeInWords(const RepairChange& change) {
  const std::string from = CharactersInWords(change.from);
  const std::string to = CharactersInWords(change.to);
  const std::size_t p = change.position;
  switch (change.kind) {
    case RepairKind::Substitution:
      return PlaceInWords(p) + "：" + from + std::string(kArrow) + to;
    case RepairKind::Swap: {
      const std::string places = SameRow(p, p + 1) ? RowInWords(p) + " 第" + Number(PlaceInRow(p)) +
                                                         "、" + Number(PlaceInRow(p + 1)) + "个"
                                                   : PlaceInWords(p) + "、" + PlaceInWords(p + 1);
      return places + "对调：" + from + std::string(kArrow) + to;
    }
    case RepairKind::Insertion:
      return PlaceInWords(p) + "：补上 " + to;
    case RepairKind::Deletion:
      return PlaceInWords(p) + "：删去 " + from;
  }
  return {};
}

std::string CandidateInWords(const RepairCandidate& candidate, int number) {
  std::vector<std::string> changes;
  for (const RepairChange& change : candidate.changes) changes.push_back(ChangeInWords(change));
  if (changes.empty()) changes.push_back("无需修改");
  std::string words = std::to_string(number) + ". " + Join(changes, kContinuation);
  if (!candidate.plausible) words += std::string(kContinuation) + "（队伍数据不寻常）";
  return words;
}

std::string LengthInWords(std::size_t characters) {
  std::vector<std::string> lengths;
  for (const TypeName& type : kTypeNames)
    lengths.push_back(std::string(type.name) + " " + Number(PasswordLength(type.type)));
  std::string words = "字符数：" + Number(characters) + "（" + Join(lengths, kListSeparator) + "）";
  if (characters == 0) return words;
  return words + NearestLengthInWords(characters);
}

std::string RowsInWords(const TypedPasswordCheck& check) {
  std::vector<std::string> failing;
  std::size_t passing = 0;
  for (std::size_t r = 0; r < check.rows.size(); ++r) {
    if (!check.rows[r].complete) continue;
    if (check.rows[r].matches)
      ++passing;
    else
      failing.push_back(RowInWords(r * kRowLength + 1));
  }
  if (failing.empty() && passing == 0) return "行检查：还没有完整的行";
  if (failing.empty()) return "行检查：✓ 完整的 " + Number(passing) + " 行都正确";
  const std::vector<std::string> named(failing.begin(),
                                       failing.begin() + std::min(failing.size(), kMostListed));
  std::string words = "行检查：✗ 有误的行：" + Join(named, kListSeparator);
  if (failing.size() > kMostListed) words += "，共 " + Number(failing.size()) + " 行";
  if (passing > 0) words += "；✓ 其余 " + Number(passing) + " 行正确";
  return words;
}

std::string InvalidInWords(const TypedPasswordCheck& check, std::string_view cleaned) {
  const std::vector<std::size_t>& positions = check.invalidPositions;
  if (positions.empty()) return "字母表以外的字符：无";
  const std::vector<std::string_view> characters = SplitTypedText(cleaned).characters;
  std::vector<std::string> listed;
  for (std::size_t k = 0; k < positions.size() && listed.size() < kMostListed; ++k) {
    const std::size_t i = positions[k] - 1;
    if (i >= characters.size()) break;
    listed.push_back(PlaceInWords(positions[k]) + " “" + CharactersInWords(characters[i]) + "”");
  }
  std::string words = "字母表以外的字符：" + Join(listed, kListSeparator);
  if (positions.size() > listed.size()) words += "，共 " + Number(positions.size()) + " 个";
  return words;
}

TypedRepair RepairTypedText(std::string_view cleaned) {
  TypedRepair repair;
  const std::optional<TPasswordType> type = RepairTypeForLength(PasswordCharCount(cleaned));
  if (!type) {
    repair.result.outcome = RepairOutcome::WrongLength;
    repair.words = OutcomeInWords(repair.result);
    return repair;
  }
  repair.result = RepairPassword(*type, cleaned);
  repair.words = SearchResultInWords(*type, cleaned, repair.result);
  return repair;
}

std::string OutcomeInWords(const RepairResult& result) {
  switch (result.outcome) {
    case RepairOutcome::AlreadyValid:
      return "这个密码没有错误，可以直接使用。";
    case RepairOutcome::Repaired: {
      std::string words = "找到 " + Number(result.found) + " 个候选密码，最可能的排在最前面。";
      if (result.found > result.candidates.size())
        words += "这里列出前 " + Number(result.candidates.size()) + " 个。";
      return words;
    }
    case RepairOutcome::NoCandidate:
    case RepairOutcome::UnknownType:
      break;
    case RepairOutcome::WrongLength:
      return "字符数和金、银、铜的长度都相差一个以上，无法修复。";
  }
  return "找不到候选密码。能修复的错误是：每行一个错字（最多三行）、相邻两个字符对调、"
         "对调加一个错字、多一个或少一个字符。";
}

std::string SearchResultInWords(TPasswordType type, std::string_view cleaned,
                                const RepairResult& result) {
  TVelmaraPasswordDecoder decoder;
  TPasswordData scratch{};
  std::string message = decoder.DecodePassword(type, cleaned, &scratch);
  for (std::size_t at; (at = message.find("\r\n")) != std::string::npos;) message.erase(at, 1);
  if (!message.empty()) message += '\n';
  return message + OutcomeInWords(result);
}

std::string PageHeadingInWords(std::size_t page) {
  return "第" + Number(page + 1) + "页";
}

std::vector<CheckLine> CheckLines(std::size_t characters) {
  std::vector<CheckLine> lines;
  for (std::size_t first = 0; first < characters; first += kRowLength) {
    if (first % kPageLength == 0) lines.push_back({CheckLine::PageHeading, first / kPageLength});
    lines.push_back({CheckLine::Row, first / kPageLength, first / kRowLength, first,
                     std::min(kRowLength, characters - first)});
  }
  return lines;
}

}  // namespace velmara::repair_wording
