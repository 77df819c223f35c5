#include "codec/Utf8.h"

namespace velmara {

namespace {
bool IsContinuation(unsigned char c) {
  return (c & 0xC0) == 0x80;
}
}  // namespace

std::size_t Utf8CharLength(std::string_view text) {
  if (text.empty()) return 0;
  const auto lead = static_cast<unsigned char>(text[0]);
  std::size_t length = 1;
  unsigned char min_second = 0x80, max_second = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) min_second = 0xA0;  // overlong
    if (lead == 0xED) max_second = 0x9F;  // surrogates
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) min_second = 0x90;  // overlong
    if (lead == 0xF4) max_second = 0x8F;  // above U+10FFFF
  } else {
    return 1;  // ASCII, or a byte that cannot start a sequence
  }
  if (text.size() < length) return 1;
  const auto second = static_cast<unsigned char>(text[1]);
  if (second < min_second || second > max_second) return 1;
  for (std::size_t i = 2; i < length; ++i)
    if (!IsContinuation(static_cast<unsigned char>(text[i]))) return 1;
  return length;
}

std::size_t Utf8CharCount(std::string_view text) {
  std::size_t count = 0;
  while (!text.empty()) {
    text.remove_prefix(Utf8CharLength(text));
    ++count;
  }
  return count;
}

}  // namespace velmara
