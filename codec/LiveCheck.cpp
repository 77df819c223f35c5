#include "codec/LiveCheck.h"

#include "codec/Alphabet.h"
#include "codec/PasswordTiles.h"
#include "codec/TypedText.h"

namespace velmara {

TypedPasswordCheck CheckTypedPassword(std::string_view text) {
  const TypedText typed = SplitTypedText(text);
  TypedPasswordCheck check;
  check.characters = typed.tiles.size();
  for (std::size_t i = 0; i < typed.tiles.size(); ++i)
    if (typed.tiles[i] == kInvalidTile) check.invalidPositions.push_back(i + 1);

  for (std::size_t start = 0; start < typed.tiles.size(); start += kRowLength) {
    TypedRowCheck row;
    row.complete = start + kRowLength <= typed.tiles.size();
    if (row.complete) {
      std::uint8_t values[kRowLength];
      bool valid = true;
      for (std::size_t k = 0; k < kRowLength; ++k) {
        valid &= typed.tiles[start + k] != kInvalidTile;
        values[k] = RemovePositionOffset(typed.tiles[start + k], start + k);
      }
      row.matches = valid && values[kRowDataTiles] == RowCheckValue(values);
    }
    check.rows.push_back(row);
  }
  return check;
}

}  // namespace velmara
