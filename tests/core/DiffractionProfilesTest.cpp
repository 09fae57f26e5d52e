#include "core/ConicGeometry.h"
#include "core/SpotDiffraction.h"
#include "core/StarTest.h"
#include "tests/support/FilledBessel.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace zonalyst {
namespace {

constexpr double kDiameter = 200.0;

class DiffractionProfilesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (int i = 0; i <= kGridLast; ++i) surface.ProfileR[i] = i * kDiameter / 200.0;
  }
  const BesselTable& bessel = zonalyst::testing::FilledBessel();
  SurfaceProfile surface;
  QualityMetrics metrics;
};

TEST_F(DiffractionProfilesTest, PerfectSurfaceGivesTheAiryPatternTwice) {
  const SpotDiffraction spot = ComputeSpotDiffraction(surface, metrics, bessel, kDiameter, 0.0);
  EXPECT_NEAR(spot.ideal[0], 1.0, 1e-9);
  EXPECT_NEAR(spot.actual[0], 1.0, 1e-9);
  for (int j = 0; j <= kGridLast; ++j) EXPECT_DOUBLE_EQ(spot.ideal[j], spot.actual[j]) << j;
  int firstMinimum = 1;
  while (firstMinimum < kGridLast && spot.ideal[firstMinimum + 1] < spot.ideal[firstMinimum]) ++firstMinimum;
  EXPECT_EQ(firstMinimum, 12);
  EXPECT_LT(spot.ideal[12], 1e-3);
}

TEST_F(DiffractionProfilesTest, ObstructionDarkensTheSamplesUpToItsRoundedPercentage) {
  for (const auto& [percent, last] : {std::pair{33.0, 33}, {32.5, 32}, {33.5, 34}, {500.0, 101}}) {
    EXPECT_EQ(DarkThrough(percent), last) << percent;
  }

  // An error confined to the dark samples 0..33 changes nothing; one at sample 34 does.
  const SpotDiffraction clean = ComputeSpotDiffraction(surface, metrics, bessel, kDiameter, 33.0);
  for (int i = 0; i <= 33; ++i) metrics.ProfileErr[i] = 1e-4;
  const SpotDiffraction hidden = ComputeSpotDiffraction(surface, metrics, bessel, kDiameter, 33.0);
  metrics.ProfileErr[34] = 1e-4;
  const SpotDiffraction seen = ComputeSpotDiffraction(surface, metrics, bessel, kDiameter, 33.0);
  for (int j = 0; j <= kGridLast; ++j) EXPECT_DOUBLE_EQ(hidden.actual[j], clean.actual[j]) << j;
  EXPECT_NE(seen.actual[0], clean.actual[0]);
  // The ideal curve always belongs to the full aperture, normalised per pupil.
  EXPECT_NEAR(clean.actual[0], 1.0, 1e-9);
  EXPECT_NE(clean.actual[10], clean.ideal[10]);
  // A pupil dark to its rim sends no light at all.
  for (double value :
       ComputeRadialIntensity(surface.ProfileR, metrics.ProfileErr, bessel, SpotAngleStep(kDiameter), 100)) {
    EXPECT_EQ(value, 0.0);
  }
}

TEST_F(DiffractionProfilesTest, ConicWavefrontsHaveTheirMinimumRemovedAndDefocusIsWavesTimesTheStep) {
  for (int i = 0; i <= kGridLast; ++i) surface.ProfileZ[i] = ConicSag(surface.ProfileR[i], -1.0, 2000.0);
  const StarWavefronts w = ComputeStarWavefronts(surface, -1.0, 2000.0, 0.5);
  // A surface equal to the desired conic is the perfect mirror inside focus.
  for (int i = 0; i <= kGridLast; ++i) EXPECT_NEAR(w.inside[i], w.perfect[i], 1e-15) << i;
  for (const auto* wave : {&w.inside, &w.outside, &w.perfect}) {
    EXPECT_EQ(*std::min_element(wave->begin(), wave->begin() + kGridLast + 1), 0.0);
  }
  EXPECT_GT(w.inside[0], w.inside[100]);
  EXPECT_GT(w.outside[100], w.outside[0]);

  EXPECT_DOUBLE_EQ(DefocusStep(2000.0, 200.0), 16.0 * 0.00055 * 25.0);
  EXPECT_DOUBLE_EQ(StarAngleStep(200.0), 4.0 * SpotAngleStep(200.0));
  const StarTestImages images = ComputeStarTest(surface, -1.0, bessel, 2000.0, 5.0, 0.22, kDiameter, 0.0, {});
  EXPECT_DOUBLE_EQ(images.defocusMm, 1.1);
  EXPECT_EQ(images.rings[0], images.rings[1]);
}

TEST_F(DiffractionProfilesTest, StarTestInFocusShowsTheMirrorTwiceAndTheObstructedAiryDisk) {
  for (int i = 0; i <= kGridLast; ++i) {
    const double r = surface.ProfileR[i];
    surface.ProfileZ[i] = ConicSag(r, -1.0, 2000.0) + 5e-5 * std::sin(r / 10.0);
  }
  const StarTestImages images = ComputeStarTest(surface, -1.0, bessel, 2000.0, 0.0, 0.22, kDiameter, 33.0, {});
  const RadialIntensity airy =
      ComputeRadialIntensity(surface.ProfileR, std::array<double, kGridRoom>{}, bessel, StarAngleStep(kDiameter), 33);
  EXPECT_EQ(images.defocusMm, 0.0);
  for (int j = 0; j <= kGridLast; ++j) {
    EXPECT_DOUBLE_EQ(images.intensity[0][j], images.intensity[2][j]) << j;
    EXPECT_DOUBLE_EQ(images.intensity[1][j], airy[j]) << j;
  }
  EXPECT_EQ(images.rings[0], images.rings[2]);
  EXPECT_EQ(images.rings[1][0], 255);
  EXPECT_LT(images.intensity[0][0], 1.0);
}

TEST(StarGreyMappingTest, MapsDecadesAboveTheFloor) {
  const RadialIntensity intensity{1.0, 0.01, 1e-3, 2e-4};
  const StarRings plain = MapStarRings(intensity, {});
  EXPECT_EQ(plain[0], 255);
  EXPECT_EQ(plain[1], 85);
  for (int i : {2, 3, 4}) EXPECT_EQ(plain[i], kNotPainted) << i;

  const StarRings detail = MapStarRings(intensity, {.detail = true, .contrast = false});
  EXPECT_EQ(detail[0], 255);
  EXPECT_EQ(detail[1], static_cast<int>(std::nearbyint(255.0 * (0.91 * -2.0 + 4.0) / 4.0)));
  EXPECT_EQ(detail[3], static_cast<int>(std::nearbyint(255.0 * (0.91 * std::log10(2e-4) + 4.0) / 4.0)));
  EXPECT_EQ(detail[4], kNotPainted);
}

TEST(StarGreyMappingTest, ContrastMakesTheBrightestRingWhite) {
  RadialIntensity faint{};
  faint[5] = 0.1;
  faint[6] = 0.01;
  const StarRings rings = MapStarRings(faint, {.detail = false, .contrast = true});
  EXPECT_EQ(rings[5], 255);
  EXPECT_EQ(rings[6], 128);  // 127.5 rounds to even
  EXPECT_EQ(rings[0], kNotPainted);
  EXPECT_EQ(MapStarRings(faint, {})[5], 170);
}

}  // namespace
}  // namespace zonalyst
