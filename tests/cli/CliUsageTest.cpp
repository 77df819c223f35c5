// Command lines velmara-pw refuses as usage errors, its help and its version.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "cli/CliParse.h"
#include "tests/cli/CliTestSupport.h"

namespace velmara::testing {
namespace {

TEST(CliUsage, MalformedCommandLinesExitWithStatus2AndTheUsage) {
  const struct {
    std::vector<std::string> args;
    const char* reason;  // the first line after "velmara-pw: "; nullptr: CLI11's own text
  } cases[] = {
      {{}, "a command is required"},
      {{"frobnicate"}, "unknown command 'frobnicate'"},
      {{"frobnicate", "party.dat"}, "unknown command 'frobnicate'"},
      {{"--frobnicate"}, "unknown option '--frobnicate'"},
      {{"encode", "--no-such-option"}, "unknown option '--no-such-option'"},
      {{"show", "--jsn"}, "unknown option '--jsn'"},  // named before the missing FILE
      {{"tiles", "-x", "party.dat"}, "unknown option '-x'"},
      {{"decode", "ABCDE", "FGHIJ"}, "unexpected argument 'FGHIJ'"},
      {{"decode", "--", "-ABCD", "-FGHI"}, "unexpected argument '-FGHI'"},
      {{"decode", "--base", "-", "-"},
       "the password text and --base cannot both come from standard input"},
      {{"encode", "--type", "platinum", "x.dat"}, nullptr},
      {{"decode", "--type", "copper", "ABC"}, nullptr},
      {{"show"}, nullptr},
      {{"slots"}, nullptr},
      {{"extract", "game.sav", "-o", "out.dat"}, nullptr},
      {{"extract", "game.sav", "--block", "3"}, nullptr},
      {{"extract", "game.sav", "--block", "16", "-o", "out.dat"}, nullptr},
      {{"extract", "game.sav", "--block", "three", "-o", "out.dat"}, nullptr},
      {{"tiles"}, nullptr},
      {{"show", "--json"}, nullptr},
      {{"repair", "--max", "0", "ABC"}, nullptr},
      {{"repair", "--max", "many", "ABC"}, nullptr},
      {{"repair", "--type", "platinum", "ABC"}, nullptr},
      {{"repair", "ABCDE", "FGHIJ"}, "unexpected argument 'FGHIJ'"},
      {{"repair", "--groups", "ABC"}, "unknown option '--groups'"},
  };
  for (const auto& c : cases) {
    std::string line;
    for (const auto& arg : c.args) line += arg + " ";
    SCOPED_TRACE(line);
    const CliResult result = RunWith(c.args);
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err.rfind("velmara-pw: ", 0), 0u) << result.err;
    if (c.reason) {
      EXPECT_EQ(result.err.substr(0, result.err.find('\n')),
                "velmara-pw: " + std::string(c.reason));
    }
    EXPECT_NE(result.err.find("usage: velmara-pw encode"), std::string::npos) << result.err;
  }
}

TEST(CliUsage, HelpAndVersionGoToStandardOutputWithStatus0) {
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"--help"}, {"decode", "--help"}, {"extract", "-h"}}) {
    const CliResult result = RunWith(args);
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.err, "");
    EXPECT_NE(result.out.find("velmara-pw"), std::string::npos);
  }
  EXPECT_NE(RunWith({"decode", "--help"}).out.find("--base"), std::string::npos);
  EXPECT_EQ(RunWith({"--version"}).out, "velmara-pw " VELMARA_VERSION "\n");
  EXPECT_EQ(RunWith({"--version"}).status, 0);
}

// The example lines of a help text: those indented under "Examples:".
std::vector<std::string> ExampleLines(const std::string& help) {
  std::vector<std::string> lines;
  std::istringstream text(help.substr(help.find("Examples:\n")));
  std::string line;
  std::getline(text, line);
  while (std::getline(text, line) && line.rfind("  velmara-pw ", 0) == 0)
    lines.push_back(line.substr(2));
  return lines;
}

// Splits an example as the shell would: single quotes group, a redirection
// ends the arguments.
std::vector<std::string> ShellWords(const std::string& line) {
  std::vector<std::string> words;
  std::string word;
  bool quoted = false, any = false;
  for (const char c : line) {
    if (c == '\'') {
      quoted = !quoted;
      any = true;
    } else if (c == ' ' && !quoted) {
      if (any) words.push_back(word);
      word.clear();
      any = false;
    } else if ((c == '<' || c == '>') && !quoted) {
      break;
    } else {
      word += c;
      any = true;
    }
  }
  if (any) words.push_back(word);
  return words;
}

// Every example is a valid command line, every command shows its own, and a
// password given in an example decodes.
TEST(CliUsage, HelpExamplesAreValidCommandLines) {
  const std::vector<std::string> examples = ExampleLines(RunWith({"--help"}).out);
  ASSERT_FALSE(examples.empty());
  bool decoded_a_password = false;
  for (const std::string& example : examples) {
    SCOPED_TRACE(example);
    std::vector<std::string> args = ShellWords(example);
    args.erase(args.begin());  // the program name
    EXPECT_EQ(ParseCommandLine(args).outcome, ParsedCommandLine::Outcome::Run);
    const std::vector<std::string> own = ExampleLines(RunWith({args[0], "--help"}).out);
    EXPECT_NE(std::find(own.begin(), own.end(), example), own.end());
    if (args[0] == "decode" && example.find('\'') != std::string::npos) {
      EXPECT_EQ(RunWith(args).status, 0);
      decoded_a_password = true;
    }
  }
  EXPECT_TRUE(decoded_a_password);
}

}  // namespace
}  // namespace velmara::testing
