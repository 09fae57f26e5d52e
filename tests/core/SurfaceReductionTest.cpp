#include "core/QualityMetrics.h"
#include "core/SurfaceReduction.h"
#include "tests/support/TestMirror.h"

#include <gtest/gtest.h>

#include <cmath>

namespace zonalyst {
namespace {

using testing::kSixZones;
using testing::TestMirror;

SurfaceProfile Reduce(MirrorTest test) {
  AverageReadings(test);
  SurfaceProfile profile;
  ReduceReadings(test, profile);
  return profile;
}

TEST(ReduceReadings, PerfectConicReadingsGiveThatConic) {
  for (const double K : {-1.0, 0.0, -0.6, -1.4}) {
    const MirrorTest test = TestMirror({.conic = K});
    const SurfaceProfile p = Reduce(test);
    EXPECT_EQ(p.ProfileZ[0], 0.0);
    EXPECT_EQ(p.ProfileR[100], 100.0);
    EXPECT_EQ(p.RocMm, 1600.0);
    for (int i = 0; i <= 100; ++i) {
      EXPECT_NEAR(p.ProfileZ[i], ConicSag(p.ProfileR[i], K, 1600.0), 2e-6) << "K " << K << " sample " << i;
    }
    QualityMetrics m;
    const double best = FindBestFitRoc(p, K, 1600.0, m);
    EXPECT_NEAR(best, 1600.0, 0.01) << "K " << K;
  }
}

TEST(ReduceReadings, ConstantAddedToReadingsChangesOnlyTheIntercept) {
  MirrorTest test = TestMirror({.roc = 1500.0, .diameter = 150.0, .conic = -0.8, .zones = {15, 30, 45, 60, 70}});
  test.KeReading[3][1] += 0.05;  // a real error, so the profile is not trivially the conic
  const SurfaceProfile before = Reduce(test);
  for (int z = 1; z <= test.ZoneCount; ++z) test.KeReading[z][1] += 3.25;
  const SurfaceProfile after = Reduce(test);
  EXPECT_NEAR(after.FitIntercept - before.FitIntercept, 3.25, 1e-9);
  for (int i = 0; i <= 100; ++i) EXPECT_NEAR(after.ProfileZ[i], before.ProfileZ[i], 1e-12);
}

// A fixed source reads twice what a moving one does; inches are converted.
TEST(ReduceReadings, OneMirrorReadWithAFixedSourceOrInInchesGivesOneProfile) {
  const MirrorTest inch = TestMirror(
      {.roc = 48.0, .diameter = 6.0, .inches = true, .zones = {0.75, 1.5, 2.25, 2.85}, .readingOffset = 10.0 / 25.4});
  const std::pair<MirrorTest, MirrorTest> cases[] = {
      {TestMirror({.roc = 1500.0, .diameter = 150.0, .zones = {15, 30, 45, 60, 70}}),
       TestMirror({.roc = 1500.0, .diameter = 150.0, .movingSource = false, .zones = {15, 30, 45, 60, 70}})},
      {TestMirror({.roc = 1219.2, .diameter = 152.4, .zones = {19.05, 38.1, 57.15, 72.39}}), inch}};
  for (const auto& [a, b] : cases) {
    const SurfaceProfile pa = Reduce(a), pb = Reduce(b);
    for (int i = 0; i <= 100; ++i) EXPECT_NEAR(pa.ProfileZ[i], pb.ProfileZ[i], 1e-12) << i;
  }
}

TEST(ReduceReadings, ZonesCloserThanAGridStepAdvanceOneZonePerSample) {
  // Zones 2 and 3 lie within one grid step (1 mm) of each other.
  MirrorTest test = TestMirror({.roc = 2000.0, .zones = {30.0, 50.2, 50.6, 80.0}});
  test.KeReading[2][1] += 0.02;
  const SurfaceProfile p = Reduce(test);
  for (int i = 0; i <= 100; ++i) EXPECT_TRUE(std::isfinite(p.ProfileZ[i]));
  // Sample 51 (r = 51) is past zones 2 and 3, but the index reached only zone 3's
  // interval there: it interpolates between zones 2 and 3 beyond zone 3.
  const double r = p.ProfileR[51];
  const double dr = r - p.ZoneH[2];
  const double dh = p.ZoneH[3] - p.ZoneH[2];
  const double expected = ConicSag(r, p.FitConic, 2000.0) + p.ZoneHeightErr[2] + p.ZoneSlopeErr[2] * dr +
                          (p.ZoneSlopeErr[3] - p.ZoneSlopeErr[2]) * dr * dr / (2 * dh);
  EXPECT_DOUBLE_EQ(p.ProfileZ[51], expected);
}

TEST(ReduceReadings, ArithmeticFailuresKeepThePreviousValues) {
  // Two zones on the same radius: the interpolation divides by zero.
  // No radius and no diameter: nothing to scale by.
  for (const MirrorTest& test : {TestMirror({.roc = 2000.0, .zones = {30.0, 60.0, 60.0, 90.0}}),
                                 TestMirror({.roc = 0.0, .diameter = 0.0, .zones = {30.0, 60.0, 60.0, 90.0}})}) {
    const SurfaceProfile p = Reduce(test);
    for (int i = 0; i <= 100; ++i) EXPECT_TRUE(std::isfinite(p.ProfileZ[i])) << test.Roc << " " << i;
  }
}

TEST(MeasuredSurfaceAt, FollowsTheReductionsFormulaBetweenAndBeyondTheZones) {
  MirrorTest test = TestMirror({.roc = 1800.0, .conic = -0.7});
  test.KeReading[2][1] += 0.03;
  test.KeReading[5][1] -= 0.02;
  const SurfaceProfile p = Reduce(test);
  // At the grid radii it is the sampled surface; at the zones its slope is the measured one.
  for (int i = 0; i <= 100; ++i) EXPECT_NEAR(MeasuredSurfaceAt(p, p.ProfileR[i]).height, p.ProfileZ[i], 1e-12) << i;
  for (int z = 1; z <= test.ZoneCount; ++z) {
    EXPECT_NEAR(MeasuredSurfaceAt(p, p.ZoneH[z]).slope, ConicSlope(p.ZoneH[z], p.FitConic, 1800.0) + p.ZoneSlopeErr[z],
                1e-15);
  }
  // The slope is the derivative of the height, also outside the last zone and past the edge,
  // where the slope error is held constant.
  for (const double r : {5.0, 29.0, 61.3, 97.0, 99.9, 100.5}) {
    const double h = 1e-4;
    const double derivative = (MeasuredSurfaceAt(p, r + h).height - MeasuredSurfaceAt(p, r - h).height) / (2 * h);
    EXPECT_NEAR(MeasuredSurfaceAt(p, r).slope, derivative, 1e-9) << r;
  }
  EXPECT_NEAR(MeasuredSurfaceAt(p, 100.5).slope - ConicSlope(100.5, p.FitConic, 1800.0), p.ZoneSlopeErr[6], 1e-15);
}

}  // namespace
}  // namespace zonalyst
