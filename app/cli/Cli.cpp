#include "Cli.h"

#include "Commands.h"
#include "io/PrintableText.h"

#include <array>
#include <string_view>

namespace zonalyst::cli {
namespace {

struct Command {
  std::string_view name;
  std::string_view summary;
  int (*run)(const CommandWords&, std::ostream&, std::ostream&);
};

constexpr std::array kCommands = {
    Command{"report", "the six measures of quality, the best-fit radius and the zone table", RunReport},
    Command{"bestconic", "the conic constant that the mirror matches best", RunBestConic},
    Command{"montecarlo", "the spread of Strehl ratio and RMS error from the scatter of the readings", RunMonteCarlo},
    Command{"export", "an analysis panel's picture with the report below it, as GIF or PNG", RunExport},
    Command{"history", "every test of a figuring history, oldest first, and a picture of their curves", RunHistory},
    Command{"mask", "the Couder mask as a PDF to print at actual size", RunMask},
    Command{"profile", "the reduced profile and its error as CSV, for ray tracers and spreadsheets", RunProfile},
    Command{"simulate", "the Foucault-gram or Ronchigram of the measured mirror at a knife position", RunSimulate},
    Command{"photos", "each zone's reading found in photographs taken through the tester", RunPhotos},
    Command{"astigmatism", "the astigmatism from tests at several orientations of the mirror", RunAstigmatism},
    Command{"sweep", "each zone's reading from one sweep of the knife, filmed with a dial logged beside", RunSweep},
};

void PrintUsage(std::ostream& out) {
  out << "usage: zonalyst-cli COMMAND FILE.fdr [options]   (zonalyst-cli COMMAND --help for its options)\n"
      << "Reduces Foucault knife-edge tests of telescope mirrors.\n\ncommands:\n";
  for (const Command& command : kCommands) out << "  " << command.name << "  " << command.summary << "\n";
}

}  // namespace

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  constexpr const char* kHint = "; see `zonalyst-cli --help`\n";
  if (args.empty()) {
    err << "zonalyst-cli: expected a command" << kHint;
    return kUsageError;
  }
  if (args.front() == "--help" || args.front() == "-h" || args.front() == "help") {
    PrintUsage(out);
    return kSuccess;
  }
  for (const Command& command : kCommands) {
    if (args.front() == command.name) return command.run(CommandWords(args.begin() + 1, args.end()), out, err);
  }
  err << "zonalyst-cli: unknown command " << io::PrintableName(args.front()) << kHint;
  return kUsageError;
}

}  // namespace zonalyst::cli
