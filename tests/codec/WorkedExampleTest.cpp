// The worked example of FORMAT.md, step by step: the all-zero record as a
// Bronze password. Each step is checked with the codec's own primitives and
// the end of the chain against the encoder, so the note and the code cannot
// drift apart unnoticed.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <vector>

#include "codec/Alphabet.h"
#include "codec/Password.h"
#include "codec/PasswordTiles.h"

namespace velmara {
namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr std::size_t kBronzeBytes = 9 + kCheckValueBytes;

const Bytes kPacked = {0x81, 0x40, 0x20, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00};
constexpr std::uint16_t kCheck = 0x3056;
const Bytes kWithCheck = {0x81, 0x40, 0x20, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x30, 0x56};
const Bytes kScrambled = {0xD7, 0x16, 0x76, 0x56, 0x56, 0x56, 0x56, 0x56, 0x56, 0x66, 0x56};
const Bytes kDataTiles = {53, 49, 25, 54, 21, 37, 25, 22, 21, 37, 25, 22, 25, 37, 24};
const Bytes kWithRowCheck = {53, 49, 25, 54, 21, 37, 25, 22, 21, 51, 37, 25, 22, 25, 37, 24};
const Bytes kWithOffset = {53, 50, 27, 57, 25, 42, 31, 29, 29, 60, 47, 36, 34, 38, 51, 39};
constexpr char kPassword[] = "xu5?3k977$recgvh";

TEST(WorkedExample, EveryStepOfTheZeroRecordAsBronze) {
  ASSERT_EQ(kPacked.size(), DataBytes(ptBronze));
  ASSERT_EQ(kWithRowCheck.size(), PasswordLength(ptBronze));

  // 1. Four levels of 1, seven bits each: the low three bytes of L.
  std::uint32_t levels = 0;
  for (int character = 0; character < kCharacterCount; ++character)
    levels |= std::uint32_t{kMinLevel} << (kLevelBits * character);
  EXPECT_EQ(levels, 0x204081u);
  EXPECT_EQ(Bytes(kPacked.begin(), kPacked.begin() + 3), (Bytes{0x81, 0x40, 0x20}));

  // 2. The check value, high byte first.
  EXPECT_EQ(CheckValue(kPacked.data(), kPacked.size()), kCheck);
  Bytes bytes = kPacked;
  bytes.push_back(static_cast<std::uint8_t>(kCheck >> 8));
  bytes.push_back(static_cast<std::uint8_t>(kCheck & 0xFF));
  EXPECT_EQ(bytes, kWithCheck);

  // 3. Scrambling with the last byte.
  ScrambleWithLastByte(bytes.data(), bytes.size());
  EXPECT_EQ(bytes, kScrambled);

  // 4. Tile cutting: joining the 15 data tiles gives the scrambled bytes
  // back, and the two padding bits of the last tile are zero.
  ASSERT_EQ(kDataTiles.size(), DataTilesFor(kBronzeBytes));
  Bytes readable = kDataTiles;
  readable.resize(16, 0);  // JoinDataTiles reads whole groups of four
  Bytes joined(kBronzeBytes);
  JoinDataTiles(readable.data(), joined.data(), joined.size());
  EXPECT_EQ(joined, kScrambled);
  EXPECT_EQ(kDataTiles.back() & 0x3, 0);

  // 5. The row check after the first nine tiles.
  EXPECT_EQ(RowCheckValue(kDataTiles.data()), 307 % 64);
  Bytes tiles = kDataTiles;
  tiles.insert(tiles.begin() + kRowDataTiles, RowCheckValue(kDataTiles.data()));
  EXPECT_EQ(tiles, kWithRowCheck);

  // 6. The position offset.
  for (std::size_t i = 0; i < tiles.size(); ++i) tiles[i] = AddPositionOffset(tiles[i], i);
  EXPECT_EQ(tiles, kWithOffset);

  // 7. The alphabet, and the encoder agrees with the whole chain.
  std::string text;
  for (std::uint8_t tile : tiles) text += TileToChar(tile);
  EXPECT_EQ(text, kPassword);

  static const TPasswordData zero{};
  TVelmaraPasswordEncoder encoder;
  EXPECT_EQ(encoder.MakePassword(ptBronze, &zero), kPassword);
  std::array<std::uint8_t, kMaxTiles> dumped{};
  encoder.GetTiles(dumped.data());
  EXPECT_EQ(Bytes(dumped.begin(), dumped.begin() + 16), kWithOffset);
}

}  // namespace
}  // namespace velmara
