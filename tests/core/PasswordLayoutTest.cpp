// The clipboard and page layouts of UTF-8 password text, and the cleaning
// and counting of pasted text, as the browser page receives it.
#include "core/PasswordLayout.h"

#include <gtest/gtest.h>

#include "codec/Alphabet.h"

namespace velmara {
namespace {

std::string SyntheticPassword(std::size_t length) {
  std::string text;
  for (std::size_t i = 0; i < length; ++i) text += kPasswordAlphabet[i % kPasswordAlphabet.size()];
  return text;
}

TEST(Utf8ClipboardLayoutTest, EachTypeAsWritten) {
  struct Case {
    const char* what;
    std::size_t length;
    std::string text;
  };
  std::string gold;
  const std::string goldPassword = SyntheticPassword(260);
  for (int line = 0; line < 26; ++line) {
    gold +=
        goldPassword.substr(line * 10, 5) + " " + goldPassword.substr(line * 10 + 5, 5) + "\r\n";
    if (line % 5 == 4) gold += "\r\n";
  }
  const Case cases[] = {
      {"Bronze", 16, "ABCDE FGHJK\r\nLMNPQ R\r\n"},
      {"Silver ends with the lone 61st character", 61,
       "ABCDE FGHJK\r\nLMNPQ RSTUV\r\nWXYZ2 34567\r\n89abc defgh\r\nijkmn pqrst\r\n\r\n"
       "uvwxy z!?#&\r\n$"},
      {"Gold", 260, gold},
      {"empty", 0, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(FormatPasswordForClipboard(SyntheticPassword(c.length)), c.text);
  }
}

TEST(Utf8ClipboardLayoutTest, GroupsCountCharactersNotBytes) {
  // A three-byte character and a four-byte one count one each; a byte that
  // starts no sequence is a character of its own.
  EXPECT_EQ(FormatPasswordForClipboard("ab\u3000d\U0001F600fg"), "ab\u3000d\U0001F600 fg\r\n");
  EXPECT_EQ(FormatPasswordForClipboard("\xFF\xFE"
                                       "abcd"),
            "\xFF\xFE"
            "abc d\r\n");
}

TEST(Utf8ClipboardLayoutTest, CleaningTheCopyGivesThePasswordBackForAnyLength) {
  for (std::size_t length = 0; length <= 300; ++length) {
    SCOPED_TRACE(length);
    const std::string password = SyntheticPassword(length);
    EXPECT_EQ(CleanPasswordText(FormatPasswordForClipboard(password)), password);
  }
}

TEST(Utf8CleanPasswordTextTest, RemovesOnlyBlanksTabsLineEndsAndDashes) {
  struct Case {
    const char* what;
    const char* pasted;
    const char* cleaned;
  };
  const Case cases[] = {
      {"layout characters anywhere", " AB-CD\t\r\nEF\rG- ", "ABCDEFG"},
      {"non-breaking and full-width blanks kept", "A\u00A0B\u3000C", "A\u00A0B\u3000C"},
      {"en dash and full-width hyphen kept", "A\u2013B\uFF0DC", "A\u2013B\uFF0DC"},
      {"malformed bytes kept", "A\xC3 B\x80",
       "A\xC3"
       "B\x80"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(CleanPasswordText(c.pasted), c.cleaned);
  }
}

TEST(Utf8PasswordCharCountTest, CountsCodePointsAndStrayBytes) {
  struct Case {
    const char* text;
    std::size_t count;
  };
  for (const Case& c : {Case{"", 0}, Case{"ABC", 3}, Case{"A\U0001F600", 2},
                        Case{"\u3000\u00A0", 2}, Case{"\xE3\x80", 2}}) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(PasswordCharCount(c.text), c.count);
  }
}

TEST(PageLayoutTest, RowsOfEachTypesPages) {
  struct Case {
    const char* what;
    std::size_t length;
    int page;
    std::vector<std::string> rows;
  };
  const Case cases[] = {
      {"Gold page 1",
       260,
       0,
       {"ABCDE  FGHJK", "LMNPQ  RSTUV", "WXYZ2  34567", "89abc  defgh", "ijkmn  pqrst"}},
      {"Gold page 6 is one row", 260, 5, {"#&$%+  =ABCD"}},
      {"Silver page 2 ends in a lone character", 61, 1, {"uvwxy  z!?#&", "$  "}},
      {"Bronze", 16, 0, {"ABCDE  FGHJK", "LMNPQ  R"}},
      {"no page past the list", 260, 6, {}},
      {"no negative page", 16, -1, {}},
      {"a whole number of pages leaves the last entry empty", 50, 1, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(PageRowTexts(SyntheticPassword(c.length), c.page), c.rows);
  }
}

TEST(PageLayoutTest, RowsCutAtCharactersNotBytes) {
  EXPECT_EQ(PageRowTexts("\u3000bcdefghijk\U0001F600", 0),
            (std::vector<std::string>{"\u3000bcde  fghij", "k\U0001F600  "}));
}

TEST(PageLayoutTest, PageCountIsLengthDivFiftyPlusOne) {
  for (const auto& [length, pages] :
       {std::pair<std::size_t, std::size_t>{0, 1}, {16, 1}, {49, 1}, {50, 2}, {61, 2}, {260, 6}}) {
    SCOPED_TRACE(length);
    EXPECT_EQ(PageCount(length), pages);
  }
}

}  // namespace
}  // namespace velmara
