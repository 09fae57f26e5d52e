#pragma once

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "Cli.h"

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

// A scratch folder for test files written by a test, removed with it.
struct ScratchFolder {
  ScratchFolder() : path(std::filesystem::temp_directory_path() / ("zonalyst-cli-" + std::to_string(std::random_device{}()))) {
    std::filesystem::create_directories(path);
  }
  ~ScratchFolder() { std::filesystem::remove_all(path); }
  std::string write(const std::string& name, const std::string& text) const {
    const auto file = path / name;
    std::ofstream(file, std::ios::binary) << text;
    return file.string();
  }
  std::filesystem::path path;
};

}  // namespace zonalyst::cli
