// encode, decode and show through RunCli.
#include <gtest/gtest.h>

#include <cstring>
#include <nlohmann/json.hpp>

#include "codec/Password.h"
#include "codec/VelmaraData.h"
#include "tests/cli/CliTestSupport.h"
#include "tests/common/PasswordSupport.h"

namespace velmara::testing {
namespace {

constexpr const char* kWrongLength =
    "Cannot import password:  Password has the wrong number of characters.\n";

class CliRoundTrip : public CliTest, public ::testing::WithParamInterface<TypeCase> {};

// The middle party lies inside every bound, so each field a type carries comes
// back as it was and the decoded record makes the same password again.
TEST_P(CliRoundTrip, EncodeThenDecodeGivesBackTheCarriedFields) {
  const TypeCase& c = GetParam();
  const TPasswordData party = MakeDefaultParty(kDefaultMiddle);
  const std::string file = WriteRecord("party.dat", party);

  const CliResult encoded = RunWith({"encode", "--type", c.name, file});
  ASSERT_EQ(encoded.status, 0) << encoded.err;
  EXPECT_EQ(encoded.err, "");
  EXPECT_EQ(encoded.out, PasswordOf(c.type, party) + "\n");
  const std::string password = encoded.out.substr(0, encoded.out.size() - 1);
  ASSERT_EQ(password.size(), c.length);

  // The type follows from the length; the trailing newline is cleaned away.
  const CliResult decoded = RunWith({"decode", "-o", Path("out.dat"), "-"}, encoded.out);
  ASSERT_EQ(decoded.status, 0) << decoded.err;
  EXPECT_EQ(decoded.out, "");
  const TPasswordData back = RecordFromBytes(ReadFile(Path("out.dat")));

  for (int i = 0; i < kCharacterCount; ++i) {
    const TCharacterRecord &want = party.Characters[i], &got = back.Characters[i];
    EXPECT_EQ(got.Level, want.Level);
    EXPECT_EQ(got.Djinn[i], want.Djinn[i]);
    const bool stats = c.type != ptBronze;
    EXPECT_EQ(got.HP, stats ? want.HP : 0);
    EXPECT_EQ(got.Luck, stats ? want.Luck : 0);
  }
  for (auto flag : kSideQuestFlags) EXPECT_EQ(GetEventFlag(back, flag), GetEventFlag(party, flag));
  if (c.type == ptGold) {
    EXPECT_EQ(RecordBytes(back), RecordBytes(party)) << "Gold carries the whole of this party";
  } else {
    EXPECT_EQ(back.Coins, 0u);
    // The special items the party holds land in Isaac's first slots, in identifier order.
    EXPECT_EQ(ItemId(back.Characters[0].Items[0]), 200);
  }
  EXPECT_EQ(RunWith({"encode", "--type", c.name, Path("out.dat")}).out, encoded.out);
}

// The clipboard layout, and the same with dashes and Unix line ends, decode
// like the bare password.
TEST_P(CliRoundTrip, GroupedTextDecodesLikeTheBarePassword) {
  const TypeCase& c = GetParam();
  const std::string file = WriteRecord("party.dat", MakeDefaultParty(kDefaultHigh));
  const CliResult grouped = RunWith({"encode", "--groups", "--type", c.name, file});
  ASSERT_EQ(grouped.status, 0);
  EXPECT_NE(grouped.out.find("\r\n"), std::string::npos);
  std::string dashed;
  for (char ch : grouped.out)
    if (ch != '\r') dashed += ch == ' ' ? '-' : ch;

  const std::string bare =
      RunWith({"decode", "-o", "-", RunWith({"encode", "--type", c.name, file}).out}).out;
  ASSERT_EQ(bare.size(), kPasswordDataSize);
  EXPECT_EQ(RunWith({"decode", "-o", "-"}, grouped.out).out, bare);
  EXPECT_EQ(RunWith({"decode", "-o", "-", dashed}).out, bare);
}

INSTANTIATE_TEST_SUITE_P(Types, CliRoundTrip, ::testing::ValuesIn(kTypes),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(CliTest, EncodeDefaultsToGoldAndReadsStandardInput) {
  const TPasswordData party = MakeDefaultParty(kDefaultLow);
  const CliResult result = RunWith({"encode"}, RecordBytes(party));
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(result.out, std::string(kDefaultPasswords[kDefaultLow]) + "\n");
}

TEST_F(CliTest, DecodeWithBaseKeepsWhatThePasswordDoesNotCarry) {
  TPasswordData base = MakeDefaultParty(kDefaultHigh);
  base.Reserved596[0] = 0x5A;  // a byte no password touches
  const std::string base_file = WriteRecord("base.dat", base);
  const TPasswordData low = MakeDefaultParty(kDefaultLow);
  const std::string bronze = PasswordOf(ptBronze, low);

  const CliResult result = RunWith({"decode", "--base", base_file, "-o", "-", bronze});
  ASSERT_EQ(result.status, 0) << result.err;
  const TPasswordData got = RecordFromBytes(result.out);
  EXPECT_EQ(got.Characters[1].Level, low.Characters[1].Level);  // carried
  EXPECT_EQ(got.Characters[1].HP, base.Characters[1].HP);       // not carried by Bronze
  EXPECT_EQ(got.Coins, base.Coins);
  EXPECT_EQ(got.Reserved596[0], 0x5A);
  EXPECT_EQ(got.Characters[3].Items[4], base.Characters[3].Items[4]);
}

std::string WithCharacter(std::string text, std::size_t at, char c) {
  text[at] = c;
  return text;
}
std::string Swapped(std::string text, std::size_t a, std::size_t b) {
  std::swap(text[a], text[b]);
  return text;
}

TEST_F(CliTest, RejectedTextGivesTheDecoderMessageAndWritesNothing) {
  const std::string gold(kDefaultPasswords[kDefaultMiddle]);
  const std::string silver = PasswordOf(ptSilver, MakeDefaultParty(kDefaultMiddle));
  // Two different characters in one row: the row check still holds.
  std::size_t b = 1;
  while (gold[b] == gold[0]) ++b;
  const struct {
    const char* what;
    std::vector<std::string> args;
    std::string err;
  } cases[] = {
      {"length matching no type", {"ABCDEFGHJK"}, kWrongLength},
      {"empty text", {""}, kWrongLength},
      {"Silver text read as Gold", {"--type", "gold", silver}, kWrongLength},
      {"character outside the alphabet",
       {WithCharacter(gold, 7, 'O')},
       "Cannot import password:  Invalid password character \"O\" found.\n"},
      {"a non-ASCII character is named whole",
       {gold.substr(0, 100) + "\xC3\xA9" + gold.substr(101)},
       "Cannot import password:  Invalid password character \"\xC3\xA9\" found.\n"},
      {"row check tile",
       {WithCharacter(gold, 12, gold[12] == 'A' ? 'B' : 'A')},
       "Cannot import password -- There is at least one mistake in each of the following:"
       "\r\n\r\nrow 2 on page 1\n"},
      {"check value", {Swapped(gold, 0, b)}, "Cannot import password:  Password is invalid.\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    std::vector<std::string> args = {"decode", "-o", Path("out.dat")};
    args.insert(args.end(), c.args.begin(), c.args.end());
    const CliResult result = RunWith(args);
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, c.err);
    EXPECT_EQ(result.out, "");
    EXPECT_FALSE(std::filesystem::exists(Path("out.dat")));
  }
}

// Text may come from a file an editor wrote: a byte-order mark that opens it
// is dropped, one anywhere else is a character. Whatever the text holds, the
// decoder's message is shown whole.
TEST_F(CliTest, ByteOrderMarksAndNulCharactersInPasswordText) {
  const std::string gold(kDefaultPasswords[kDefaultMiddle]);
  const std::string mark = "\xEF\xBB\xBF";
  const std::string record = RecordBytes(MakeDefaultParty(kDefaultMiddle));
  const std::string grouped =
      RunWith({"encode", "--groups", WriteRecord("party.dat", MakeDefaultParty(kDefaultMiddle))})
          .out;
  const std::string bad_mark =
      "Cannot import password:  Invalid password character \"" + mark + "\" found.\n";
  const struct {
    const char* what;
    std::string input;
    std::string err;  // empty: accepted, and the record is the middle party's
  } cases[] = {
      {"mark before a bare password", mark + gold, ""},
      {"mark before the clipboard layout", mark + grouped, ""},
      {"mark in place of a character", gold.substr(0, 100) + mark + gold.substr(101), bad_mark},
      {"second mark at the start", mark + mark + gold.substr(1), bad_mark},
      {"NUL in place of a character", gold.substr(0, 7) + '\0' + gold.substr(8),
       "Cannot import password:  Invalid password character \"" + std::string(1, '\0') +
           "\" found.\n"},
  };
  for (const auto& c : cases) {
    for (const bool from_stdin : {true, false}) {
      SCOPED_TRACE(std::string(c.what) + (from_stdin ? ", standard input" : ", argument"));
      const CliResult result = from_stdin ? RunWith({"decode", "-o", "-"}, c.input)
                                          : RunWith({"decode", "-o", "-", c.input});
      EXPECT_EQ(result.err, c.err);
      EXPECT_EQ(result.status, c.err.empty() ? 0 : 1);
      EXPECT_EQ(result.out, c.err.empty() ? record : "");
    }
  }
  // repair reads text the same way: an opening mark is no mistake to repair.
  const CliResult repaired = RunWith({"repair", "-"}, mark + gold);
  EXPECT_EQ(repaired.status, 0) << repaired.err;
  EXPECT_EQ(repaired.out, gold + "\n");
}

TEST_F(CliTest, OverlongStandardInputIsRefused) {
  const CliResult result = RunWith({"decode"}, std::string(64 * 1024 + 1, 'A'));
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.out, "");
  EXPECT_NE(result.err.find("longer than 65536 bytes"), std::string::npos) << result.err;
}

// A small party that shows every part of the summary.
TPasswordData SummaryParty() {
  TPasswordData data{};
  TCharacterRecord& isaac = data.Characters[0];
  isaac.Level = 12;
  isaac.HP = 150, isaac.PP = 40, isaac.Attack = 61, isaac.Defense = 35, isaac.Agility = 47;
  isaac.Luck = 4;
  isaac.Items[0] = MakeItemWord(180, 3);  // Herb x3
  isaac.Items[1] = MakeItemWord(1);       // Long Sword
  isaac.Items[14] = MakeItemWord(190);    // a gap in the item table
  isaac.Djinn[0] = 0b11;                  // Flint, Granite
  data.Characters[1].Djinn[3] = 1u << 6;  // Luff, held by Garet
  data.Coins = 4321;
  SetEventFlag(data, kSideQuestFlags[0], true);
  SetEventFlag(data, kSideQuestFlags[4], true);
  return data;
}

TEST_F(CliTest, ShowSummarisesTheParty) {
  const CliResult result = RunWith({"show", WriteRecord("party.dat", SummaryParty())});
  ASSERT_EQ(result.status, 0) << result.err;
  for (const char* line :
       {"Isaac  level 12\n", "  HP 150 PP 40 Attack 61 Defense 35 Agility 47 Luck 4\n",
        "  slot  1: Herb x3\n", "  slot  2: Long Sword\n", "  slot  3: -\n", "  slot 15: ?\n",
        "  Djinn: Flint, Granite\n", "Garet  level 0\n", "  Djinn: Luff\n", "Coins: 4321\n",
        "Side quests: 1 done, 2 open, 3 open, 4 open, 5 done, 6 open\n"})
    EXPECT_NE(result.out.find(line), std::string::npos) << line;
}

TEST_F(CliTest, ShowJsonCarriesTheSameContent) {
  const CliResult result = RunWith({"show", "--json", "-"}, RecordBytes(SummaryParty()));
  ASSERT_EQ(result.status, 0) << result.err;
  const auto json = nlohmann::json::parse(result.out);
  ASSERT_EQ(json["characters"].size(), 4u);
  const auto& isaac = json["characters"][0];
  EXPECT_EQ(isaac["name"], "Isaac");
  EXPECT_EQ(isaac["level"], 12);
  EXPECT_EQ(isaac["agility"], 47);
  ASSERT_EQ(isaac["items"].size(), 15u);
  EXPECT_EQ(isaac["items"][0],
            nlohmann::json({{"slot", 1}, {"id", 180}, {"name", "Herb"}, {"quantity", 3}}));
  EXPECT_EQ(isaac["items"][1]["name"], "Long Sword");
  EXPECT_EQ(isaac["items"][2], nullptr) << "an empty slot";
  EXPECT_EQ(isaac["items"][14]["slot"], 15);
  EXPECT_EQ(isaac["djinn"], nlohmann::json({"Flint", "Granite"}));
  EXPECT_EQ(json["characters"][1]["djinn"], nlohmann::json({"Luff"}));
  EXPECT_EQ(json["coins"], 4321);
  ASSERT_EQ(json["sideQuests"].size(), 6u);
  EXPECT_EQ(json["sideQuests"][4], nlohmann::json({{"number", 5}, {"flag", 2078}, {"done", true}}));
  EXPECT_EQ(json["sideQuests"][1]["done"], false);
}

// Names as the window's captions show them: up to the first zero byte, one
// byte a character; an empty name gives the default one.
TEST_F(CliTest, ShowJsonNamesCharactersByTheirRecord) {
  TPasswordData party = SummaryParty();
  const auto set_name = [&](int c, const char(&name)[6]) {
    std::memcpy(party.Characters[c].Name, name, sizeof party.Characters[c].Name);
  };
  set_name(0, "Kai\0x");  // ended by a zero byte
  set_name(2,
           "Ren\xE9"
           "e");          // all five bytes, one beyond ASCII
  set_name(3, "\0Mira");  // empty
  const CliResult result = RunWith({"show", "--json", "-"}, RecordBytes(party));
  ASSERT_EQ(result.status, 0) << result.err;
  const auto json = nlohmann::json::parse(result.out);
  std::vector<std::string> names;
  for (const auto& character : json["characters"]) names.push_back(character["name"]);
  EXPECT_EQ(names, (std::vector<std::string>{"Kai", "Garet",
                                             "Ren\xC3\xA9"
                                             "e",
                                             "Mia"}));
  EXPECT_NE(RunWith({"show", "-"}, RecordBytes(party)).out.find("Isaac  level 12\n"),
            std::string::npos)
      << "the text summary keeps the default names";
}

TEST_F(CliTest, DecodeWithoutOutputPrintsTheSummary) {
  const std::string gold(kDefaultPasswords[kDefaultHigh]);
  const CliResult result = RunWith({"decode", gold});
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(result.out, RunWith({"show", "-"}, RecordBytes(MakeDefaultParty(kDefaultHigh))).out);
}

}  // namespace
}  // namespace velmara::testing
