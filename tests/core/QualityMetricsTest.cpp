#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <tuple>

#include "core/BesselTable.h"
#include "core/ConicGeometry.h"
#include "core/QualityMetrics.h"
#include "tests/support/FilledBessel.h"
#include "tests/support/TestMirror.h"

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
    worst = std::max(worst, std::abs(t[n] - std::numbers::pi * std::cyl_bessel_j(0.0, 2.0 * std::numbers::pi * n / 100.0)));
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
  const SurfaceProfile p =
      ConicSurface(-1.0, 1600.0, 200.0, [](double f) { return f > 0.5 ? 0.00055 / 4.0 : 0.0; });
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
  EXPECT_NEAR(m.Strehl, 1.0, 1e-12);  // each pupil is normalised to itself
  EXPECT_NE(m.EncircledRatio, 1.0);   // but the obstructed pattern spreads differently
  ComputeDiffraction(p, testing::FilledBessel(), 200.0, 100.0, m);  // nothing left: the previous values stay
  EXPECT_TRUE(std::isfinite(m.Strehl));
  EXPECT_TRUE(std::isfinite(m.EncircledRatio));
}

TEST(FindBestFitRoc, FindsTheRadiusOfTheMeasuredConic) {
  const SurfaceProfile p = ConicSurface(-1.0, 1601.25, 200.0, [](double) { return 0.0; });
  QualityMetrics m;
  EXPECT_NEAR(FindBestFitRoc(p, -1.0, 1600.0, m), 1601.25, 1e-3);
}

TEST(FindBestFitRoc, MovesAtMostOneProbeStepFromAMinimum) {
  const SurfaceProfile p =
      ConicSurface(-1.0, 1600.0, 200.0, [](double f) { return 2e-5 * std::cos(6 * f); });
  QualityMetrics m;
  // Walk to a radius whose neighbours one probe step away are both worse.
  const double h = 0.0001;
  double x = FindBestFitRoc(p, -1.0, 1600.0, m);
  const auto F = [&](double radius) { return ComputeRms(p, -1.0, radius, m); };
  for (int guard = 0; guard < 1000; ++guard) {
    if (F(x + h) < F(x)) {
      x += h / 4;
    } else if (F(x - h) < F(x)) {
      x -= h / 4;
    } else {
      break;
    }
  }
  ASSERT_GE(F(x + h), F(x));
  ASSERT_GE(F(x - h), F(x));
  EXPECT_LE(std::abs(FindBestFitRoc(p, -1.0, x, m) - x), h + 1e-9);
}

// The radius search's own sag loop must give exactly what ConicSag gives.
TEST(ComputeRms, AgreesBitForBitWithTheConicSag) {
  const SurfaceProfile p = ConicSurface(-0.7, 900.0, 250.0, [](double f) { return 3e-5 * f * f * f; });
  for (const double K : {-1.0, -0.5, 0.0, 1.2, 40.0}) {  // K = 40 puts the outer samples beyond the rim
    for (const double R : {700.0, 901.3, 1e4}) {
      double sr = 0, sdr = 0, sdd = 0;
      for (int i = 1; i <= 100; ++i) {
        const double r = p.ProfileR[i], d = p.ProfileZ[i] - ConicSag(r, K, R);
        sr += r, sdr += d * r, sdd += d * d * r;
      }
      const double c = -sdr / sr;
      QualityMetrics m;
      EXPECT_EQ(ComputeRms(p, K, R, m), 2 * std::sqrt((sdd + 2 * c * sdr + c * c * sr) / sr) / 0.00055)
          << "K " << K << " R " << R;
    }
  }
}

}  // namespace
}  // namespace zonalyst
