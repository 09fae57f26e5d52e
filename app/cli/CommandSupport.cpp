#include "CommandSupport.h"

#include "Cli.h"

namespace zonalyst::cli {

int UsageError(const std::string& problem, const char* usage, std::ostream& err) {
  err << "zonalyst-cli: " << problem << "\n" << usage;
  return kUsageError;
}

std::optional<ParsedCommand> ParseCommand(const std::vector<std::string>& words, Options::Accepted accepted,
                                          const char* usage, std::ostream& out, std::ostream& err, int& exitCode) {
  accepted.flags.insert("--help");
  accepted.flags.insert("-h");
  std::string problem;
  auto options = Options::Parse(words, accepted, problem);
  if (options && (options->has("--help") || options->has("-h"))) {
    out << usage;
    exitCode = kSuccess;
    return std::nullopt;
  }
  if (!options) {
    exitCode = UsageError(problem, usage, err);
    return std::nullopt;
  }
  if (options->positionals().size() != 1) {
    exitCode = UsageError("expected exactly one test file", usage, err);
    return std::nullopt;
  }
  return ParsedCommand{*options, options->positionals().front()};
}

}  // namespace zonalyst::cli
