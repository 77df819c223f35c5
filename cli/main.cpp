// velmara-pw's entry point; everything else is in RunCli.
#include <iostream>
#include <string>
#include <vector>

#include "Cli.h"

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  return velmara::RunCli(args, std::cin, std::cout, std::cerr);
}
