#include "Cli.h"
#include "Commands.h"

namespace zonalyst::cli {

// Built without the picture layer (ZONALYST_BUILD_GUI=OFF): nothing can be drawn.
int RunExport(const CommandWords&, std::ostream&, std::ostream& err) {
  err << "zonalyst-cli: export needs the picture layer, which this build leaves out\n";
  return kUsageError;
}

int RunSimulate(const CommandWords&, std::ostream&, std::ostream& err) {
  err << "zonalyst-cli: simulate needs the picture layer, which this build leaves out\n";
  return kUsageError;
}

}  // namespace zonalyst::cli
