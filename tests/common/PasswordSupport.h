// Password helpers that the codec, file-layer, velmara-pw and window tests
// share: a record's bytes, a password made from a record, a text's tile values with the
// position offset removed, and a character changed by a number of tiles.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "codec/Alphabet.h"
#include "codec/Password.h"
#include "codec/PasswordTiles.h"

namespace velmara::testing {

// The record's bytes, as a data file holds them.
inline std::string RecordBytes(const TPasswordData& data) {
  return {reinterpret_cast<const char*>(&data), sizeof data};
}

// The password of `type` for `data`, from a fresh encoder.
inline std::string PasswordOf(TPasswordType type, const TPasswordData& data) {
  TVelmaraPasswordEncoder encoder;
  return encoder.MakePassword(type, &data);
}

// The tile values of an ASCII password text, each with its position offset
// removed: the row check of row r is then the sum of values 10r..10r+8.
inline std::vector<std::uint8_t> TileValues(std::string_view password) {
  std::vector<std::uint8_t> values;
  for (std::size_t i = 0; i < password.size(); ++i)
    values.push_back(RemovePositionOffset(CharToTile(static_cast<unsigned char>(password[i])), i));
  return values;
}

// `text` with the character at `at` moved `delta` tiles on (1..63 for a
// different character of the alphabet).
inline std::string ShiftedCharacter(std::string text, std::size_t at, int delta) {
  text[at] = TileToChar((CharToTile(static_cast<unsigned char>(text[at])) + delta) & 63);
  return text;
}

}  // namespace velmara::testing
