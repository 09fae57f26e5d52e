#include "ReferenceOffset.h"

#include "core/NumberText.h"

#include <cmath>

namespace zonalyst::cli {

std::optional<double> OffsetOption(const Options& options, std::string& problem) {
  constexpr double kMaxOffsetMm = 1e6;
  const auto text = options.value("--offset");
  if (!text) return 0.0;
  const auto value = ParseNumberOption(*text);
  if (!value || std::abs(*value) > kMaxOffsetMm) {
    problem = "--offset takes a number of millimetres from -1000000 to 1000000";
    return std::nullopt;
  }
  return value;
}

std::optional<std::string> ReferenceOffsetProblem(const MirrorTest& test, double bestFitRocMm, double offsetMm) {
  const double referenceMm = bestFitRocMm + offsetMm;
  const double semiDiameterMm = test.diameterMm() / 2.0;
  if (referenceMm > semiDiameterMm) return std::nullopt;
  return "--offset leaves a reference radius of " + FormatRounded(referenceMm, 3) +
         " mm, not beyond the mirror's semi-diameter of " + FormatRounded(semiDiameterMm, 3) + " mm";
}

}  // namespace zonalyst::cli
