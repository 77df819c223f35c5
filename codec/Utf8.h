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

}  // namespace velmara
