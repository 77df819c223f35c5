// What the decoder rejects, with which message, in which order, and that a
// rejected text never touches the caller's record.
#include <gtest/gtest.h>

#include <algorithm>

#include "codec/Password.h"
#include "tests/codec/PasswordTestSupport.h"

namespace velmara {
namespace {

using testing::RandomRecord;
using testing::SameBytes;
using testing::ZeroRecord;

constexpr char kWrongLength[] =
    "Cannot import password:  Password has the wrong number of characters.";
constexpr char kInvalid[] = "Cannot import password:  Password is invalid.";
constexpr char kRowHeading[] =
    "Cannot import password -- There is at least one mistake in each of the following:\r\n\r\n";

class Decoder : public ::testing::Test {
 protected:
  std::string Password(TPasswordType type, std::uint32_t seed = 11) {
    TPasswordData data = RandomRecord(seed);
    return encoder.MakePassword(type, &data);
  }

  // Decodes into a record of random bytes and checks that a failure leaves it alone.
  std::string Decode(TPasswordType type, std::string_view text) {
    TPasswordData data = RandomRecord(99, true);
    const TPasswordData before = data;
    std::string message = decoder.DecodePassword(type, text, &data);
    if (!message.empty()) {
      EXPECT_TRUE(SameBytes(data, before)) << "record changed on failure";
    }
    return message;
  }

  // Replaces character i by another alphabet character.
  static std::string Changed(std::string text, std::size_t i, int delta = 1) {
    text[i] = TileToChar(static_cast<std::uint8_t>((CharToTile(text[i]) + delta) % 64));
    return text;
  }

  TVelmaraPasswordEncoder encoder;
  TVelmaraPasswordDecoder decoder;
};

TEST_F(Decoder, AcceptsWhatTheEncoderMakes) {
  for (TPasswordType type : {ptGold, ptSilver, ptBronze}) {
    SCOPED_TRACE(type);
    EXPECT_EQ(Decode(type, Password(type)), "");
  }
}

TEST_F(Decoder, RejectsMisuseWithItsMessage) {
  const std::string gold = Password(ptGold);
  EXPECT_EQ(Decode(static_cast<TPasswordType>(3), gold), "Unknown password type specified.3");
  EXPECT_EQ(Decode(static_cast<TPasswordType>(-1), gold), "Unknown password type specified.-1");
  EXPECT_EQ(decoder.DecodePassword(ptGold, gold, nullptr),
            "Cannot import password:  No data storage available.");
}

TEST_F(Decoder, WrongNumberOfCharactersWhenEveryCompleteRowChecks) {
  const std::string gold = Password(ptGold), bronze = Password(ptBronze);
  struct Case {
    const char* name;
    std::string text;
  } cases[] = {
      {"empty", ""},
      {"15", bronze.substr(0, 15)},
      {"17", bronze + "A"},
      {"259", gold.substr(0, 259)},
      {"261", gold + "A"},
      {"far too long", std::string(5000, 'A')},
      {"a Gold password's length", gold},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Decode(ptSilver, c.text), kWrongLength);
  }
}

TEST_F(Decoder, NamesTheFirstInvalidCharacterWhole) {
  const std::string gold = Password(ptGold);
  struct Case {
    std::string replacement;
    std::string named;
  } cases[] = {
      {"I", "I"},
      {"O", "O"},
      {"l", "l"},
      {"o", "o"},
      {"0", "0"},
      {"1", "1"},
      {" ", " "},
      {"\xC3\xA9", "\xC3\xA9"},          // é: one character, two bytes
      {"\xE3\x80\x80", "\xE3\x80\x80"},  // full-width blank
      {"\xC2\xA0", "\xC2\xA0"},          // non-breaking blank
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.named);
    // Replacing the last character keeps 260 characters whatever its byte length,
    // and the invalid character is reported before any row is checked.
    std::string text = Changed(gold, 3).substr(0, 259) + c.replacement;
    EXPECT_EQ(Decode(ptGold, text),
              "Cannot import password:  Invalid password character \"" + c.named + "\" found.");
    // The same in a text short enough in bytes to be read a byte at a time first.
    const std::string bronze = Password(ptBronze);
    EXPECT_EQ(Decode(ptBronze, bronze.substr(0, 4) + c.replacement + bronze.substr(5)),
              "Cannot import password:  Invalid password character \"" + c.named + "\" found.");
  }
}

TEST_F(Decoder, MoreThan260CharactersIsAWrongLengthBeforeAnyCharacterTest) {
  EXPECT_EQ(Decode(ptGold, Password(ptGold) + "0"), kWrongLength);
}

