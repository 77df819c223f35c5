// Which parties count as plausible when the repair search ranks candidates.
#include <gtest/gtest.h>

#include <functional>

#include "codec/Password.h"
#include "codec/PasswordTiles.h"
#include "codec/Plausibility.h"
#include "tests/codec/PasswordTestSupport.h"
#include "tests/common/PasswordSupport.h"

namespace velmara {
namespace {

using testing::TileValues;

TEST(Plausibility, ThePartiesTheWindowCanMakeAndNoOthers) {
  const struct {
    const char* name;
    std::function<void(TPasswordData&)> edit;
    bool gold, silver, bronze;  // plausible as each type
  } cases[] = {
      {"as made", [](TPasswordData&) {}, true, true, true},
      {"Attack 512, above the window's bound",
       [](TPasswordData& d) { d.Characters[1].Attack = 512; }, false, false, true},
      {"HP 2000 is carried as 1999", [](TPasswordData& d) { d.Characters[0].HP = 2000; }, true,
       true, true},
      {"coins 1000000", [](TPasswordData& d) { d.Coins = 1000000; }, false, true, true},
      {"an identifier the item table lacks",
       [](TPasswordData& d) { d.Characters[2].Items[3] = MakeItemWord(190); }, false, true, true},
  };
  TVelmaraPasswordEncoder encoder;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TPasswordData party = testing::PlausibleRecord(8);
    c.edit(party);
    EXPECT_EQ(IsPlausiblePassword(ptGold, TileValues(encoder.MakePassword(ptGold, &party)).data()),
              c.gold);
    EXPECT_EQ(
        IsPlausiblePassword(ptSilver, TileValues(encoder.MakePassword(ptSilver, &party)).data()),
        c.silver);
    EXPECT_EQ(
        IsPlausiblePassword(ptBronze, TileValues(encoder.MakePassword(ptBronze, &party)).data()),
        c.bronze);
  }
}

// Bits that no party sets: levels past 99 (the decoder reads 7 bits), a
// quantity for an item the character does not hold, the padding of Silver's
// last character, the unused Gold bytes.
TEST(Plausibility, BitsTheEncoderNeverSetsAreNotPlausible) {
  TVelmaraPasswordEncoder encoder;
  TPasswordData party = testing::PlausibleRecord(9);
  party.Characters[0].Level = 50;
  for (std::uint16_t& word : party.Characters[0].Items) word = MakeItemWord(1);  // no stackables
  const std::string silver = encoder.MakePassword(ptSilver, &party);
  std::vector<std::uint8_t> values = TileValues(silver);
  values.back() ^= 1;  // padding: the decoder accepts this text as well
  EXPECT_FALSE(IsPlausiblePassword(ptSilver, values.data()));

  // Gold data tiles to flip one bit at a time: tile t holds bits 6t .. 6t + 5.
  const std::string gold = encoder.MakePassword(ptGold, &party);
  auto flipped = [&](std::size_t byte, int bitFromTop) {
    std::vector<std::uint8_t> v = TileValues(gold);
    const std::size_t bit = byte * 8 + static_cast<std::size_t>(bitFromTop);
    const std::size_t tile = bit / kTileBits;
    const std::size_t position = tile + tile / kRowDataTiles;
    v[position] ^= static_cast<std::uint8_t>(1u << (kTileBits - 1 - bit % kTileBits));
    return v;
  };
  // The scrambling byte is the check value's, so a data byte's bit flips alone.
  EXPECT_TRUE(IsPlausiblePassword(ptGold, TileValues(gold).data()));
  EXPECT_FALSE(IsPlausiblePassword(ptGold, flipped(kGoldUnusedByte, 7).data()));
  EXPECT_FALSE(IsPlausiblePassword(ptGold, flipped(kGoldUnusedTailByte + 2, 0).data()));
  EXPECT_FALSE(IsPlausiblePassword(ptGold, flipped(kSideQuestByte, 0).data()));
  EXPECT_FALSE(IsPlausiblePassword(ptGold, flipped(46, 7).data())) << "an item group's last bit";
  EXPECT_FALSE(IsPlausiblePassword(ptGold, flipped(kLevelsByte, 1).data())) << "Isaac's level 114";
  // The first quantity field is Isaac's Herbs, which he does not hold.
  EXPECT_FALSE(IsPlausiblePassword(ptGold, flipped(kGoldQuantitiesByte + 1, 0).data()));
  EXPECT_TRUE(IsPlausiblePassword(ptGold, flipped(kGoldCoinsByte + 2, 7).data()))
      << "a coin more is still a party";
}

}  // namespace
}  // namespace velmara
