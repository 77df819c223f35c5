#include "core/EditRules.h"

#include <algorithm>
#include <limits>

#include "codec/Utf8.h"

namespace velmara {

namespace {

// The white space trimmed around a number: ASCII tab to carriage return and
// the blank, NEL, and the Unicode space and line separators.
bool IsWhiteSpace(char32_t c) {
  return (c >= 0x09 && c <= 0x0D) || c == 0x20 || c == 0x85 || c == 0xA0 || c == 0x1680 ||
         (c >= 0x2000 && c <= 0x200A) || c == 0x2028 || c == 0x2029 || c == 0x202F || c == 0x205F ||
         c == 0x3000;
}

std::string_view TrimWhiteSpace(std::string_view text) {
  while (!text.empty()) {
    const std::size_t length = Utf8CharLength(text);
    if (!IsWhiteSpace(CodePointOf(text.substr(0, length)))) break;
    text.remove_prefix(length);
  }
  // Walk forward to find where the trailing white space begins.
  std::size_t end = 0;
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t length = Utf8CharLength(text.substr(i));
    i += length;
    if (!IsWhiteSpace(CodePointOf(text.substr(i - length, length)))) end = i;
  }
  return text.substr(0, end);
}

}  // namespace

std::optional<std::int32_t> ParseEditInteger(std::string_view text) {
  text = TrimWhiteSpace(text);
  bool negative = false;
  if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
    negative = text[0] == '-';
    text.remove_prefix(1);
  }
  if (text.empty()) return std::nullopt;
  std::int64_t value = 0;
  constexpr std::int64_t kLimit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
  for (const char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = std::min(value * 10 + (c - '0'), kLimit + 1);  // leading zeros never overflow
  }
  if (negative) value = -value;
  if (value < std::numeric_limits<std::int32_t>::min() ||
      value > std::numeric_limits<std::int32_t>::max())
    return std::nullopt;
  return static_cast<std::int32_t>(value);
}

std::uint16_t StatFromText(std::string_view text, int maxLength) {
  const std::int32_t value = ParseEditInteger(text).value_or(kStatFallback);
  return static_cast<std::uint16_t>(std::clamp<std::int32_t>(value, 1, StatBound(maxLength)));
}

unsigned StatValue(const TCharacterRecord& record, const StatField& field) {
  return field.byteField ? record.*field.byteField : record.*field.wordField;
}

void SetStatValue(TCharacterRecord& record, const StatField& field, std::uint16_t value) {
  if (field.byteField)
    record.*field.byteField = static_cast<std::uint8_t>(value);
  else
    record.*field.wordField = value;
}

std::uint32_t CoinsFromText(std::string_view text) {
  const auto coins = static_cast<std::uint32_t>(ParseEditInteger(text).value_or(kCoinsFallback));
  return std::min(coins, kMaxCoins);
}

}  // namespace velmara
