// The code point of one UTF-8 character as Utf8CharLength (codec/Utf8.h)
// cuts text into characters.
#pragma once

#include <string_view>

namespace velmara {

// `bytes` is one character as Utf8CharLength cut it; a lone byte that starts
// no well-formed sequence gives U+FFFD.
constexpr char32_t CodePointOf(std::string_view bytes) {
  const auto lead = static_cast<unsigned char>(bytes[0]);
  if (bytes.size() == 1) return lead < 0x80 ? lead : 0xFFFD;
  char32_t c = lead & (0x7F >> bytes.size());
  for (std::size_t i = 1; i < bytes.size(); ++i)
    c = (c << 6) | (static_cast<unsigned char>(bytes[i]) & 0x3F);
  return c;
}

}  // namespace velmara
