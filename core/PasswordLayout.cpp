#include "core/PasswordLayout.h"

#include <algorithm>

#include "codec/Utf8.h"

namespace velmara {

namespace {

constexpr std::size_t kGroupsPerLine = kRowLength / kGroupLength;
constexpr std::size_t kGroupsPerPage = kPageLength / kGroupLength;
constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kLineEndAndEmptyLine = "\r\n\r\n";

// Byte offset of every character start of UTF-8 text, and of its end.
std::vector<std::size_t> CharacterStarts(std::string_view text) {
  std::vector<std::size_t> starts;
  for (std::size_t i = 0; i < text.size(); i += Utf8CharLength(text.substr(i))) starts.push_back(i);
  starts.push_back(text.size());
  return starts;
}

std::string_view Characters(std::string_view text, const std::vector<std::size_t>& starts,
                            std::size_t first, std::size_t count) {
  return text.substr(starts[first], starts[first + count] - starts[first]);
}

}  // namespace

std::vector<ClipboardGroup> ClipboardGroups(std::size_t characters) {
  std::vector<ClipboardGroup> groups;
  for (std::size_t g = 0; g * kGroupLength < characters; ++g) {
    const std::size_t first = g * kGroupLength;
    const std::size_t count = std::min(kGroupLength, characters - first);
    if (g % kGroupsPerLine == 0) {
      groups.push_back({first, count, "", ""});
    } else {
      const bool endsPage = (g + 1) % kGroupsPerPage == 0;
      groups.push_back({first, count, " ", endsPage ? kLineEndAndEmptyLine : kLineEnd});
    }
  }
  return groups;
}

std::string FormatPasswordForClipboard(std::string_view password) {
  const std::vector<std::size_t> starts = CharacterStarts(password);
  std::string text;
  for (const ClipboardGroup& group : ClipboardGroups(starts.size() - 1)) {
    text += group.before;
    text += Characters(password, starts, group.first, group.count);
    text += group.after;
  }
  return text;
}

std::string CleanPasswordText(std::string_view text) {
  std::string cleaned;
  cleaned.reserve(text.size());
  for (const char c : text)
    if (!IsPasswordLayoutCharacter(static_cast<unsigned char>(c))) cleaned += c;
  return cleaned;
}

std::size_t PasswordCharCount(std::string_view text) {
  return Utf8CharCount(text);
}

std::optional<TPasswordType> PasswordTypeForLength(std::size_t characters) {
  for (const TPasswordType type : {ptGold, ptSilver, ptBronze})
    if (characters == PasswordLength(type)) return type;
  return std::nullopt;
}

std::vector<PageRow> PageRows(std::size_t characters, int page) {
  std::vector<PageRow> rows;
  if (page < 0 || static_cast<std::size_t>(page) >= PageCount(characters)) return rows;
  const std::size_t first = kPageLength * static_cast<std::size_t>(page);
  const std::size_t end =
      characters - first >= kPageLength ? first + kPageLength : first + characters % kPageLength;
  std::size_t rowStart = first;
  for (std::size_t i = first; i < end; ++i) {
    if ((i + 1) % kRowLength != 0 && i != end - 1) continue;
    const std::size_t length = i + 1 - rowStart;
    const std::size_t head = std::min(length, kGroupLength);
    rows.push_back({rowStart, head, length - head});
    rowStart = i + 1;
  }
  return rows;
}

std::vector<std::string> PageRowTexts(std::string_view password, int page) {
  const std::vector<std::size_t> starts = CharacterStarts(password);
  std::vector<std::string> texts;
  for (const PageRow& row : PageRows(starts.size() - 1, page)) {
    std::string text(Characters(password, starts, row.first, row.head));
    text += kPageRowGap;
    text += Characters(password, starts, row.first + row.head, row.tail);
    texts.push_back(std::move(text));
  }
  return texts;
}

}  // namespace velmara
