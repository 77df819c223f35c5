// Command lines velmara-pw refuses as usage errors, and its help.
#include <gtest/gtest.h>

#include "CliTestSupport.h"

namespace velmara::testing {
namespace {

TEST(CliUsage, MalformedCommandLinesExitWithStatus2AndTheUsage) {
  const std::vector<std::vector<std::string>> cases = {
      {},
      {"frobnicate"},
      {"encode", "--type", "platinum", "x.dat"},
      {"decode", "--type", "copper", "ABC"},
      {"decode", "--base", "-", "-"},
      {"decode", "ABCDE", "FGHIJ"},
      {"encode", "--no-such-option"},
      {"show"},
      {"slots"},
      {"extract", "game.sav", "-o", "out.dat"},
      {"extract", "game.sav", "--block", "3"},
      {"extract", "game.sav", "--block", "16", "-o", "out.dat"},
      {"extract", "game.sav", "--block", "three", "-o", "out.dat"},
      {"tiles"},
      {"show", "--json"},
      {"repair", "--max", "0", "ABC"},
      {"repair", "--max", "many", "ABC"},
      {"repair", "--type", "platinum", "ABC"},
      {"repair", "ABCDE", "FGHIJ"},
      {"repair", "--groups", "ABC"},
  };
  for (const auto& args : cases) {
    std::string line;
    for (const auto& arg : args) line += arg + " ";
    SCOPED_TRACE(line);
    const CliResult result = RunWith(args);
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err.rfind("velmara-pw: ", 0), 0u) << result.err;
    EXPECT_NE(result.err.find("usage: velmara-pw encode"), std::string::npos) << result.err;
  }
}

TEST(CliUsage, HelpGoesToStandardOutputWithStatus0) {
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"--help"}, {"decode", "--help"}, {"extract", "-h"}}) {
    const CliResult result = RunWith(args);
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.err, "");
    EXPECT_NE(result.out.find("velmara-pw"), std::string::npos);
  }
  EXPECT_NE(RunWith({"decode", "--help"}).out.find("--base"), std::string::npos);
}

}  // namespace
}  // namespace velmara::testing
