#include <cmath>

#include "Cli.h"
#include "CommandSupport.h"
#include "Commands.h"
#include "OpenTest.h"
#include "core/NumberText.h"
#include "core/SurfaceAnalysis.h"

namespace zonalyst::cli {
namespace {

constexpr const char* kUsage =
    "usage: zonalyst-cli profile FILE.fdr [--offset MM]\n"
    "  Prints the reduced profile as CSV, one row per grid radius from the centre to the\n"
    "  edge (101 rows): radius and height of the measured surface (mm), its error from the\n"
    "  desired conic at the best-fit radius (nm of surface) and the transverse error\n"
    "  (wavelength x focal ratio). Numbers in the shortest form that reads back exactly.\n"
    "  --offset MM   reference radius offset from the best fit, mm\n";

// A spreadsheet reads an empty cell where a computation had no finite result.
std::string Cell(double value) { return std::isfinite(value) ? FormatShortest(value) : std::string(); }

}  // namespace

int RunProfile(const CommandWords& words, std::ostream& out, std::ostream& err) {
  int exitCode = kSuccess;
  const auto command = ParseCommand(words, {{}, {"--offset"}}, kUsage, out, err, exitCode);
  if (!command) return exitCode;
  double offsetMm = 0.0;
  if (const auto text = command->options.value("--offset")) {
    const auto value = ParseNumberOption(*text);
    if (!value) return UsageError("--offset takes a number of millimetres", kUsage, err);
    offsetMm = *value;
  }
  auto opened = OpenTest(command->testPath, err, exitCode);
  if (!opened) return exitCode;

  SurfaceAnalysis analysis(opened->bessel);
  const BestFit fit = analysis.reduceAndFit(opened->test);
  const double referenceMm = fit.bestFitRocMm + offsetMm;
  if (!(referenceMm > 0.0)) return UsageError("--offset leaves no positive reference radius", kUsage, err);
  analysis.measureAt(opened->test, referenceMm);

  constexpr double kNmPerMm = 1e6;
  const SurfaceProfile& p = analysis.profile();
  const QualityMetrics& m = analysis.metrics();
  out << "r_mm,surface_mm,error_nm,transverse_error\n";
  for (int i = 0; i <= kGridLast; ++i) {
    out << Cell(p.ProfileR[i]) << ',' << Cell(p.ProfileZ[i]) << ',' << Cell(m.ProfileErr[i] * kNmPerMm) << ','
        << Cell(m.TransErr[i]) << '\n';
  }
  return kSuccess;
}

}  // namespace zonalyst::cli
