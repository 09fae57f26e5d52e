#pragma once

#include "Options.h"

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

namespace zonalyst::cli {

// Every command parses its words into a request value and checks it before it reads any
// file, then runs the request; a check that needs the test follows its opening.

// Parses a command's words and answers --help: either the options and the single test
// file they name, or an exit code (0 after the usage was printed for --help, 2 for a
// usage error, with UsageError's line on err). Every usage text starts
// "usage: zonalyst-cli COMMAND".
struct ParsedCommand {
  Options options;
  std::string testPath;
};
std::optional<ParsedCommand> ParseCommand(const std::vector<std::string>& words, Options::Accepted accepted,
                                          const char* usage, std::ostream& out, std::ostream& err, int& exitCode);

// The request of a command that reads one test and prints what it finds as text or JSON
// (report, bestconic).
struct PrintRequest {
  std::string testPath;
  bool json = false;  // --json
};
std::optional<PrintRequest> ParsePrintRequest(const std::vector<std::string>& words, const char* usage,
                                              std::ostream& out, std::ostream& err, int& exitCode);

// The same for a command that takes any number of positional words.
std::optional<Options> ParseOptions(const std::vector<std::string>& words, Options::Accepted accepted,
                                    const char* usage, std::ostream& out, std::ostream& err, int& exitCode);

bool EndsWith(const std::string& text, const std::string& tail);

// The seed of the random generator named by --seed, else one from the clock; nothing
// when --seed is not a whole number from 0 to 4294967295 (kSeedProblem says so).
std::optional<std::uint32_t> SeedOption(const Options& options);
inline constexpr const char* kSeedProblem = "--seed takes a whole number from 0 to 4294967295";

// Reports a usage error in one line, its problem and where to read more ("...; see
// `zonalyst-cli report --help`"), and returns the usage exit code.
int UsageError(const std::string& problem, const char* usage, std::ostream& err);
// The same for a parser: sets exitCode and returns nothing.
std::nullopt_t RefuseUsage(const std::string& problem, const char* usage, std::ostream& err, int& exitCode);
// "see `zonalyst-cli COMMAND --help`" for the command whose usage text is given.
std::string HelpHint(std::string_view usage);

}  // namespace zonalyst::cli
