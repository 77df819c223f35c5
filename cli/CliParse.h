// Turns velmara-pw's arguments into CliOptions.
#pragma once

#include <string>
#include <vector>

#include "cli/CliOptions.h"

namespace velmara {

struct ParsedCommandLine {
  enum class Outcome { Run, Help, UsageError };
  Outcome outcome = Outcome::Run;
  CliOptions options;  // meaningful for Run
  std::string text;    // the help text for Help, the reason for UsageError
};

// `args` excludes the program name.
ParsedCommandLine ParseCommandLine(const std::vector<std::string>& args);

// The short usage text printed after a usage error.
extern const char* const kUsage;

// What --version prints: "velmara-pw " and the version, one line.
extern const char* const kVersionText;

}  // namespace velmara
