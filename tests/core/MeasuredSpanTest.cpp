#include "core/MeasuredSpan.h"
#include "core/QualityMetrics.h"
#include "tests/support/TestMirror.h"

#include <gtest/gtest.h>

namespace zonalyst {
namespace {

using testing::ConicSurface;
using testing::TestMirror;

// Over the zones (20 to 95 mm by effective radius) a paraboloid of 1601 mm, beyond them
// a turned edge and a raised centre, which the whole disc's figure does see.
TEST(FitMeasuredSpan, RefitsTheRadiusOverTheZonesAloneWhateverLiesBeyondThem) {
  const SurfaceProfile p = ConicSurface(-1.0, 1600.0, 200.0, [](double f) {
    const double r = 100.0 * f;
    return r * r / 2.0 * (1.0 / 1601.0 - 1.0 / 1600.0) + (r > 95.0 ? -2e-4 * (r - 95.0) : 0.0) +
           (r < 20.0 ? 1e-5 * (20.0 - r) : 0.0);
  });
  QualityMetrics whole;
  ComputeRms(p, -1.0, FindBestFitRoc(p, -1.0, 1600.0, whole), whole);
  ASSERT_GT(whole.rmsNanometres(), 10.0);

  const auto fit = FitMeasuredSpan(TestMirror(), p, 1600.0);
  ASSERT_TRUE(fit);
  EXPECT_NEAR(fit->rocMm, 1601.0, 1e-3);
  EXPECT_NEAR(fit->rmsNanometres(), 0.0, 0.05);  // the radius search's last step, 1e-4 mm at most
  EXPECT_DOUBLE_EQ(fit->areaFraction, (95.0 * 95.0 - 20.0 * 20.0) / (100.0 * 100.0));
}

TEST(FitMeasuredSpan, CountsTheEdgeSampleThatTheUnitConversionMovesAndNeedsThreeSamples) {
  // Zones by inner and outer radius from 0 to 3.98 in, which is 101.092 mm; the grid's
  // last radius is 101.09200000000001 mm.
  const MirrorTest inches =
      TestMirror({.roc = 64.0, .diameter = 7.96, .inches = true, .innerOuter = true, .zones = {1.0, 2.0, 3.98}});
  const auto raisedEdge = [](double f) { return f == 1.0 ? 1e-4 : 0.0; };
  const SurfaceProfile p = ConicSurface(-1.0, inches.rocMm(), inches.diameterMm(), raisedEdge);
  EXPECT_GT(FitMeasuredSpan(inches, p, inches.rocMm()).value().rmsNanometres(), 1.0);
  // Zones from 50 to 51.2 mm hold the samples at 50 and 51 mm only.
  const SurfaceProfile flat = ConicSurface(-1.0, 1600.0, 200.0, [](double) { return 0.0; });
  EXPECT_FALSE(FitMeasuredSpan(TestMirror({.zones = {50.0, 50.5, 51.2}}), flat, 1600.0));
}

}  // namespace
}  // namespace zonalyst
