// The command line of velmara-pw as plain data, filled by ParseCommandLine and
// read by the commands.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "codec/PasswordFormat.h"
#include "codec/PasswordRepair.h"

namespace velmara {

enum class CliCommand { Encode, Decode, Repair, Show, Slots, Extract, Tiles };

// The name that stands for standard input or standard output.
inline constexpr const char* kStdStream = "-";

struct CliOptions {
  CliCommand command = CliCommand::Show;
  // Password type; nullopt for "auto" (decode and repair: the type follows the length).
  std::optional<TPasswordType> type = ptGold;
  // FILE, SAVE or TEXT; "-" reads standard input.
  std::string input = kStdStream;
  std::optional<std::string> base;             // decode --base FILE
  std::optional<std::string> output;           // -o OUT; "-" writes standard output
  bool json = false;                           // show --json, repair --json
  std::size_t max = kDefaultRepairCandidates;  // repair --max N
  bool groups = false;                         // encode --groups
  int block = 0;                               // extract --block N
};

}  // namespace velmara
