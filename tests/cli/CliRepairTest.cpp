// velmara-pw repair through RunCli: what it prints, its exit statuses, and
// how it reads its text.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <tuple>

#include "codec/Alphabet.h"
#include "codec/Password.h"
#include "codec/PasswordRepair.h"
#include "codec/VelmaraData.h"
#include "tests/cli/CliTestSupport.h"
#include "tests/common/PasswordSupport.h"

namespace velmara::testing {
namespace {

std::string Encoded(TPasswordType type, DefaultParty which = kDefaultMiddle) {
  return PasswordOf(type, MakeDefaultParty(which));
}

std::string Changed(std::string text, std::size_t at, int delta = 5) {
  return ShiftedCharacter(std::move(text), at, delta);
}

std::vector<std::string> Lines(const std::string& out) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = out.find('\n', start)) != std::string::npos; start = end + 1)
    lines.push_back(out.substr(start, end - start));
  EXPECT_EQ(start, out.size()) << "output ends without a line end";
  return lines;
}

class CliRepair : public CliTest, public ::testing::WithParamInterface<TypeCase> {};

// With "auto" a length one off a type's counts as that type; an explicit
// type takes the same texts.
TEST_P(CliRepair, PrintsTheOriginalFirstForEachKindOfMistake) {
  const std::string password = Encoded(GetParam().type);
  std::string missing = password, extra = password, swapped = password;
  missing.erase(4, 1);
  extra.insert(extra.begin() + 9, 'x');
  std::swap(swapped[1], swapped[2]);
  ASSERT_NE(swapped, password);
  const struct {
    const char* name;
    std::string text;
  } cases[] = {
      {"wrong character", Changed(password, 12)},
      {"character outside the alphabet", std::string(password).replace(3, 1, "0")},
      {"swap", swapped},
      {"character missing", missing},
      {"character too many", extra},
  };
  for (const auto& c : cases) {
    for (const char* type : {"auto", GetParam().name}) {
      SCOPED_TRACE(std::string(c.name) + ", --type " + type);
      const CliResult result = RunWith({"repair", "--type", type, c.text});
      ASSERT_EQ(result.status, 0) << result.err;
      EXPECT_EQ(result.err, "");
      const auto lines = Lines(result.out);
      ASSERT_FALSE(lines.empty());
      EXPECT_EQ(lines[0], password);
      EXPECT_LE(lines.size(), kDefaultRepairCandidates);
    }
  }
}

TEST_P(CliRepair, ATextThatDecodesIsItsOnlyCandidate) {
  const std::string password = Encoded(GetParam().type);
  const CliResult result = RunWith({"repair", password});
  EXPECT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(result.out, password + "\n");
}

INSTANTIATE_TEST_SUITE_P(Types, CliRepair, ::testing::ValuesIn(kTypes),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(CliTest, RepairWithoutACandidateExitsWith1AndOneLine) {
  const std::string gold = Encoded(ptGold);
  const struct {
    const char* name;
    std::vector<std::string> args;
    const char* reason;
  } cases[] = {
      {"four wrong rows",
       {"repair", Changed(Changed(Changed(Changed(gold, 3), 25), 140), 255)},
       "velmara-pw: no Gold password lies within the mistakes repair undoes"},
      {"a length no type is near",
       {"repair", gold.substr(0, 100)},
       "velmara-pw: 100 characters is no password length"},
      {"two characters short of Gold",
       {"repair", "--type", "gold", gold.substr(0, 258)},
       "velmara-pw: 258 characters cannot be a Gold password"},
      {"a Gold text read as Silver",
       {"repair", "--type", "silver", gold},
       "velmara-pw: 260 characters cannot be a Silver password"},
      {"the text after -- is text, not an option",
       {"repair", "--", "--max"},
       "velmara-pw: 3 characters is no password length"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const CliResult result = RunWith(c.args);
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err.rfind(c.reason, 0), 0u) << result.err;
    EXPECT_EQ(result.err.find('\n'), result.err.size() - 1) << "one line";
  }
}

// --max cuts the list the search ranks; a Bronze password has few enough
// checks that some single wrong characters have several candidates.
TEST_F(CliTest, RepairMaxCutsTheRankedList) {
  const std::string bronze = Encoded(ptBronze, kDefaultLow);
  std::string text;
  RepairResult many;
  for (std::size_t at = 0; at < bronze.size() && many.found < 3; ++at)
    for (int delta = 1; delta < 64 && many.found < 3; ++delta) {
      text = Changed(bronze, at, delta);
      many = RepairPassword(ptBronze, text, 1000);
    }
  ASSERT_GE(many.found, 3u) << "no Bronze text with three candidates";

  const auto two = Lines(RunWith({"repair", "--max", "2", text}).out);
  ASSERT_EQ(two.size(), 2u);
  EXPECT_EQ(two[0], many.candidates[0].password);
  EXPECT_EQ(two[1], many.candidates[1].password);
  EXPECT_EQ(Lines(RunWith({"repair", text}).out).size(),
            std::min(many.found, kDefaultRepairCandidates));
}

TEST_F(CliTest, RepairJsonDescribesEachChange) {
  const std::string gold = Encoded(ptGold);
  std::string swapped = gold;
  std::swap(swapped[200], swapped[201]);
  // Position 57 is row 1 on page 2; the swap is of characters 201 and 202.
  const std::string typed = std::string(swapped).replace(56, 1, "O");
  const CliResult result = RunWith({"repair", "--json", typed});
  ASSERT_EQ(result.status, 0) << result.err;
  const auto json = nlohmann::ordered_json::parse(result.out);
  ASSERT_TRUE(json.is_array());
  ASSERT_FALSE(json.empty());
  const auto& best = json[0];
  std::vector<std::string> keys;
  for (const auto& [key, value] : best.items()) keys.push_back(key);
  EXPECT_EQ(keys, (std::vector<std::string>{"password", "plausible", "changes"}));
  EXPECT_EQ(best["password"], gold);
  EXPECT_EQ(best["plausible"], true);

  using Json = nlohmann::ordered_json;
  Json changes = Json::array();
  changes.push_back(Json{{"position", 57},
                         {"page", 2},
                         {"row", 1},
                         {"from", "O"},
                         {"to", gold.substr(56, 1)},
                         {"kind", "substitution"}});
  changes.push_back(Json{{"position", 201},
                         {"page", 5},
                         {"row", 1},
                         {"from", swapped.substr(200, 2)},
                         {"to", gold.substr(200, 2)},
                         {"kind", "swap"}});
  EXPECT_EQ(best["changes"], changes);
}

// Standard input, with or without "-", in the clipboard layout or after "--".
TEST_F(CliTest, RepairReadsTextLikeDecode) {
  const std::string silver = Encoded(ptSilver);
  const std::string file = WriteRecord("party.dat", MakeDefaultParty(kDefaultMiddle));
  const std::string grouped = RunWith({"encode", "--groups", "--type", "silver", file}).out;
  std::string mistyped = grouped;
  mistyped[0] = grouped[0] == 'A' ? 'B' : 'A';

  for (const auto& [name, args, input] :
       std::vector<std::tuple<const char*, std::vector<std::string>, std::string>>{
           {"no TEXT", {"repair"}, mistyped},
           {"'-'", {"repair", "-"}, mistyped},
           {"after --", {"repair", "--", grouped}, ""},
       }) {
    SCOPED_TRACE(name);
    const CliResult result = RunWith(args, input);
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(Lines(result.out).at(0), silver);
  }
}

}  // namespace
}  // namespace velmara::testing
