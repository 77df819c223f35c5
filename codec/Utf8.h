// Password text arrives as UTF-8 from the clipboard, a terminal or a file.
// The decoder counts and names characters as the user sees them, so it walks
// the text by code point rather than by byte.
#pragma once

#include <cstddef>
#include <string_view>

namespace velmara {

// Length in bytes of the character that starts `text` (never 0 for a
// non-empty text). A byte that does not start a well-formed UTF-8 sequence is
// a character of its own, so malformed text is still walked one byte at a time.
std::size_t Utf8CharLength(std::string_view text);

// Number of characters in `text` by the rule of Utf8CharLength.
std::size_t Utf8CharCount(std::string_view text);

// The code point of `bytes`, one character as Utf8CharLength cut it; a lone
// byte that starts no well-formed sequence gives U+FFFD.
constexpr char32_t CodePointOf(std::string_view bytes) {
  const auto lead = static_cast<unsigned char>(bytes[0]);
  if (bytes.size() == 1) return lead < 0x80 ? lead : 0xFFFD;
  char32_t c = lead & (0x7F >> bytes.size());
  for (std::size_t i = 1; i < bytes.size(); ++i)
    c = (c << 6) | (static_cast<unsigned char>(bytes[i]) & 0x3F);
  return c;
}

}  // namespace velmara
