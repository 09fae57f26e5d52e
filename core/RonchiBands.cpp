#include "RonchiBands.h"

#include "Constants.h"
#include "TesterView.h"

#include <algorithm>
#include <cmath>
#include <functional>

namespace zonalyst {
namespace {

// Radii at which the image's width is sought, from the rim inwards.
constexpr int kBandRadii = 200;

// The reading at which the bands first reach kRonchiEndBands going out from `start` in
// `direction` (-1 or +1), at most `farthest` away: the distance doubled until they do,
// then the interval halved to a quarter of a slider step. Out there the bands grow with
// the distance, the grating standing beyond the foci of every zone.
double ReadingWithEnoughBands(double start, double direction, double farthest, double step,
                              const std::function<double(double)>& bands) {
  const auto enough = [&](double distance) { return bands(start + direction * distance) >= kRonchiEndBands; };
  if (!(farthest > 0.0) || enough(0.0)) return start;
  double near = 0.0;
  double far = std::min(step, farthest);
  while (!enough(far)) {
    if (far >= farthest) return start + direction * farthest;
    near = far;
    far = std::min(2.0 * far, farthest);
  }
  while (far - near > step / 4.0) {
    const double middle = (near + far) / 2.0;
    if (enough(middle)) {
      far = middle;
    } else {
      near = middle;
    }
  }
  return start + direction * far;
}

}  // namespace

double PerfectMirrorBands(const MirrorTest& test, const SurfaceProfile& profile, double bestFitRocMm, double reading,
                          double linesPerInch) {
  const SurfaceShape perfect = PerfectShape(test.DesiredConic, bestFitRocMm);
  const TesterPlacement placement = PlaceKnife(test, profile, reading);
  const double semiDiameter = test.diameterMm() / 2.0;
  double widest = 0.0;
  for (int k = 1; k <= kBandRadii; ++k) {
    const double r = semiDiameter * k / kBandRadii;
    const double rho = KnifePlaneOffset(r, perfect(r), placement);
    if (std::isfinite(rho)) widest = std::max(widest, std::abs(rho));
  }
  return 2.0 * widest * linesPerInch / kMmPerInch;
}

KnifeScale RonchiKnifeScale(const MirrorTest& test, const SurfaceProfile& profile, double bestFitRocMm,
                            double linesPerInch) {
  KnifeScale scale = KnifeSliderScale(test);
  const auto bands = [&](double reading) {
    return PerfectMirrorBands(test, profile, bestFitRocMm, reading, linesPerInch);
  };
  const double low = ReadingWithEnoughBands(scale.reading(scale.minimum), -1.0, test.Roc, scale.step, bands);
  const double high = ReadingWithEnoughBands(scale.reading(scale.maximum), 1.0, test.Roc, scale.step, bands);
  scale.minimum = KnifeScale::ValueBelow(low, scale.step);
  scale.maximum = KnifeScale::ValueAbove(high, scale.step);
  return scale;
}

}  // namespace zonalyst
