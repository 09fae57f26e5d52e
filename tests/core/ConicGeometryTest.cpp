#include "core/ConicGeometry.h"
#include "tests/support/TestMirror.h"

#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>

namespace zonalyst {
namespace {

TEST(ConicSag, SphereParaboloidAndRim) {
  EXPECT_NEAR(ConicSag(30.0, 0.0, 1000.0), 1000.0 - std::sqrt(1000.0 * 1000.0 - 900.0), 1e-12);
  for (const double r : {0.0, 1.0, 37.5, 101.6}) EXPECT_EQ(ConicSag(r, -1.0, 1219.2), r * r / (2.0 * 1219.2));
  // K = 3: q is exactly 0 at r = R / 2, the rim of this oblate conic.
  EXPECT_EQ(ConicSag(50.0, 3.0, 100.0), 25.0);
  EXPECT_EQ(ConicSag(50.001, 3.0, 100.0), 0.0);  // beyond the rim
  EXPECT_EQ(ConicSag(10.0, 0.0, 0.0), 0.0);      // no radius: no NaN
}

// The grid form is written without branches so that it vectorises; it must still give
// ConicSag's value for every argument, failures and the rim included.
TEST(ConicSagOnGrid, GivesConicSagsValueToTheLastBit) {
  constexpr double kInfinity = std::numeric_limits<double>::infinity();
  std::array<double, kGridRoom> r{};
  for (int i = 0; i <= kGridLast; ++i) r[i] = i * 1.27;
  for (const double K : {-1.0, 0.0, -0.64, 3.0, 40.0, 1e300}) {
    for (const double R : {1219.2, 250.0, -800.0, 0.0, 1e-170, 1e200, kInfinity, std::nan("")}) {
      std::array<double, kGridRoom> sag{};
      ConicSagOnGrid(r, K, R, sag);
      for (int i = 0; i <= kGridLast; ++i) {
        ASSERT_EQ(std::bit_cast<std::uint64_t>(sag[i]), std::bit_cast<std::uint64_t>(ConicSag(r[i], K, R)))
            << "K " << K << " R " << R << " r " << r[i];
      }
    }
  }
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
