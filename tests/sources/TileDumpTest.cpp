#include "sources/TileDump.h"

#include <gtest/gtest.h>

#include "codec/Alphabet.h"
#include "codec/Password.h"
#include "codec/VelmaraData.h"
#include "tests/sources/TestFiles.h"

namespace velmara {
namespace {

class TileDumpTest : public test::TempDirTest,
                     public ::testing::WithParamInterface<TPasswordType> {};

// As in the window: a Gold password is built at start-up, then the selected
// type; the dump must not carry tiles of the earlier, longer password.
TEST_P(TileDumpTest, HoldsThePasswordTilesThenZeros) {
  const TPasswordType type = GetParam();
  const TPasswordData party = MakeDefaultParty(kDefaultHigh);
  TVelmaraPasswordEncoder encoder;
  encoder.MakePassword(ptGold, &party);
  const std::string password = encoder.MakePassword(type, &party);
  const std::size_t n = PasswordLength(type);
  ASSERT_EQ(password.size(), n);

  std::uint8_t tiles[kMaxTiles];
  encoder.GetTiles(tiles);
  const QString path = PathOf("tiles.dmp");
  ASSERT_TRUE(SaveTileDump(path, tiles));

  const QByteArray dump = test::ReadBytes(path);
  ASSERT_EQ(dump.size(), 260);
  std::string spelled;
  for (std::size_t i = 0; i < n; ++i) {
    const auto tile = static_cast<std::uint8_t>(dump[i]);
    ASSERT_LT(tile, 64) << "byte " << i;
    spelled += TileToChar(tile);
  }
  EXPECT_EQ(spelled, password);
  for (std::size_t i = n; i < kMaxTiles; ++i) EXPECT_EQ(dump[i], 0) << "byte " << i;
}

INSTANTIATE_TEST_SUITE_P(Types, TileDumpTest, ::testing::Values(ptGold, ptSilver, ptBronze),
                         test::TypeParamName);

}  // namespace
}  // namespace velmara
