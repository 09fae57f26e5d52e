#include "Cli.h"
#include "CommandSupport.h"
#include "Commands.h"
#include "OpenTest.h"
#include "ReferenceOffset.h"
#include "core/NumberText.h"
#include "core/SurfaceAnalysis.h"

#include <cmath>

namespace zonalyst::cli {
namespace {

constexpr const char* kUsage =
    "usage: zonalyst-cli profile FILE.fdr [--offset MM]\n"
    "  Prints the reduced profile as CSV, one row per grid radius from the centre to the\n"
    "  edge (101 rows): radius and height of the measured surface (mm), its error from the\n"
    "  desired conic at the best-fit radius (nm of surface) and the transverse error\n"
    "  (wavelength x focal ratio). Numbers in the shortest form that reads back exactly.\n"
    "  --offset MM   reference radius offset from the best fit, mm; the reference radius must\n"
    "                exceed the mirror's semi-diameter\n";

// What the command was asked to print, checked before the test is read.
struct ProfileRequest {
  std::string testPath;
  double offsetMm = 0.0;  // checked against the mirror once it is open
};

std::optional<ProfileRequest> ParseRequest(const CommandWords& words, std::ostream& out, std::ostream& err,
                                           int& exitCode) {
  const auto command = ParseCommand(words, {{}, {"--offset"}}, kUsage, out, err, exitCode);
  if (!command) return std::nullopt;
  std::string problem;
  const auto offsetMm = OffsetOption(command->options, problem);
  if (!offsetMm) return RefuseUsage(problem, kUsage, err, exitCode);
  return ProfileRequest{command->testPath, *offsetMm};
}

// A spreadsheet reads an empty cell where a computation had no finite result.
std::string Cell(double value) { return std::isfinite(value) ? FormatShortest(value) : std::string(); }

}  // namespace

int RunProfile(const CommandWords& words, std::ostream& out, std::ostream& err) {
  int exitCode = kSuccess;
  const auto request = ParseRequest(words, out, err, exitCode);
  if (!request) return exitCode;
  auto opened = OpenTest(request->testPath, err, exitCode);
  if (!opened) return exitCode;

  SurfaceAnalysis analysis(opened->bessel);
  const BestFit fit = analysis.reduceAndFit(opened->test);
  if (const auto refusal = ReferenceOffsetProblem(opened->test, fit.bestFitRocMm, request->offsetMm)) {
    return UsageError(*refusal, kUsage, err);
  }
  analysis.measureAt(opened->test, fit.bestFitRocMm + request->offsetMm);

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
