#include <iostream>

#include "Cli.h"
#include "CommandLineWords.h"
#include "LastResort.h"

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  const zonalyst::cli::Utf8Console console;
  return zonalyst::cli::RunWithLastResort(
      [&] { return zonalyst::cli::RunCli(zonalyst::cli::CommandLineWords(argc, argv), std::cout, std::cerr); },
      std::cerr);
}
