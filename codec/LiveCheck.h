// A check of password text while it is being typed: which rows are complete,
// which of those check, and which characters lie outside the alphabet. It
// needs no type and never fails; the full decoder has the last word.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace velmara {

struct TypedRowCheck {
  bool complete = false;  // all ten characters of the row are there
  // Complete, every character in the alphabet, and the row's check character
  // matches its nine others (position offset removed, as the decoder does).
  bool matches = false;
};

struct TypedPasswordCheck {
  std::size_t characters = 0;       // code points, as the decoder counts them
  std::vector<TypedRowCheck> rows;  // one for every row begun, in order
  // 1-based positions (in characters) of the characters outside the alphabet.
  std::vector<std::size_t> invalidPositions;
};

// `text` is cleaned password text in UTF-8 (blanks, line ends and dashes
// already removed); any bytes are accepted. A Silver password's last
// character and a Bronze password's last six belong to no complete row.
TypedPasswordCheck CheckTypedPassword(std::string_view text);

}  // namespace velmara
