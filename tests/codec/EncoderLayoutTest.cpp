// Where each field lands in the password bytes. The expected bytes are worked
// out by hand from the format's bit layout, and the password is unpacked by
// the independent helper PlainPasswordBytes, so an encoder and decoder that
// agree on a wrong layout still fail here.
#include <gtest/gtest.h>

#include <functional>

#include "codec/Password.h"
#include "tests/codec/PasswordTestSupport.h"

namespace velmara {
namespace {

using testing::PlainPasswordBytes;
using testing::ZeroRecord;

struct ExpectedByte {
  std::size_t index;
  std::uint8_t mask;
  std::uint8_t value;
};

struct LayoutCase {
  const char* name;
  TPasswordType type;
  std::function<void(TPasswordData&)> edit;
  std::vector<ExpectedByte> expected;
};

void SetIsaacItem(TPasswordData& d, int slot, std::uint16_t word) {
  d.Characters[0].Items[slot] = word;
}

const LayoutCase kLayoutCases[] = {
    {"ZeroRecordCarriesLevelOneForAll",
     ptBronze,
     [](TPasswordData&) {},
     {{0, 0xFF, 0x81},
      {1, 0xFF, 0x40},
      {2, 0xFF, 0x20},
      {3, 0xFF, 0x00},
      {7, 0xFF, 0},
      {8, 0xFF, 0}}},
    {"LevelZeroIsCarriedAsOne",
     ptBronze,
     [](TPasswordData& d) { d.Characters[0].Level = 0; },
     {{0, 0x7F, 0x01}}},
    {"LevelAbove99IsCarriedAs99",
     ptBronze,
     [](TPasswordData& d) { d.Characters[0].Level = 150; },
     {{0, 0x7F, 99}}},
    {"MiasLevelSpansBytesTwoAndThree",
     ptSilver,
     [](TPasswordData& d) { d.Characters[3].Level = 99; },
     {{0, 0xFF, 0x81}, {1, 0xFF, 0x40}, {2, 0xFF, 0x60}, {3, 0xF0, 0xC0}}},
    {"VenusFlintIsDjinnBitZero",
     ptBronze,
     [](TPasswordData& d) { d.Characters[0].Djinn[0] = 1; },
     {{3, 0x0F, 0x01}, {4, 0xFF, 0}}},
    {"MercuryFizzIsDjinnBitSeven",
     ptBronze,
     [](TPasswordData& d) { d.Characters[1].Djinn[1] = 1; },
     {{3, 0x0F, 0}, {4, 0xFF, 0x08}}},
    {"JupiterLuffIsTheTopDjinnBit",
     ptGold,
     [](TPasswordData& d) { d.Characters[3].Djinn[3] = 0x40; },
     {{6, 0xFF, 0x80}}},
    {"DjinnOnAnyCharacterIsMerged",
     ptBronze,
     [](TPasswordData& d) { d.Characters[2].Djinn[0] = 4; },
     {{3, 0x0F, 0x04}}},
    {"SameDjinnOnTwoCharactersDoesNotCarry",
     ptBronze,
     [](TPasswordData& d) { d.Characters[0].Djinn[0] = 1, d.Characters[1].Djinn[0] = 1; },
     {{3, 0x0F, 0x01}, {4, 0xFF, 0}}},
    {"StrayBitSevenOfADjinnWordIsIgnored",
     ptBronze,
     [](TPasswordData& d) { d.Characters[0].Djinn[0] = 0x80; },
     {{3, 0x0F, 0}, {4, 0xFF, 0}}},
    {"SideQuestOneIsBitZero",
     ptBronze,
     [](TPasswordData& d) { d.EventFlags[296] = 0x02; },
     {{7, 0xFF, 0x01}}},
    {"SideQuestSixIsBitFive",
     ptBronze,
     [](TPasswordData& d) { d.EventFlags[269] = 0x01; },
     {{7, 0xFF, 0x20}}},
    {"NeighbouringEventFlagsAreNotCarried",
     ptBronze,
     [](TPasswordData& d) { d.EventFlags[296] = static_cast<std::uint8_t>(~0x02); },
     {{7, 0xFF, 0}}},
    {"SpecialItemOfAnyCharacterSetsItsMaskBit",
     ptSilver,
     [](TPasswordData& d) { d.Characters[1].Items[9] = MakeItemWord(203, 4) | 0x0600; },
     {{8, 0xFF, 0x08}}},
    {"BronzeCarriesTheSpecialItemMask",
     ptBronze,
     [](TPasswordData& d) { SetIsaacItem(d, 0, 200), SetIsaacItem(d, 1, 207); },
     {{8, 0xFF, 0x81}}},
    {"GoldCarriesStatisticsWhereOthersHaveTheMask",
     ptGold,
     [](TPasswordData& d) { SetIsaacItem(d, 0, 203); },
     {{8, 0xFF, 0}}},
    {"GoldHpClampedTo1999",
     ptGold,
     [](TPasswordData& d) { d.Characters[0].HP = 2500; },
     {{8, 0xFF, 0xF9}, {9, 0xE0, 0xE0}}},
    {"GoldHpFrom32768UpClampedTo1999",
     ptGold,
     [](TPasswordData& d) { d.Characters[0].HP = 40000; },
     {{8, 0xFF, 0xF9}, {9, 0xE0, 0xE0}}},
    {"SilverStatisticsStartAtByteNine",
     ptSilver,
     [](TPasswordData& d) { d.Characters[0].HP = 1999; },
     {{8, 0xFF, 0}, {9, 0xFF, 0xF9}, {10, 0xE0, 0xE0}}},
    {"AttackClampedTo999",
     ptGold,
     [](TPasswordData& d) { d.Characters[0].Attack = 1000; },
     {{10, 0x03, 0x03}, {11, 0xFF, 0xE7}}},
    {"LuckClampedTo99",
     ptGold,
     [](TPasswordData& d) { d.Characters[0].Luck = 120; },
     {{14, 0x0F, 0x06}, {15, 0xF0, 0x30}}},
    {"MiasLuckEndsTheStatisticsBlock",
     ptSilver,
     [](TPasswordData& d) { d.Characters[3].Luck = 99; },
     {{38, 0xFF, 99}}},
    {"FirstItemIdentifierOpensTheItemGroups",
     ptGold,
     [](TPasswordData& d) { SetIsaacItem(d, 0, 511); },
     {{38, 0xFF, 0}, {39, 0xFF, 0xFF}, {40, 0xFF, 0x80}}},
    {"SeventhIdentifierLeavesTheGroupsLastBitClear",
     ptGold,
     [](TPasswordData& d) { SetIsaacItem(d, 6, 511); },
     {{45, 0xFF, 0x03}, {46, 0xFF, 0xFE}, {47, 0xFF, 0}}},
    {"EighthIdentifierStartsTheNextGroup",
     ptGold,
     [](TPasswordData& d) { SetIsaacItem(d, 7, 511); },
     {{46, 0xFF, 0}, {47, 0xFF, 0xFF}, {48, 0xFF, 0x80}}},
    {"LastIdentifierEndsInByte107",
     ptGold,
     [](TPasswordData& d) { d.Characters[3].Items[14] = 511; },
     {{106, 0xFF, 0x1F}, {107, 0xFF, 0xF0}}},
    {"FirstQuantityIsIsaacsHerb",
     ptGold,
     [](TPasswordData& d) { SetIsaacItem(d, 3, MakeItemWord(180, 32)); },
     {{107, 0x0F, 0x0F}, {108, 0x80, 0x80}}},
    {"LastSlotHoldingAStackableItemCounts",
     ptGold,
     [](TPasswordData& d) {
       SetIsaacItem(d, 2, MakeItemWord(180, 3));
       SetIsaacItem(d, 9, MakeItemWord(180, 7));
     },
     {{107, 0x0F, 0x03}, {108, 0x80, 0x00}}},
    {"LastQuantityIsMiasCrystalPowder",
     ptGold,
     [](TPasswordData& d) { d.Characters[3].Items[0] = MakeItemWord(241, 32); },
     {{164, 0xFF, 0x1F}, {165, 0xFF, 0}}},
    {"QuantityOfANonStackableItemIsNotCarried",
     ptGold,
     [](TPasswordData& d) { SetIsaacItem(d, 0, MakeItemWord(1, 32)); },
     {{107, 0x0F, 0}, {108, 0xFF, 0}}},
    {"CoinsHighByteFirst",
     ptGold,
     [](TPasswordData& d) { d.Coins = 0x123456; },
     {{165, 0xFF, 0x12}, {166, 0xFF, 0x34}, {167, 0xFF, 0x56}, {168, 0xFF, 0}}},
    {"CoinsCarryOnlyTheirLow24Bits",
     ptGold,
     [](TPasswordData& d) { d.Coins = (1u << 24) + 5; },
     {{165, 0xFF, 0}, {166, 0xFF, 0}, {167, 0xFF, 5}}},
};

class EncoderLayout : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(EncoderLayout, FieldLandsAtItsPlace) {
  const LayoutCase& c = GetParam();
  TPasswordData data = ZeroRecord();
  c.edit(data);
  TVelmaraPasswordEncoder encoder;
  const std::string password = encoder.MakePassword(c.type, &data);
  ASSERT_EQ(password.size(), PasswordLength(c.type));
  const auto bytes = PlainPasswordBytes(password, c.type);
  for (const ExpectedByte& e : c.expected) {
    SCOPED_TRACE(::testing::Message() << "byte " << e.index);
    EXPECT_EQ(bytes[e.index] & e.mask, e.value);
  }
  const std::size_t n = DataBytes(c.type);
  EXPECT_EQ(bytes[n] << 8 | bytes[n + 1], CheckValue(bytes.data(), n)) << "check value";
}

INSTANTIATE_TEST_SUITE_P(Fields, EncoderLayout, ::testing::ValuesIn(kLayoutCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Encoder, ZeroRecordGivesEveryTypeItsLength) {
  const TPasswordData data = ZeroRecord();
  TVelmaraPasswordEncoder encoder;
  EXPECT_EQ(encoder.MakePassword(ptGold, &data).size(), 260u);
  EXPECT_EQ(encoder.MakePassword(ptSilver, &data).size(), 61u);
  EXPECT_EQ(encoder.MakePassword(ptBronze, &data).size(), 16u);
}

TEST(Encoder, ClampsOnlyItsOwnCopy) {
  TPasswordData data = ZeroRecord();
  data.Characters[1].Level = 150;
  data.Characters[1].HP = 40000;
  data.Characters[1].Attack = 1000;
  data.Characters[1].Luck = 120;
  data.Coins = 0xFFFFFFFF;
  const TPasswordData before = data;
  TVelmaraPasswordEncoder encoder;
  encoder.MakePassword(ptGold, &data);
  EXPECT_TRUE(testing::SameBytes(data, before));
}

TEST(Encoder, RowCheckTilesAndPositionOffsets) {
  TPasswordData data = testing::RandomRecord(7);
  TVelmaraPasswordEncoder encoder;
  const std::string password = encoder.MakePassword(ptGold, &data);
  for (std::size_t row = 0; row < 26; ++row) {
    int sum = 0;
    for (std::size_t k = 0; k < 9; ++k) {
      const std::size_t i = row * 10 + k;
      sum += (CharToTile(static_cast<unsigned char>(password[i])) - static_cast<int>(i) + 640) % 64;
    }
    const std::size_t check = row * 10 + 9;
    EXPECT_EQ(
        (CharToTile(static_cast<unsigned char>(password[check])) - static_cast<int>(check) + 640) %
            64,
        sum % 64)
        << "row " << row;
  }
}

struct BadTypeCase {
  std::int32_t type;
  const char* message;
};

TEST(Encoder, MisuseRaisesWithTheMessageAndKeepsThePreviousTiles) {
  TPasswordData data = ZeroRecord();
  TVelmaraPasswordEncoder encoder;
  const std::string bronze = encoder.MakePassword(ptBronze, &data);
  const BadTypeCase cases[] = {{3, "Unknown password type specified.3"},
                               {-1, "Unknown password type specified.-1"}};
  for (const BadTypeCase& c : cases) {
    SCOPED_TRACE(c.type);
    try {
      encoder.MakePassword(static_cast<TPasswordType>(c.type), &data);
      ADD_FAILURE() << "no exception";
    } catch (const EPasswordError& e) {
      EXPECT_STREQ(e.what(), c.message);
    }
  }
  try {
    encoder.MakePassword(ptGold, nullptr);
    ADD_FAILURE() << "no exception";
  } catch (const EPasswordError& e) {
    EXPECT_STREQ(e.what(), "Cannot make password.. no game data provided!");
  }
  std::uint8_t tiles[kMaxTiles];
  encoder.GetTiles(tiles);
  for (std::size_t i = 0; i < bronze.size(); ++i) EXPECT_EQ(TileToChar(tiles[i]), bronze[i]);
}

TEST(Encoder, GetTilesHoldsTheLastPasswordFollowedByZeros) {
  TVelmaraPasswordEncoder encoder;
  std::uint8_t tiles[kMaxTiles];
  encoder.GetTiles(tiles);
  for (std::uint8_t t : tiles) EXPECT_EQ(t, 0) << "before any password";

  TPasswordData data = testing::RandomRecord(3);
  encoder.MakePassword(ptGold, &data);
  for (TPasswordType type : {ptBronze, ptSilver, ptGold}) {
    SCOPED_TRACE(type);
    const std::string password = encoder.MakePassword(type, &data);
    encoder.GetTiles(tiles);
    for (std::size_t i = 0; i < kMaxTiles; ++i) {
      if (i < password.size())
        EXPECT_EQ(TileToChar(tiles[i]), password[i]) << i;
      else
        EXPECT_EQ(tiles[i], 0) << i;
    }
  }
}

}  // namespace
}  // namespace velmara
