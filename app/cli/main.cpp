#include "CommandLineWords.h"
#include "StandardStreams.h"

#include <cstdio>
#include <iostream>

int main(int argc, char** argv) {
  zonalyst::cli::HoldClosedStandardStreams();
  const zonalyst::cli::Utf8Console console;
  return zonalyst::cli::RunWithCheckedOutput(zonalyst::cli::CommandLineWords(argc, argv), stdout, std::cerr);
}
