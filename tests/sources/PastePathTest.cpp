// Password text copied out of the window and pasted back: layout, cleaning,
// type by length and the decoder together.
#include <gtest/gtest.h>

#include <cstring>

#include "codec/Password.h"
#include "codec/VelmaraData.h"
#include "sources/PasswordText.h"
#include "tests/sources/TestFiles.h"

namespace velmara {
namespace {

struct PasteResult {
  std::optional<TPasswordType> type;  // nullopt: the wrong-length marker
  std::string message;                // the decoder's, empty when accepted
  TPasswordData data{};
};

// What the window does with pasted text: clean it, pick the type by length,
// decode into a zeroed record.
PasteResult Paste(const QString& clipboard) {
  PasteResult result;
  const QString text = CleanPasswordText(clipboard);
  result.type = PasswordTypeForLength(PasswordCharCount(text));
  if (!result.type) return result;
  std::memset(&result.data, 0, sizeof result.data);
  TVelmaraPasswordDecoder decoder;
  result.message = decoder.DecodePassword(*result.type, text.toStdString(), &result.data);
  return result;
}

bool IsZero(const TPasswordData& data) {
  const TPasswordData zero{};
  return std::memcmp(&data, &zero, sizeof data) == 0;
}

class CopyPasteTest : public ::testing::TestWithParam<TPasswordType> {};

TEST_P(CopyPasteTest, CopiedPasswordPastesBackAsTheSameTypeAndParty) {
  const TPasswordType type = GetParam();
  const TPasswordData party = MakeDefaultParty(kDefaultMiddle);
  TVelmaraPasswordEncoder encoder;
  const std::string password = encoder.MakePassword(type, &party);

  const PasteResult pasted = Paste(FormatPasswordForClipboard(QString::fromStdString(password)));
  ASSERT_EQ(pasted.type, type);
  ASSERT_EQ(pasted.message, "");
  // The record holds what the type carries: encoding it again gives the same text.
  EXPECT_EQ(encoder.MakePassword(type, &pasted.data), password);
}

INSTANTIATE_TEST_SUITE_P(Types, CopyPasteTest, ::testing::Values(ptGold, ptSilver, ptBronze),
                         test::TypeParamName);

TEST(PastedTextTest, BlanksThatAreNotCleanedEndAsAWrongLengthOrADecoderError) {
  const TPasswordData party = MakeDefaultParty(kDefaultLow);
  TVelmaraPasswordEncoder encoder;
  const QString bronze = QString::fromStdString(encoder.MakePassword(ptBronze, &party));
  const QString copy = FormatPasswordForClipboard(bronze);

  struct Case {
    const char* what;
    QString clipboard;
    bool wrongLength;
  };
  QString fullWidthForLetter = bronze;
  fullWidthForLetter[3] = QChar(0x3000);
  const Case cases[] = {
      {"non-breaking blank between groups", QString(copy).replace(' ', QChar(0x00A0)), true},
      {"full-width blank between groups", QString(copy).replace(' ', QChar(0x3000)), true},
      {"full-width blank in place of a character", fullWidthForLetter, false},
      {"empty text", QString(), true},
      {"only blanks and line ends", QStringLiteral(" \r\n \n"), true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const PasteResult pasted = Paste(c.clipboard);
    if (c.wrongLength) {
      EXPECT_FALSE(pasted.type.has_value());
    } else {
      ASSERT_EQ(pasted.type, ptBronze);
      EXPECT_NE(pasted.message, "");
    }
    EXPECT_TRUE(IsZero(pasted.data));
  }
}

TEST(PastedTextTest, SixtyOneCharactersDecodeAsSilverWhateverWasSelected) {
  const TPasswordData party = MakeDefaultParty(kDefaultHigh);
  TVelmaraPasswordEncoder encoder;
  const std::string silver = encoder.MakePassword(ptSilver, &party);
  const PasteResult pasted = Paste(QString::fromStdString(silver));
  EXPECT_EQ(pasted.type, ptSilver);
  EXPECT_EQ(pasted.message, "");
}

}  // namespace
}  // namespace velmara
