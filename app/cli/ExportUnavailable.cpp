#include "AstigmatismPicture.h"
#include "Cli.h"
#include "Commands.h"
#include "History.h"
#include "io/FileAccess.h"

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

int RunMask(const CommandWords&, std::ostream&, std::ostream& err) {
  err << "zonalyst-cli: mask needs the picture layer, which this build leaves out\n";
  return kUsageError;
}

int RunPhotos(const CommandWords&, std::ostream&, std::ostream& err) {
  err << "zonalyst-cli: photos needs the picture layer, which this build leaves out\n";
  return kUsageError;
}

int RunSweep(const CommandWords&, std::ostream&, std::ostream& err) {
  err << "zonalyst-cli: sweep needs the picture layer, which this build leaves out\n";
  return kUsageError;
}

bool WriteHistoryPicture(const History&, const std::string& path, std::string& problem) {
  problem = io::WriteFailure(path, "the history's picture needs the picture layer, which this build leaves out");
  return false;
}

bool WriteAstigmatismPicture(const AstigmatismFit&, const std::string& path, std::string& problem) {
  problem = io::WriteFailure(path, "the astigmatism's picture needs the picture layer, which this build leaves out");
  return false;
}

}  // namespace zonalyst::cli
