// Runs velmara-pw's RunCli with string streams and keeps its files in a fresh
// temporary folder per test.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "cli/Cli.h"
#include "codec/PasswordData.h"
#include "tests/common/PasswordSupport.h"

namespace velmara::testing {

struct CliResult {
  int status;
  std::string out;
  std::string err;
};

// Runs with standard output going to `out`; CliResult::out stays empty.
inline CliResult RunWithOutput(const std::vector<std::string>& args, std::ostream& out,
                               const std::string& input = {}) {
  std::istringstream in(input);
  std::ostringstream err;
  const int status = RunCli(args, in, out, err);
  return {status, {}, err.str()};
}

inline CliResult RunWith(const std::vector<std::string>& args, const std::string& input = {}) {
  std::ostringstream out;
  CliResult result = RunWithOutput(args, out, input);
  result.out = out.str();
  return result;
}

inline TPasswordData RecordFromBytes(const std::string& bytes) {
  TPasswordData data{};
  EXPECT_EQ(bytes.size(), sizeof data);
  if (bytes.size() == sizeof data) std::memcpy(&data, bytes.data(), sizeof data);
  return data;
}

class CliTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string(info->test_suite_name()) + "-" + info->name();
    for (char& c : name)
      if (c == '/') c = '_';
    dir_ = std::filesystem::temp_directory_path() / ("velmara-cli-" + name);
    std::filesystem::remove_all(dir_);
    std::filesystem::create_directories(dir_);
  }
  void TearDown() override {
    std::filesystem::permissions(dir_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add);
    std::filesystem::remove_all(dir_);
  }

  std::string Path(const std::string& name) const { return (dir_ / name).string(); }

  std::string WriteFile(const std::string& name, const std::string& bytes) const {
    std::ofstream(Path(name), std::ios::binary) << bytes;
    return Path(name);
  }
  std::string WriteRecord(const std::string& name, const TPasswordData& data) const {
    return WriteFile(name, RecordBytes(data));
  }
  std::string ReadFile(const std::string& path) const {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), {}};
  }

  std::filesystem::path dir_;
};

// The three types by velmara-pw's names for them, with their lengths, for
// tests that run once per type.
struct TypeCase {
  const char* name;
  TPasswordType type;
  std::size_t length;
};
inline void PrintTo(const TypeCase& c, std::ostream* os) {
  *os << c.name;
}
inline const TypeCase kTypes[] = {
    {"gold", ptGold, 260}, {"silver", ptSilver, 61}, {"bronze", ptBronze, 16}};

}  // namespace velmara::testing
