// velmara-pw: makes, checks and reads transfer passwords without the window.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace velmara {

// Exit statuses of velmara-pw.
constexpr int kExitSuccess = 0;
constexpr int kExitRejected = 1;  // input refused or a file not read or written
constexpr int kExitUsage = 2;

// Runs one command line (`args` without the program name). Results go to
// `out`, which is flushed before returning; a failed write of it is status 1
// with its reason (DescriptorOutput.h) on `err`. Messages go to `err`. When the
// input is refused nothing is written to `out` or to any output file.
int RunCli(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
           std::ostream& err);

}  // namespace velmara
