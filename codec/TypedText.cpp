#include "codec/TypedText.h"

#include "codec/Alphabet.h"
#include "codec/Utf8.h"

namespace velmara {

TypedText SplitTypedText(std::string_view text) {
  TypedText typed;
  while (!text.empty()) {
    const std::size_t length = Utf8CharLength(text);
    typed.characters.push_back(text.substr(0, length));
    typed.tiles.push_back(length == 1 ? kCharToTileTable[static_cast<unsigned char>(text[0])]
                                      : kInvalidTile);
    text.remove_prefix(length);
  }
  return typed;
}

}  // namespace velmara
