// Passwords made from a record decode back to the fields their type carries,
// and a decoded record makes the same password again.
#include <gtest/gtest.h>

#include "codec/Password.h"
#include "tests/codec/PasswordTestSupport.h"

namespace velmara {
namespace {

using testing::RandomRecord;
using testing::ZeroRecord;

class RoundTrip : public ::testing::TestWithParam<TPasswordType> {
 protected:
  TPasswordData Decoded(const std::string& password) {
    TPasswordData data = ZeroRecord();
    EXPECT_EQ(decoder.DecodePassword(GetParam(), password, &data), "");
    return data;
  }
  TVelmaraPasswordEncoder encoder;
  TVelmaraPasswordDecoder decoder;
};

TEST_P(RoundTrip, CarriedFieldsComeBack) {
  const TPasswordType type = GetParam();
  for (std::uint32_t seed = 1; seed <= 200; ++seed) {
    SCOPED_TRACE(seed);
    TPasswordData source = RandomRecord(seed);
    const TPasswordData data = Decoded(encoder.MakePassword(type, &source));
    std::uint8_t specials = 0;
    for (int i = 0; i < kCharacterCount; ++i) {
      const TCharacterRecord &in = source.Characters[i], &out = data.Characters[i];
      EXPECT_EQ(out.Level, in.Level);
      EXPECT_EQ(out.Djinn[i], in.Djinn[i]);
      const bool stats = type != ptBronze;
      EXPECT_EQ(out.HP, stats ? in.HP : 0);
      EXPECT_EQ(out.PP, stats ? in.PP : 0);
      EXPECT_EQ(out.Attack, stats ? in.Attack : 0);
      EXPECT_EQ(out.Defense, stats ? in.Defense : 0);
      EXPECT_EQ(out.Agility, stats ? in.Agility : 0);
      EXPECT_EQ(out.Luck, stats ? in.Luck : 0);
      for (int slot = 0; slot < kSlotsPerCharacter; ++slot) {
        const std::uint16_t word = in.Items[slot];
        for (int m = 0; m < kSpecialItemCount; ++m)
          if (ItemId(word) == kSpecialItems[m]) specials |= static_cast<std::uint8_t>(1u << m);
        if (type != ptGold) continue;
        // Quantities travel for stackable items only, and only on the last
        // slot that holds the item.
        bool laterSlotHoldsIt = false;
        for (int later = slot + 1; later < kSlotsPerCharacter; ++later)
          laterSlotHoldsIt |= ItemId(in.Items[later]) == ItemId(word);
        const bool keepsQuantity = IsStackableItem(word) && !laterSlotHoldsIt;
        EXPECT_EQ(out.Items[slot], keepsQuantity ? (word & 0xF9FF) : ItemId(word)) << slot;
      }
    }
    for (int n = 0; n < kSideQuestCount; ++n)
      EXPECT_EQ(GetEventFlag(data, kSideQuestFlags[n]), GetEventFlag(source, kSideQuestFlags[n]));
    EXPECT_EQ(data.Coins, type == ptGold ? source.Coins : 0u);
    if (type != ptGold) {
      int slot = 0;
      for (int m = 0; m < kSpecialItemCount; ++m)
        if (specials >> m & 1) {
          EXPECT_EQ(data.Characters[0].Items[slot++], kSpecialItems[m]);
        }
    }
  }
}

TEST_P(RoundTrip, DecodedRecordMakesThePasswordAgain) {
  for (std::uint32_t seed = 1; seed <= 200; ++seed) {
    SCOPED_TRACE(seed);
    TPasswordData source = RandomRecord(seed, /*anyBytes=*/true);  // out-of-range values too
    const std::string password = encoder.MakePassword(GetParam(), &source);
    TPasswordData decoded = Decoded(password);
    const std::string again = encoder.MakePassword(GetParam(), &decoded);
    TPasswordData decodedAgain = Decoded(again);
    EXPECT_EQ(encoder.MakePassword(GetParam(), &decodedAgain), again);
    if (GetParam() == ptGold) {
      EXPECT_EQ(again, password);
    }
  }
}

TEST_P(RoundTrip, ClampedValuesComeBackClamped) {
  TPasswordData source = ZeroRecord();
  source.Characters[0].Level = 150;
  source.Characters[1].Level = 0;
  source.Characters[0].HP = 2500;
  source.Characters[1].PP = 40000;
  source.Characters[2].Attack = 1000;
  source.Characters[3].Luck = 120;
  const TPasswordData data = Decoded(encoder.MakePassword(GetParam(), &source));
  EXPECT_EQ(data.Characters[0].Level, 99);
  EXPECT_EQ(data.Characters[1].Level, 1);
  if (GetParam() == ptBronze) return;
  EXPECT_EQ(data.Characters[0].HP, 1999);
  EXPECT_EQ(data.Characters[1].PP, 1999);
  EXPECT_EQ(data.Characters[2].Attack, 999);
  EXPECT_EQ(data.Characters[3].Luck, 99);
}

std::string TypeName(const ::testing::TestParamInfo<TPasswordType>& info) {
  return PasswordTypeName(info.param);
}

INSTANTIATE_TEST_SUITE_P(AllTypes, RoundTrip, ::testing::Values(ptGold, ptSilver, ptBronze),
                         TypeName);

}  // namespace
}  // namespace velmara
