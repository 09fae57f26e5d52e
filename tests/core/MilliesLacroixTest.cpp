#include "core/MilliesLacroix.h"
#include "tests/support/TestMirror.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
namespace zonalyst {
namespace {

// A 200 mm f/5 paraboloid with four zones entered as effective radii.
MirrorTest FourZoneTest(int units, int movingSource) {
  return testing::TestMirror({.roc = 2000.0,
                              .inches = units == 1,
                              .movingSource = movingSource == 1,
                              .zones = {30.0, 55.0, 75.0, 92.0},
                              .readingSets = 2,
                              .perfectReadings = false});
}

void SetReadings(MirrorTest& t, const double (&values)[5]) {
  for (int z = 1; z <= t.ZoneCount; ++z) {
    t.KeReading[z][1] = values[z] - 0.01;
    t.KeReading[z][2] = values[z] + 0.01;
  }
}

TEST(MilliesLacroixTest, DeviationsHaveZeroMeanTheLargestIsReportedAndASphereHasNoRatios) {
  MirrorTest t = FourZoneTest(0, 0);
  SetReadings(t, {0.0, 0.1, 1.9, 3.0, 4.4});
  const MilliesLacroix ml = ComputeMilliesLacroix(t, 0);
  double sum = 0.0, largest = 0.0, worst = 0.0;
  for (int z = 1; z <= 4; ++z) {
    sum += ml.dev[z];
    largest = std::max(largest, std::fabs(ml.dev[z]));
    worst = std::max(worst, std::fabs(ml.dev[z] / ml.tol[z]));
    EXPECT_DOUBLE_EQ(ml.rel[z], std::fabs(ml.dev[z] / ml.tol[z]));
  }
  EXPECT_NEAR(sum, 0.0, 1e-12);
  EXPECT_DOUBLE_EQ(ml.largestDev, largest);
  EXPECT_DOUBLE_EQ(ml.maxRta, worst);
  EXPECT_DOUBLE_EQ(ml.ratio[3], (3.0 - 1.9) / ((75.0 * 75.0 - 55.0 * 55.0) / 2000.0));
  EXPECT_TRUE(ml.hasRatio[3]);

  t.DesiredConic = 0.0;
  const MilliesLacroix sphere = ComputeMilliesLacroix(t, 0);
  for (int z = 1; z <= 4; ++z) {
    EXPECT_EQ(sphere.ideal[z], 0.0);
    EXPECT_EQ(sphere.ratio[z], 0.0);
    EXPECT_FALSE(sphere.hasRatio[z]);
  }
  EXPECT_EQ(sphere.largestRatio, 0.0);
}

TEST(MilliesLacroixTest, MovingSourceMatchesFixedSourceWithDoubledReadings) {
  MirrorTest moving = FourZoneTest(1, 1);
  MirrorTest fixed = FourZoneTest(1, 0);
  SetReadings(moving, {0.0, 0.05, 0.9, 1.6, 2.2});
  SetReadings(fixed, {0.0, 0.1, 1.8, 3.2, 4.4});
  // Doubling the spread of the two sets too keeps the averages exactly doubled.
  for (int z = 1; z <= 4; ++z) {
    fixed.KeReading[z][1] = 2.0 * moving.KeReading[z][1];
    fixed.KeReading[z][2] = 2.0 * moving.KeReading[z][2];
  }
  const MilliesLacroix a = ComputeMilliesLacroix(moving, 30);
  const MilliesLacroix b = ComputeMilliesLacroix(fixed, 30);
  for (int z = 1; z <= 4; ++z) {
    EXPECT_DOUBLE_EQ(a.meas[z], b.meas[z]);
    EXPECT_DOUBLE_EQ(a.dev[z], b.dev[z]);
    EXPECT_DOUBLE_EQ(a.ratio[z], b.ratio[z]);
  }
  EXPECT_DOUBLE_EQ(a.maxRta, b.maxRta);
}

TEST(MilliesLacroixTest, ToleranceAndSliderFollowTheUnitsOneStepPerUnit) {
  for (int units : {0, 1}) {
    MirrorTest t = FourZoneTest(units, 0);
    EXPECT_DOUBLE_EQ(MilliesLacroixRta(t), 10.0 * (units == 1 ? 2.6352e-05 : 0.0006693408) / 2.0);
    const double step = units == 1 ? 100.0 / 2540.0 : 1.0;
    EXPECT_DOUBLE_EQ(MilliesLacroixSliderShift(t, 100), step);
    SetReadings(t, {0.0, 0.1, 1.9, 3.0, 4.4});
    const MilliesLacroix centred = ComputeMilliesLacroix(t, 0);
    const MilliesLacroix raised = ComputeMilliesLacroix(t, 100);
    for (int z = 1; z <= 4; ++z) EXPECT_NEAR(raised.dev[z], centred.dev[z] - step, 1e-12) << units << " " << z;
  }
}

TEST(MilliesLacroixTest, ZoneAtTheCentreKeepsFiniteValues) {
  MirrorTest t = FourZoneTest(0, 0);
  t.ZoneRadius[1] = {0.0, 0.0, 0.0};
  SetReadings(t, {0.0, 0.1, 1.9, 3.0, 4.4});
  const MilliesLacroix ml = ComputeMilliesLacroix(t, 0);
  EXPECT_EQ(ml.tol[1], 0.0);
  EXPECT_EQ(ml.rel[1], 0.0);
  EXPECT_TRUE(std::isfinite(ml.maxRta));
}

}  // namespace
}  // namespace zonalyst
