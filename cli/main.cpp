// velmara-pw's entry point; everything else is in RunCli.
#include <unistd.h>

#include <iostream>
#include <istream>
#include <ostream>
#include <string>
#include <vector>

#include "cli/Cli.h"
#include "cli/DescriptorInput.h"
#include "cli/DescriptorOutput.h"

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  // Standard output through a buffer that keeps the reason of a failed write.
  velmara::DescriptorOutput stdout_buffer(STDOUT_FILENO);
  std::ostream out(&stdout_buffer);
  // Standard input the same way, for the reason of a failed read.
  velmara::DescriptorInput stdin_buffer(STDIN_FILENO);
  std::istream in(&stdin_buffer);
  return velmara::RunCli(args, in, out, std::cerr);
}