TEST_F(Decoder, ListsEveryRowWhoseCheckFails) {
  const std::string gold = Password(ptGold);
  EXPECT_EQ(Decode(ptGold, Changed(gold, 253)), std::string(kRowHeading) + "row 1 on page 6");
  EXPECT_EQ(Decode(ptGold, Changed(Changed(gold, 14), 104)),
            std::string(kRowHeading) + "row 2 on page 1, row 1 on page 3");
  EXPECT_EQ(Decode(ptGold, Changed(gold, 9)), std::string(kRowHeading) + "row 1 on page 1")
      << "a wrong check character is a mistake in its row";
}

TEST_F(Decoder, RowMistakesAreReportedBeforeAWrongLength) {
  const std::string gold = Password(ptGold);
  std::string missing = gold;
  missing.erase(12, 1);  // every row from the second on shifts
  const std::string message = Decode(ptGold, missing);
  EXPECT_EQ(message.rfind(kRowHeading, 0), 0u) << message;
}

TEST_F(Decoder, OnlyTheCheckValueCatchesSomeMistakes) {
  const std::string gold = Password(ptGold), silver = Password(ptSilver),
                    bronze = Password(ptBronze);
  std::string swapped = gold;
  std::swap(swapped[20], swapped[21]);
  ASSERT_NE(swapped, gold);
  EXPECT_EQ(Decode(ptGold, swapped), kInvalid) << "swap within a row keeps its check tile";
  // Adding 32 flips a tile's top bit, which always holds data.
  EXPECT_EQ(Decode(ptSilver, Changed(silver, 60, 32)), kInvalid) << "Silver's last character";
  for (std::size_t i = 10; i < 16; ++i)
    EXPECT_EQ(Decode(ptBronze, Changed(bronze, i, 32)), kInvalid) << "Bronze character " << i;
}

TEST_F(Decoder, FieldsThePasswordDoesNotCarryKeepTheCallersValues) {
  TPasswordData source = RandomRecord(5);
  for (TCharacterRecord& c : source.Characters)
    std::fill(std::begin(c.Items), std::end(c.Items), 0);
  source.Characters[2].Items[4] = 205;  // Cloak Ball
  source.Characters[3].Items[7] = 200;  // Orb of Force
  const std::string bronze = encoder.MakePassword(ptBronze, &source);

  TPasswordData base = RandomRecord(6);
  TPasswordData data = base;
  ASSERT_EQ(decoder.DecodePassword(ptBronze, bronze, &data), "");
  EXPECT_EQ(data.Characters[0].Items[0], 200) << "special items go to Isaac in identifier order";
  EXPECT_EQ(data.Characters[0].Items[1], 205);
  for (int slot = 2; slot < kSlotsPerCharacter; ++slot)
    EXPECT_EQ(data.Characters[0].Items[slot], base.Characters[0].Items[slot]) << slot;
  EXPECT_EQ(data.Characters[1].HP, base.Characters[1].HP) << "Bronze carries no statistics";
  EXPECT_EQ(data.Coins, base.Coins);
  EXPECT_EQ(data.Characters[0].Djinn[1], base.Characters[0].Djinn[1])
      << "only a character's own element word is written";
  EXPECT_EQ(std::memcmp(data.SaveName, base.SaveName, sizeof base.SaveName), 0);
}

TEST_F(Decoder, SetsExactlyTheCarriedSideQuestFlags) {
  TPasswordData source = ZeroRecord();
  SetEventFlag(source, 2369, true);
  SetEventFlag(source, 2385, true);
  const std::string bronze = encoder.MakePassword(ptBronze, &source);

  TPasswordData data = ZeroRecord();
  ASSERT_EQ(decoder.DecodePassword(ptBronze, bronze, &data), "");
  for (int flag = 0; flag < 528 * 8; ++flag)
    EXPECT_EQ(GetEventFlag(data, static_cast<std::uint16_t>(flag)), flag == 2369 || flag == 2385)
        << flag;

  // A flag the password does not carry is left set, not cleared.
  TPasswordData full = ZeroRecord();
  std::memset(full.EventFlags, 0xFF, sizeof full.EventFlags);
  TPasswordData none = ZeroRecord();
  ASSERT_EQ(decoder.DecodePassword(ptBronze, encoder.MakePassword(ptBronze, &none), &full), "");
  for (std::uint8_t byte : full.EventFlags) EXPECT_EQ(byte, 0xFF);
}

TEST_F(Decoder, CoinsWriteOnlyTheLowThreeBytes) {
  TPasswordData source = ZeroRecord();
  source.Coins = 0xAB123456;
  TPasswordData data = ZeroRecord();
  data.Coins = 0x77000000;
  ASSERT_EQ(decoder.DecodePassword(ptGold, encoder.MakePassword(ptGold, &source), &data), "");
  EXPECT_EQ(data.Coins, 0x77123456u);
}

}  // namespace
}  // namespace velmara
