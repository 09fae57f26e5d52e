#include <cstdio>
#include <iostream>

#include "CommandLineWords.h"
#include "StandardStreams.h"

int main(int argc, char** argv) {
  zonalyst::cli::HoldClosedStandardStreams();
  const zonalyst::cli::Utf8Console console;
  return zonalyst::cli::RunWithCheckedOutput(zonalyst::cli::CommandLineWords(argc, argv), stdout, std::cerr);
}
