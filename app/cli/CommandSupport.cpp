#include "CommandSupport.h"

#include "Cli.h"

#include <chrono>
#include <limits>

namespace zonalyst::cli {

bool EndsWith(const std::string& text, const std::string& tail) {
  return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

std::optional<std::uint32_t> SeedOption(const Options& options) {
  const auto text = options.value("--seed");
  if (!text) return static_cast<std::uint32_t>(std::chrono::steady_clock::now().time_since_epoch().count());
  const auto seed = ParseWholeOption(*text, 0, std::numeric_limits<std::uint32_t>::max());
  if (!seed) return std::nullopt;
  return static_cast<std::uint32_t>(*seed);
}

std::string HelpHint(std::string_view usage) {
  constexpr std::string_view kUsageStart = "usage: ";
  if (usage.starts_with(kUsageStart)) usage.remove_prefix(kUsageStart.size());
  const std::size_t program = usage.find(' ');
  const std::size_t command = program == std::string_view::npos ? program : usage.find_first_of(" \n", program + 1);
  return "see `" + std::string(usage.substr(0, command)) + " --help`";
}

int UsageError(const std::string& problem, const char* usage, std::ostream& err) {
  err << "zonalyst-cli: " << problem << "; " << HelpHint(usage) << "\n";
  return kUsageError;
}

std::nullopt_t RefuseUsage(const std::string& problem, const char* usage, std::ostream& err, int& exitCode) {
  exitCode = UsageError(problem, usage, err);
  return std::nullopt;
}

std::optional<Options> ParseOptions(const std::vector<std::string>& words, Options::Accepted accepted,
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
  if (!options) return RefuseUsage(problem, usage, err, exitCode);
  return options;
}

std::optional<ParsedCommand> ParseCommand(const std::vector<std::string>& words, Options::Accepted accepted,
                                          const char* usage, std::ostream& out, std::ostream& err, int& exitCode) {
  const auto options = ParseOptions(words, std::move(accepted), usage, out, err, exitCode);
  if (!options) return std::nullopt;
  if (options->positionals().size() != 1) return RefuseUsage("expected exactly one test file", usage, err, exitCode);
  return ParsedCommand{*options, options->positionals().front()};
}

std::optional<PrintRequest> ParsePrintRequest(const std::vector<std::string>& words, const char* usage,
                                              std::ostream& out, std::ostream& err, int& exitCode) {
  const auto command = ParseCommand(words, {{"--json"}, {}}, usage, out, err, exitCode);
  if (!command) return std::nullopt;
  return PrintRequest{command->testPath, command->options.has("--json")};
}

}  // namespace zonalyst::cli
