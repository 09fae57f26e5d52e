#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace zonalyst::cli {

// Exit codes of the command line.
enum ExitCode : int {
  kSuccess = 0,
  kLoadFailed = 1,         // the test file could not be loaded
  kUsageError = 2,         // unknown command or option
  kSetupRefused = 3,       // the file loads but its setup would be refused, or its readings do not reduce to a
                           // surface (also in more than 1 % of a Monte Carlo run's trials)
  kWriteFailed = 4,        // a file or the standard output could not be written
  kUnexpectedFailure = 5,  // memory ran out or another failure stopped the command
};

// Runs one command line (without the program name) and returns its exit code.
// Everything it prints goes to out and err; it writes no file unless asked.
int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace zonalyst::cli
