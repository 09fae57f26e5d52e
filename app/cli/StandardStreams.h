#pragma once

#include <cstdio>
#include <ostream>
#include <string>
#include <vector>

namespace zonalyst::cli {

// Keeps the descriptors of standard input, output and error taken while the program
// runs: one that was closed is given one on which every write fails, so that no file the
// command writes takes its number and receives the messages meant for it, and output
// that goes nowhere is noticed. Does nothing on Windows.
void HoldClosedStandardStreams();

// Runs a whole command line as the program does: through the last resort, its output
// written to out (the standard output) and checked at the end. Output that could not all
// be written (a full disk, a closed descriptor) gives "could not write the output:
// <reason>" on err and, unless the command had failed already, the exit code kWriteFailed.
int RunWithCheckedOutput(const std::vector<std::string>& args, std::FILE* out, std::ostream& err);

}  // namespace zonalyst::cli
