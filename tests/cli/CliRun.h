#pragma once

#include "app/cli/Cli.h"
#include "tests/support/ScratchFolder.h"

#include <sstream>
#include <string>
#include <vector>

namespace zonalyst::cli {

inline const std::string kExamples = std::string(ZONALYST_SOURCE_DIR) + "/examples/";

struct CliRun {
  int code;
  std::string out, err;
};

// Runs the command line in the process, as the program's main does.
inline CliRun Cli(const std::vector<std::string>& args) {
  std::ostringstream out, err;
  const int code = RunCli(args, out, err);
  return {code, out.str(), err.str()};
}

using testing::ScratchFolder;

}  // namespace zonalyst::cli
