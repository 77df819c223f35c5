#include <gtest/gtest.h>

#include <algorithm>

#include "codec/Password.h"
#include "codec/VelmaraData.h"
#include "tests/codec/PasswordTestSupport.h"

namespace velmara {
namespace {

TEST(ItemNames, EntryKNamesItemK) {
  const auto names = BuildItemNames();
  ASSERT_EQ(names.size(), 269u);
  for (std::size_t k = 0; k < names.size(); ++k) EXPECT_EQ(names[k].id, k);
  EXPECT_EQ(std::count_if(names.begin(), names.end(), [](auto& n) { return n.name == "?"; }), 77);
  struct {
    std::uint16_t id;
    const char* name;
  } cases[] = {{0, ""},
               {1, "Long Sword"},
               {12, "?"},
               {13, "?"},
               {14, "?"},
               {15, "Machete"},
               {180, "Herb"},
               {190, "?"},
               {222, "Mars Star"},
               {242, "Black Orb"},
               {268, "Cleric's Ring"}};
  for (const auto& c : cases) EXPECT_EQ(names[c.id].name, c.name) << c.id;
}

TEST(ItemNames, DisplayNameBeyondTheList) {
  const auto names = BuildItemNames();
  EXPECT_EQ(ItemDisplayName(names, 300), "?? (300)");
  EXPECT_EQ(ItemDisplayName(names, 268), "Cleric's Ring");
}

TEST(ItemTables, EverySpecialAndStackableItemHasAName) {
  const auto names = BuildItemNames();
  for (auto id : kSpecialItems) EXPECT_NE(names[id].name, "?") << id;
  for (auto id : kStackableItems) EXPECT_NE(names[id].name, "?") << id;
  EXPECT_FALSE(IsStackableItem(190));
}

TEST(CharacterName, StopsAtTheFirstZeroOrAfterFiveBytes) {
  TCharacterRecord c{};
  std::memcpy(c.Name, "Mia\0x", 5);
  EXPECT_EQ(CharacterName(c), "Mia");
  std::memcpy(c.Name, "Felix", 5);
  c.Reserved5[0] = 'Q';
  EXPECT_EQ(CharacterName(c), "Felix");
}

class DefaultParties : public ::testing::TestWithParam<DefaultParty> {};

TEST_P(DefaultParties, ConstantIsWhatTheEncoderMakesOfItsParty) {
  TPasswordData party = MakeDefaultParty(GetParam());
  TVelmaraPasswordEncoder encoder;
  EXPECT_EQ(encoder.MakePassword(ptGold, &party), kDefaultPasswords[GetParam()]);

  TVelmaraPasswordDecoder decoder;
  TPasswordData decoded = testing::ZeroRecord();
  ASSERT_EQ(decoder.DecodePassword(ptGold, kDefaultPasswords[GetParam()], &decoded), "");
  EXPECT_TRUE(testing::SameBytes(decoded, party)) << "the password carries the whole party";
}

TEST_P(DefaultParties, PartyIsOneAPlayerCouldHave) {
  const TPasswordData party = MakeDefaultParty(GetParam());
  bool marsStar = false, blackOrb = false;
  for (const TCharacterRecord& c : party.Characters) {
    EXPECT_GE(c.Level, 1);
    EXPECT_LE(c.Level, 99);
    EXPECT_LE(c.HP, 1999);
    EXPECT_LE(c.Attack, 511);
    for (std::uint16_t word : c.Items) {
      marsStar |= ItemId(word) == kMarsStar;
      blackOrb |= ItemId(word) == kBlackOrb;
      if (!IsStackableItem(word)) {
        EXPECT_EQ(ItemQuantity(word), 1);
      }
      EXPECT_LE(ItemQuantity(word), 30);
    }
  }
  EXPECT_TRUE(marsStar && blackOrb) << "the sequel needs both story items";
  EXPECT_LE(party.Coins, 999999u);
}

TEST(DefaultParties, GrowWithTheLevel) {
  int previousLevel = 0, previousDjinn = -1;
  for (int which = 0; which < kDefaultPartyCount; ++which) {
    const TPasswordData party = MakeDefaultParty(static_cast<DefaultParty>(which));
    int djinn = 0;
    for (int e = 0; e < kElementCount; ++e) djinn += std::popcount(party.Characters[e].Djinn[e]);
    EXPECT_GT(party.Characters[0].Level, previousLevel);
    EXPECT_GT(djinn, previousDjinn);
    previousLevel = party.Characters[0].Level;
    previousDjinn = djinn;
  }
}

INSTANTIATE_TEST_SUITE_P(All, DefaultParties,
                         ::testing::Values(kDefaultLow, kDefaultMiddle, kDefaultHigh));

}  // namespace
}  // namespace velmara
