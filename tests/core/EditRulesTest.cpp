// How typed text becomes a number, and the bounds of the statistics and coins.
#include "core/EditRules.h"

#include <gtest/gtest.h>

namespace velmara {
namespace {

TEST(ParseEditIntegerTest, AcceptsOnlyASignedDecimalWithWhiteSpaceAround) {
  struct Case {
    const char* what;
    const char* text;
    std::optional<std::int32_t> value;
  };
  const Case cases[] = {
      {"plain", "5", 5},
      {"blanks around", " 5 ", 5},
      {"plus sign", "+5", 5},
      {"minus sign", "-5", -5},
      {"leading zeros", "00000000000000000000007", 7},
      {"tab and line break", "\t5\n", 5},
      {"vertical tab and form feed", "\v5\f", 5},
      {"non-breaking blank", "\u00A05", 5},
      {"full-width blank behind", "5\u3000", 5},
      {"next line and line separator", "\u0085\u20285", 5},
      {"narrow no-break blank", "\u202F5", 5},
      {"largest 32-bit value", "2147483647", 2147483647},
      {"smallest 32-bit value", "-2147483648", -2147483647 - 1},
      {"empty", "", std::nullopt},
      {"only blanks", "  ", std::nullopt},
      {"only a sign", "-", std::nullopt},
      {"sign twice", "+-5", std::nullopt},
      {"blank after the sign", "- 5", std::nullopt},
      {"blank inside", "5 5", std::nullopt},
      {"letters behind", "5a", std::nullopt},
      {"hexadecimal", "0x10", std::nullopt},
      {"exponent", "1e3", std::nullopt},
      {"fraction", "5.0", std::nullopt},
      {"thousands separator", "1,000", std::nullopt},
      {"full-width digit", "\uFF15", std::nullopt},
      {"Arabic-Indic digit", "\u0665", std::nullopt},
      {"zero-width blank is no white space", "\u200B5", std::nullopt},
      {"byte order mark is no white space", "\uFEFF5", std::nullopt},
      {"information separator is no white space",
       "\x1C"
       "5",
       std::nullopt},
      {"malformed byte", "5\xFF", std::nullopt},
      {"above 32 bits", "2147483648", std::nullopt},
      {"below 32 bits", "-2147483649", std::nullopt},
      {"far above 32 bits", "99999999999999999999", std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(ParseEditInteger(c.text), c.value);
  }
}

TEST(StatFromTextTest, ClampsToTheBoundOfTheEditsLength) {
  struct Case {
    const char* text;
    int maxLength;
    std::uint16_t stored;
  };
  const Case cases[] = {
      {"0", 2, 1},    {"-5", 2, 1},    {"", 2, 1},      {"abc", 4, 1},     {"99", 2, 99},
      {"100", 2, 99}, {"600", 3, 511}, {"511", 3, 511}, {"2500", 4, 1999}, {"1999", 4, 1999},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.text) + " in an edit of length " + std::to_string(c.maxLength));
    EXPECT_EQ(StatFromText(c.text, c.maxLength), c.stored);
  }
}

TEST(CoinsFromTextTest, NoNumberAndNegativeEntriesEndAtTheLimit) {
  struct Case {
    const char* text;
    std::uint32_t stored;
  };
  for (const Case& c :
       {Case{"0", 0}, Case{"123456", 123456}, Case{"999999", 999999}, Case{"1234567", 999999},
        Case{"-1", 999999}, Case{"abc", 999999}, Case{"", 999999}, Case{" 42 ", 42}}) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(CoinsFromText(c.text), c.stored);
  }
}

TEST(StatFieldsTest, EveryFieldReadsAndWritesItsOwnRecordField) {
  // Each field written with a distinct value must come back from that field
  // alone, and the edits of length 2 store one byte.
  TCharacterRecord record{};
  for (int k = 0; k < kStatFieldCount; ++k)
    SetStatValue(record, kStatFields[k], static_cast<std::uint16_t>(10 + k));
  EXPECT_EQ(record.Level, 10);
  EXPECT_EQ(record.HP, 11);
  EXPECT_EQ(record.PP, 12);
  EXPECT_EQ(record.Attack, 13);
  EXPECT_EQ(record.Defense, 14);
  EXPECT_EQ(record.Agility, 15);
  EXPECT_EQ(record.Luck, 16);
  for (int k = 0; k < kStatFieldCount; ++k) EXPECT_EQ(StatValue(record, kStatFields[k]), 10u + k);
}

TEST(StatFieldsTest, BronzeDisablesEveryStatisticButTheLevels) {
  for (const StatField& field : kStatFields) {
    SCOPED_TRACE(field.name);
    EXPECT_TRUE(IsStatEditEnabled(field.kind, ptGold));
    EXPECT_TRUE(IsStatEditEnabled(field.kind, ptSilver));
    EXPECT_EQ(IsStatEditEnabled(field.kind, ptBronze), field.kind == StatKind::Level);
  }
}

}  // namespace
}  // namespace velmara
