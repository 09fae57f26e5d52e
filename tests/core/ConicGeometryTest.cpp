#include <gtest/gtest.h>

#include <cmath>

#include "core/ConicGeometry.h"
#include "tests/support/TestMirror.h"

namespace zonalyst {
namespace {

TEST(ConicSag, SphereParaboloidAndRim) {
  EXPECT_NEAR(ConicSag(30.0, 0.0, 1000.0), 1000.0 - std::sqrt(1000.0 * 1000.0 - 900.0), 1e-12);
  for (const double r : {0.0, 1.0, 37.5, 101.6}) EXPECT_EQ(ConicSag(r, -1.0, 1219.2), r * r / (2.0 * 1219.2));
  // K = 3: q is exactly 0 at r = R / 2, the rim of this oblate conic.
  EXPECT_EQ(ConicSag(50.0, 3.0, 100.0), 25.0);
  EXPECT_EQ(ConicSag(50.001, 3.0, 100.0), 0.0);  // beyond the rim
  EXPECT_EQ(ConicSag(10.0, 0.0, 0.0), 0.0);                           // no radius: no NaN
}

TEST(ConicSlope, IsTheDerivativeOfTheSag) {
  for (const double K : {-4.0, -1.0, -0.5, 0.0, 0.7}) {
    for (const double r : {5.0, 40.0, 90.0}) {
      const double h = 1e-4;
      const double numeric = (ConicSag(r + h, K, 800.0) - ConicSag(r - h, K, 800.0)) / (2 * h);
      EXPECT_NEAR(ConicSlope(r, K, 800.0), numeric, 1e-9) << "K " << K << " r " << r;
    }
  }
  EXPECT_EQ(ConicSlope(50.0, 3.0, 100.0), 0.0);  // infinite at the rim: 0
}

TEST(EffectiveRadii, MeanOfRmsAndArithmeticRadius) {
  MirrorTest test;
  test.InnerOuterEntry = 1;
  test.ZoneRadius[1] = {0.0, 10.0, 0.0};
  test.ZoneRadius[15] = {20.0, 30.0, 0.0};
  ComputeEffectiveRadii(test);
  EXPECT_DOUBLE_EQ(test.ZoneRadius[1][2], (std::sqrt(50.0) + 5.0) / 2.0);
  EXPECT_DOUBLE_EQ(test.ZoneRadius[15][2], (std::sqrt(650.0) + 25.0) / 2.0);

  test.InnerOuterEntry = 0;
  test.ZoneRadius[1] = {7.5, 99.0, 0.0};  // the outer column is ignored
  ComputeEffectiveRadii(test);
  EXPECT_EQ(test.ZoneRadius[1][2], 7.5);
}

TEST(IdealReading, RelativeToZoneOneAndDoubledForAFixedSource) {
  MirrorTest test = testing::TestMirror({.roc = 1200.0, .zones = {20.0, 60.0}, .perfectReadings = false});
  EXPECT_EQ(IdealReading(test, 1), 0.0);
  EXPECT_DOUBLE_EQ(IdealReading(test, 2), (60.0 * 60.0 - 20.0 * 20.0) / (2.0 * 1200.0));
  test.MovingSource = 0;
  EXPECT_DOUBLE_EQ(IdealReading(test, 2), (60.0 * 60.0 - 20.0 * 20.0) / 1200.0);
  test.DesiredConic = 0.0;
  EXPECT_EQ(IdealReading(test, 2), 0.0);
}

}  // namespace
}  // namespace zonalyst
