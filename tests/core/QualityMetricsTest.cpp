#include "core/BesselTable.h"
#include "core/QualityMetrics.h"
#include "core/SurfaceAnalysis.h"
#include "tests/support/FilledBessel.h"
#include "tests/support/TestMirror.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <tuple>

namespace zonalyst {
namespace {

using testing::ConicSurface;

TEST(BesselTable, HoldsPiTimesJ0) {
  const BesselTable& t = testing::FilledBessel();
  EXPECT_EQ(t[4007], 0.0);
  EXPECT_EQ(t[4010], 0.0);
  EXPECT_EQ(t.at(5000.0), 0.0);
  EXPECT_EQ(t.at(-1.0), 0.0);
  double worst = 0.0;
  for (int n = 0; n < BesselTable::kFilled; ++n) {
    worst =
        std::max(worst, std::abs(t[n] - std::numbers::pi * std::cyl_bessel_j(0.0, 2.0 * std::numbers::pi * n / 100.0)));
  }
  EXPECT_LT(worst, 3e-6);
}

void Measure(const SurfaceProfile& p, double K, double R, double D, QualityMetrics& m) {
  m.GlassVolume = ComputeErrorProfile(p, K, R, D, m);
  ComputeRms(p, K, R, m);
  ComputeDiffraction(p, testing::FilledBessel(), D, 0.0, m);
}

// A perfect paraboloid, and a sphere lifted by a piston, which is removed everywhere.
TEST(QualityMetrics, PerfectSurfaceAndPiston) {
  QualityMetrics m;
  Measure(ConicSurface(-1.0, 1600.0, 200.0, [](double) { return 0.0; }), -1.0, 1600.0, 200.0, m);
  EXPECT_EQ(std::tuple(m.PeakValley, m.PvFraction, m.TransErrMax, m.RmsWaves, m.GlassVolume, m.TransErr[0]),
            std::tuple(0.0, 1000.0, 0.0, 0.0, 0.0, 0.0));
  EXPECT_DOUBLE_EQ(m.Strehl, 1.0);
  EXPECT_DOUBLE_EQ(m.EncircledRatio, 1.0);

  QualityMetrics piston;
  Measure(ConicSurface(0.0, 2000.0, 150.0, [](double) { return 0.0021; }), 0.0, 2000.0, 150.0, piston);
  EXPECT_EQ(piston.PvFraction, 1000.0);
  EXPECT_NEAR(piston.RmsWaves, 0.0, 1e-6);
  EXPECT_NEAR(piston.Strehl, 1.0, 1e-12);
  EXPECT_NEAR(piston.GlassVolume, 0.0, 1e-12);
}

TEST(QualityMetrics, QuarterWaveStepOverTheOuterHalf) {
  const SurfaceProfile p = ConicSurface(-1.0, 1600.0, 200.0, [](double f) { return f > 0.5 ? 0.00055 / 4.0 : 0.0; });
  QualityMetrics m;
  const double volume = ComputeErrorProfile(p, -1.0, 1600.0, 200.0, m);
  EXPECT_NEAR(m.PvFraction, 4.0, 1e-9);
  EXPECT_NEAR(m.PeakValley, 0.00055 / 4.0, 1e-15);
  // Rings of width 1 mm from r = 51 to 100 stand 0.1375 um high.
  double rings = 0.0;
  for (int i = 51; i <= 100; ++i) rings += 2 * std::numbers::pi * i * 1.0 * 0.00055 / 4.0;
  EXPECT_NEAR(volume, rings, 1e-9);
  // The step between samples 50 and 51 is the largest slope: 2 L dz / dr / lambda.
  EXPECT_NEAR(m.TransErrMax, 2 * 200.0 * (0.00055 / 4.0) / 1.0 / 0.00055, 1e-9);
}

TEST(QualityMetrics, ObstructionDarkensTheInnerSamples) {
  const SurfaceProfile p = ConicSurface(-1.0, 1600.0, 200.0, [](double) { return 0.0; });
  QualityMetrics m;
  ComputeErrorProfile(p, -1.0, 1600.0, 200.0, m);
  ComputeDiffraction(p, testing::FilledBessel(), 200.0, 33.0, m);
  EXPECT_NEAR(m.Strehl, 1.0, 1e-12);                                // each pupil is normalised to itself
  EXPECT_NE(m.EncircledRatio, 1.0);                                 // but the obstructed pattern spreads differently
  ComputeDiffraction(p, testing::FilledBessel(), 200.0, 100.0, m);  // nothing left: the previous values stay
  EXPECT_TRUE(std::isfinite(m.Strehl));
  EXPECT_TRUE(std::isfinite(m.EncircledRatio));
}

TEST(FindBestFitRoc, FindsTheRadiusOfTheMeasuredConic) {
  const SurfaceProfile p = ConicSurface(-1.0, 1601.25, 200.0, [](double) { return 0.0; });
  QualityMetrics m;
  EXPECT_NEAR(FindBestFitRoc(p, -1.0, 1600.0, m), 1601.25, 1e-3);
}

// The radius search computes trial radii side by side and answers repeated ones from
// memory, and the metrics' loops are written to vectorise: none of it may move a result.
// These are the plain computations' results, to the last bit.
TEST(FindBestFitRoc, GivesThePlainSearchsRadiusToTheLastBit) {
  // clang-format off
  const struct {
    SurfaceProfile surface;
    double K, R0;
    double radius, rms;  // found, and RmsWaves of the last trial radius
  } cases[] = {
      {ConicSurface(-1.0, 1600.0, 200.0, [](double f) { return 2e-5 * std::cos(6 * f); }), -1.0, 1600.0,
       0x1.8ffef87fed9fp+10, 0x1.236cd0bcd25d4p-5},
      {ConicSurface(0.0, 900.0, 250.0, [](double f) { return 3e-5 * f * f * f; }), 0.0, 905.0, 0x1.c1ff945f26c8bp+9,
       0x1.51592f2a7df68p-8},
      {ConicSurface(-0.7, 900.0, 250.0, [](double f) { return 3e-5 * f * f * f; }), 40.0, 901.3, 0x1.0da6cccc4044bp+10,
       0x1.d8ea811212346p+8},  // the outer samples lie beyond the rim of K = 40
      {ConicSurface(-1.0, 3000.0, 300.0, [](double f) { return -4e-5 * f * f * (1 - f); }), -1.3, 2990.0,
       0x1.76edc87eb6137p+11, 0x1.9ad29247ea523p-3},
  };
  // clang-format on
  for (const auto& c : cases) {
    QualityMetrics m;
    EXPECT_EQ(FindBestFitRoc(c.surface, c.K, c.R0, m), c.radius) << "K " << c.K;
    EXPECT_EQ(m.RmsWaves, c.rms) << "K " << c.K;
  }
}

TEST(SurfaceAnalysis, GivesThePlainComputationsResultsToTheLastBit) {
  const BesselTable& bessel = testing::FilledBessel();
  const struct {
    testing::MirrorRecipe recipe;
    double bestFit, rmsWaves, sag73, transErrMax, glassVolume;
  } cases[] = {
      {{.roc = 2200.0, .movingSource = false},
       0x1.12ffd9d8bfb4bp+11,
       0x1.f62f470d0294fp-10,
       0x1.360d150220052p+0,
       0x1.afe9cd944ep-4,
       0x1.b31bfa999334cp-6},
      {{.roc = 1600.0, .conic = 0.0},
       0x1.8fff65c20501p+10,
       0x1.dab428c2fa899p-8,
       0x1.aa8af665aaf64p+0,
       0x1.96c071fb8da2ep-2,
       0x1.9da5d0a0d7e7fp-4},
      {{.roc = 60.0, .diameter = 8.0, .conic = -1.2, .inches = true, .zones = {1.0, 2.0, 2.8, 3.4, 3.9}},
       0x1.7cff6803a6d45p+10,
       0x1.1a13591c50c1bp-7,
       0x1.cdf6dab9a3f9ap+0,
       0x1.84349b98df781p-1,
       0x1.d18fcda51dee3p-4},
  };
  for (const auto& c : cases) {
    MirrorTest test = testing::TestMirror(c.recipe);
    const double unit = c.recipe.inches ? 0.04 : 1.0;
    for (int z = 1; z <= test.ZoneCount; ++z) test.KeReading[z][1] += 0.01 * ((z * 7) % 5 - 2) * unit;
    SurfaceAnalysis analysis(bessel);
    const BestFit fit = analysis.analyse(test);
    const QualityMetrics& m = analysis.metrics();
    EXPECT_EQ(std::tuple(fit.bestFitRocMm, m.RmsWaves, analysis.profile().ProfileZ[73], m.TransErrMax, m.GlassVolume),
              std::tuple(c.bestFit, c.rmsWaves, c.sag73, c.transErrMax, c.glassVolume))
        << "ROC " << c.recipe.roc;
  }
}

}  // namespace
}  // namespace zonalyst
