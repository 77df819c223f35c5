#include "sources/PasswordText.h"

#include <gtest/gtest.h>

#include <QStringList>

#include "codec/Alphabet.h"

namespace velmara {
namespace {

// The first `length` characters of the alphabet, repeated as needed.
QString SyntheticPassword(std::size_t length) {
  QString text;
  for (std::size_t i = 0; i < length; ++i)
    text += QLatin1Char(kPasswordAlphabet[i % kPasswordAlphabet.size()]);
  return text;
}

TEST(ClipboardLayoutTest, BronzeAndSilverAsWritten) {
  struct Case {
    const char* what;
    std::size_t length;
    const char* text;
  };
  const Case cases[] = {
      {"Bronze ends its short last line with a line end", 16, "ABCDE FGHJK\r\nLMNPQ R\r\n"},
      {"Silver ends with the lone 61st character", 61,
       "ABCDE FGHJK\r\nLMNPQ RSTUV\r\nWXYZ2 34567\r\n89abc defgh\r\nijkmn pqrst\r\n\r\n"
       "uvwxy z!?#&\r\n$"},
      {"a single group has no line end", 5, "ABCDE"},
      {"empty", 0, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(FormatPasswordForClipboard(SyntheticPassword(c.length)), QString::fromLatin1(c.text));
  }
}

TEST(ClipboardLayoutTest, GoldIsTwentySixLinesInPagesOfFive) {
  const QString password = SyntheticPassword(260);
  QString expected;
  for (int line = 0; line < 26; ++line) {
    expected += password.mid(line * 10, 5) + " " + password.mid(line * 10 + 5, 5) + "\r\n";
    if (line % 5 == 4) expected += "\r\n";  // after lines 5, 10, 15, 20 and 25
  }
  EXPECT_EQ(FormatPasswordForClipboard(password), expected);
}

TEST(ClipboardLayoutTest, CleaningTheCopyGivesThePasswordBackForAnyLength) {
  for (std::size_t length = 0; length <= 300; ++length) {
    SCOPED_TRACE(length);
    const QString password = SyntheticPassword(length);
    const QString copy = FormatPasswordForClipboard(password);
    EXPECT_EQ(CleanPasswordText(copy), password);
    EXPECT_EQ(copy.count(u'\n'), copy.count(QStringLiteral("\r\n")));
  }
}

TEST(ClipboardLayoutTest, GroupsCountCharactersNotUtf16Units) {
  // U+1F600 takes two UTF-16 units; a split would leave half of it in each group.
  const QString text = QString::fromUtf8("abcd\U0001F600f");
  EXPECT_EQ(FormatPasswordForClipboard(text), QString::fromUtf8("abcd\U0001F600 f\r\n"));
  // An unpaired surrogate is a character of its own and is kept as it is.
  const QString lone = QStringLiteral("ABCD") + QChar(char16_t{0xD800}) + QStringLiteral("EF");
  EXPECT_EQ(FormatPasswordForClipboard(lone),
            QStringLiteral("ABCD") + QChar(char16_t{0xD800}) + QStringLiteral(" EF\r\n"));
}

TEST(ClipboardLayoutTest, QStringAndUtf8LayoutsAgreeForAnyLength) {
  // The window lays out QString, the page UTF-8: both must write the same text.
  const QStringList characters = QString::fromUtf8("A \u3000 \U0001F600 \u00E9 B").split(u' ');
  for (qsizetype length = 0; length <= 300; ++length) {
    SCOPED_TRACE(length);
    QString password;
    for (qsizetype i = 0; i < length; ++i) password += characters.at(i % characters.size());
    const std::string utf8 = password.toStdString();
    EXPECT_EQ(FormatPasswordForClipboard(password).toStdString(), FormatPasswordForClipboard(utf8));
    EXPECT_EQ(PasswordCharCount(password), static_cast<qsizetype>(PasswordCharCount(utf8)));
  }
}

TEST(CleanPasswordTextTest, RemovesOnlyBlanksTabsLineEndsAndDashes) {
  struct Case {
    const char* what;
    const char* pasted;  // UTF-8
    const char* cleaned;
  };
  const Case cases[] = {
      {"blanks and dashes", " AB-CD -EF- ", "ABCDEF"},
      {"tabs and both kinds of line end", "AB\tCD\r\nEF\nGH\rJK", "ABCDEFGHJK"},
      {"letter case kept", "abCD", "abCD"},
      {"non-breaking blank kept", "AB\u00A0CD", "AB\u00A0CD"},
      {"full-width blank kept", "AB\u3000CD", "AB\u3000CD"},
      {"full-width hyphen and en dash kept", "AB\uFF0DCD\u2013EF", "AB\uFF0DCD\u2013EF"},
      {"vertical tab, form feed and underscore kept", "A\vB\fC_D", "A\vB\fC_D"},
      {"character outside the BMP kept whole", "A \U0001F600-B", "A\U0001F600B"},
      {"only layout characters", " -\t\r\n", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(CleanPasswordText(QString::fromUtf8(c.pasted)), QString::fromUtf8(c.cleaned));
  }
}

TEST(CleanPasswordTextTest, GoldWrittenWithDashesAndEitherLineEndCleansToTheBarePassword) {
  const QString password = SyntheticPassword(260);
  struct Layout {
    const char* what;
    const char* betweenGroups;
    const char* lineEnd;
  };
  for (const Layout& layout :
       {Layout{"dashes, CR LF", "-", "\r\n"}, Layout{"dashes, LF", "-", "\n"},
        Layout{"blank dash blank, LF", " - ", "\n"}, Layout{"tabs, CR LF", "\t", "\r\n"}}) {
    SCOPED_TRACE(layout.what);
    QString pasted;
    for (int group = 0; group < 52; ++group) {
      pasted += password.mid(group * 5, 5);
      pasted += QString::fromLatin1(group % 2 == 0 ? layout.betweenGroups : layout.lineEnd);
    }
    const QString cleaned = CleanPasswordText(pasted);
    EXPECT_EQ(cleaned, password);
    EXPECT_EQ(PasswordTypeForLength(PasswordCharCount(cleaned)), ptGold);
  }
}

TEST(PasswordCharCountTest, CountsCodePoints) {
  struct Case {
    const char16_t* text;
    qsizetype count;
  };
  for (const Case& c :
       {Case{u"", 0}, Case{u"ABC", 3}, Case{u"A\U0001F600", 2}, Case{u"\u3000\u00A0", 2}}) {
    SCOPED_TRACE(QString::fromUtf16(c.text).toStdString());
    EXPECT_EQ(PasswordCharCount(QString::fromUtf16(c.text)), c.count);
  }
  // Unpaired surrogates count one each, in either order.
  const QChar loneHigh(char16_t{0xD83D}), loneLow(char16_t{0xDE00});
  EXPECT_EQ(PasswordCharCount(QString(loneHigh)), 1);
  EXPECT_EQ(PasswordCharCount(QString(loneLow) + loneHigh), 2);
  EXPECT_EQ(PasswordCharCount(QString(loneHigh) + 'A'), 2);
}

TEST(PasswordTypeForLengthTest, OnlyTheThreePasswordLengthsSelectAType) {
  struct Case {
    qsizetype length;
    std::optional<TPasswordType> type;
  };
  const Case cases[] = {
      {16, ptBronze},      {61, ptSilver},      {260, ptGold},       {0, std::nullopt},
      {15, std::nullopt},  {17, std::nullopt},  {60, std::nullopt},  {62, std::nullopt},
      {259, std::nullopt}, {261, std::nullopt}, {520, std::nullopt}, {-1, std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.length);
    EXPECT_EQ(PasswordTypeForLength(c.length), c.type);
  }
}

}  // namespace
}  // namespace velmara
