#include <iostream>

#include "Cli.h"

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  const std::vector<std::string> args(argv + 1, argv + argc);
  return zonalyst::cli::RunCli(args, std::cout, std::cerr);
}
