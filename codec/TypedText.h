// Password text as the user typed it, cut into characters (code points) with
// the tile of each. The live check and the repair search start from this.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace velmara {

struct TypedText {
  std::vector<std::string_view> characters;  // each character's bytes, viewing the text
  std::vector<std::uint8_t> tiles;           // its tile, or kInvalidTile outside the alphabet
};

// Cuts UTF-8 text by the rule of Utf8CharLength, as the decoder counts it.
// The result views `text`, which must outlive it.
TypedText SplitTypedText(std::string_view text);

}  // namespace velmara
