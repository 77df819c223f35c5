// The check of text while it is typed: rows complete or not, matching or
// not, and where the characters outside the alphabet are.
#include <gtest/gtest.h>

#include "codec/LiveCheck.h"
#include "codec/Password.h"
#include "tests/codec/PasswordTestSupport.h"

namespace velmara {
namespace {

// "c" complete and matching, "x" complete and failing, "-" begun.
std::string RowStates(const TypedPasswordCheck& check) {
  std::string states;
  for (const TypedRowCheck& row : check.rows)
    states += !row.complete ? '-' : row.matches ? 'c' : 'x';
  return states;
}

TEST(LiveCheck, MarksRowsAndInvalidCharacters) {
  TPasswordData party = testing::PlausibleRecord(2);
  TVelmaraPasswordEncoder encoder;
  const std::string gold = encoder.MakePassword(ptGold, &party);
  const std::string silver = encoder.MakePassword(ptSilver, &party);
  std::string wrong = gold.substr(0, 30);
  wrong[14] = wrong[14] == 'A' ? 'B' : 'A';

  const struct {
    const char* name;
    std::string text;
    std::size_t characters;
    std::string rows;
    std::vector<std::size_t> invalid;
  } cases[] = {
      {"nothing yet", "", 0, "", {}},
      {"a row begun", gold.substr(0, 7), 7, "-", {}},
      {"two rows and a bit", gold.substr(0, 23), 23, "cc-", {}},
      {"a wrong second row", wrong, 30, "cxc", {}},
      {"a whole Gold password", gold, 260, std::string(26, 'c'), {}},
      {"Silver's last character belongs to no row", silver, 61, "cccccc-", {}},
      // A row with a character outside the alphabet cannot match; a
      // full-width letter and é count as one character each.
      {"characters outside the alphabet",
       "O" + gold.substr(1, 11) + "\xEF\xBC\xB1\xC3\xA9",
       14,
       "x-",
       {1, 13, 14}},
      {"one password too many characters", gold + "A", 261, std::string(26, 'c') + "-", {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const TypedPasswordCheck check = CheckTypedPassword(c.text);
    EXPECT_EQ(check.characters, c.characters);
    EXPECT_EQ(RowStates(check), c.rows);
    EXPECT_EQ(check.invalidPositions, c.invalid);
  }
}

}  // namespace
}  // namespace velmara
