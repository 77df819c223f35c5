#include <gtest/gtest.h>

#include "codec/Alphabet.h"

namespace velmara {
namespace {

TEST(Alphabet, EveryByteMapsToItsAlphabetIndexOrTheMarker) {
  for (int byte = 0; byte < 256; ++byte) {
    SCOPED_TRACE(byte);
    const auto found = kPasswordAlphabet.find(static_cast<char>(byte));
    const std::uint8_t expected =
        found == std::string_view::npos ? kInvalidTile : static_cast<std::uint8_t>(found);
    EXPECT_EQ(CharToTile(static_cast<unsigned char>(byte)), expected);
  }
}

TEST(Alphabet, TileToCharIsTheInverseOnAllTiles) {
  for (std::uint8_t tile = 0; tile < 64; ++tile) EXPECT_EQ(CharToTile(TileToChar(tile)), tile);
}

TEST(Alphabet, LookAlikesAndLayoutCharactersAreNotPasswordCharacters) {
  for (unsigned char c : {'I', 'O', 'l', 'o', '0', '1', ' ', '-', '\r', '\n', '"', '\xff'}) {
    SCOPED_TRACE(static_cast<int>(c));
    EXPECT_EQ(CharToTile(c), kInvalidTile);
  }
}

TEST(Alphabet, CaseMatters) {
  EXPECT_EQ(CharToTile('A'), 0);
  EXPECT_EQ(CharToTile('a'), 32);
  EXPECT_EQ(CharToTile('='), 63);
}

}  // namespace
}  // namespace velmara
