#include "core/Astigmatism.h"
#include "tests/support/TestMirror.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <random>
#include <tuple>

namespace zonalyst {
namespace {

using testing::MirrorRecipe;
using testing::TestMirror;

// A 200 mm f/6 paraboloid, as the worked example of the method.
MirrorRecipe F6(bool moving = true) { return {.roc = 2400.0, .diameter = 200.0, .movingSource = moving}; }

double Cos2(double deg, double axisDeg) { return std::cos(2.0 * (deg - axisDeg) * std::numbers::pi / 180.0); }

// The mirror at an orientation: every reading of its perfect test moved by the astigmatism's
// k0 + A cos 2(theta - theta0), and zone `zone` also by `zonal` cos 2 theta.
OrientedTest Turned(const MirrorRecipe& recipe, double deg, double k0, double a, double axisDeg, int zone = 0,
                    double zonal = 0.0) {
  MirrorTest test = testing::TurnedMirror(recipe, deg, a, axisDeg);
  for (int z = 1; z <= test.ZoneCount; ++z) test.KeReading[z][1] += k0 + (z == zone ? zonal * Cos2(deg, 0.0) : 0.0);
  return {"rot" + std::to_string(static_cast<int>(deg)) + ".fdr", test, deg};
}

// The angle between two axes, 0..90 degrees.
double AxisError(double a, double b) {
  const double d = std::fabs(std::fmod(a - b + 360.0, 180.0));
  return std::min(d, 180.0 - d);
}

AstigmatismFit Fitted(const std::vector<OrientedTest>& tests) {
  const AstigmatismResult result = FitAstigmatism(tests);
  EXPECT_EQ(result.refusal, "");
  return result.fit.value_or(AstigmatismFit{});
}

TEST(Astigmatism, ThreeOrientationsGiveTheAmplitudeAxisAndWavefrontOfEitherSource) {
  for (const bool moving : {true, false}) {
    for (const double axis : {0.0, 17.0, 45.0, 90.0, 133.0, 179.9}) {
      for (const auto& angles : {std::vector{0.0, 60.0, 120.0}, std::vector{0.0, 45.0, 90.0}}) {
        std::vector<OrientedTest> tests;
        for (const double deg : angles) tests.push_back(Turned(F6(moving), deg, 0.3, 0.0213, axis));
        const AstigmatismFit fit = Fitted(tests);
        SCOPED_TRACE(::testing::Message() << "moving " << moving << " axis " << axis << " third " << angles[2]);
        EXPECT_NEAR(fit.amplitude, 0.0213, 1e-6);
        ASSERT_TRUE(fit.axisDeg.has_value());
        EXPECT_LT(AxisError(*fit.axisDeg, axis), 0.1);
        EXPECT_NEAR(*fit.k0, -0.0213 * Cos2(0.0, axis), 1e-9);  // a shift against the first test
        const double dr = moving ? 2.0 * 0.0213 : 0.0213;
        EXPECT_NEAR(fit.radiusDifferenceMm, dr, 1e-9);
        EXPECT_NEAR(fit.wavefrontPvNm, dr * 200.0 * 200.0 / (4.0 * 2400.0 * 2400.0) * 1e6, 1e-6);
        EXPECT_NEAR(fit.wavefrontPvWaves * 550.0, fit.wavefrontPvNm, 1e-9);
        EXPECT_NEAR(fit.surfacePvNm, fit.wavefrontPvNm / 2.0, 1e-12);
        EXPECT_NEAR(fit.amplitudeUncertainty, 0.0, 1e-9);
        for (const ZoneAstigmatism& zone : fit.zones) EXPECT_NEAR(zone.amplitude, 0.0213, 1e-6);
      }
    }
  }
}

TEST(Astigmatism, AQuarterWaveOnA200mmF6IsASwingOf0079mmWithAMovingSourceAndTheVerdictAllowsForTheScatter) {
  const auto fitted = [](double a, double scatter) {
    std::vector<OrientedTest> tests;
    for (const double deg : {0.0, 60.0, 120.0}) tests.push_back(Turned(F6(), deg, 0.0, a, 30.0));
    tests[1].test.KeReading[2][1] += scatter;
    tests[1].test.KeReading[5][1] -= scatter;
    return Fitted(tests);
  };
  EXPECT_NEAR(fitted(0.0792 / 2.0, 0.0).wavefrontPvWaves, 0.25, 0.001);
  const std::vector<std::tuple<double, double, QuarterWaveVerdict>> cases = {
      {0.030, 0.0, QuarterWaveVerdict::Within},
      {0.050, 0.0, QuarterWaveVerdict::Beyond},
      {0.030, 0.1, QuarterWaveVerdict::Undecided},
      {0.050, 0.1, QuarterWaveVerdict::Undecided},
  };
  for (const auto& [a, scatter, verdict] : cases) EXPECT_EQ(fitted(a, scatter).verdict, verdict) << a << " " << scatter;
}

TEST(Astigmatism, AnInchTestReportsReadingsInInchesAndTheWavefrontFromMillimetres) {
  MirrorRecipe inches{.roc = 96.0, .diameter = 8.0, .inches = true, .zones = {1.0, 2.0, 3.0, 3.8}};
  std::vector<OrientedTest> tests;
  for (const double deg : {0.0, 60.0, 120.0}) tests.push_back(Turned(inches, deg, 0.0, 0.001, 70.0));
  const AstigmatismFit fit = Fitted(tests);
  EXPECT_TRUE(fit.inches);
  EXPECT_NEAR(fit.amplitude, 0.001, 1e-9);
  EXPECT_NEAR(fit.radiusDifferenceMm, 2.0 * 0.0254, 1e-9);
  EXPECT_NEAR(fit.wavefrontPvNm, 2.0 * 0.0254 * 8.0 * 8.0 / (4.0 * 96.0 * 96.0) * 1e6, 1e-6);
}

TEST(Astigmatism, ARepeatedOrientationMeasuresTheDriftAndLeavesTheAmplitude) {
  std::vector<OrientedTest> tests;
  for (const double deg : {0.0, 60.0, 120.0}) tests.push_back(Turned(F6(), deg, 0.0, 0.015, 110.0));
  const AstigmatismFit three = Fitted(tests);
  for (const double repeat : {0.0, 180.0}) {  // 180 degrees is the same diameter
    std::vector<OrientedTest> four = tests;
    four.push_back(Turned(F6(), repeat, 0.02, 0.015, 110.0));
    const AstigmatismFit fit = Fitted(four);
    EXPECT_EQ(fit.orientations, 3);
    ASSERT_TRUE(fit.drift.has_value());
    EXPECT_NEAR(*fit.drift, 0.02, 1e-9);
    EXPECT_EQ(fit.tests[3].repeatOf, 0);
    EXPECT_NEAR(fit.amplitude, three.amplitude, 1e-6);
    EXPECT_NEAR(*fit.axisDeg, *three.axisDeg, 1e-6);
    EXPECT_GT(fit.amplitudeUncertainty, 0.005);  // the mirror moved at some turn: A is that uncertain
  }
}

TEST(Astigmatism, SurplusOrientationsAreFittedWithTheirResidual) {
  std::vector<OrientedTest> tests;
  for (const double deg : {0.0, 45.0, 90.0, 135.0}) tests.push_back(Turned(F6(), deg, 0.0, 0.01, 20.0));
  EXPECT_NEAR(Fitted(tests).residual, 0.0, 1e-12);
  tests[2].test.KeReading[1][1] += 0.006;  // one zone of one test: its mean moves by 0.001
  const AstigmatismFit fit = Fitted(tests);
  // A 0.001 jump at one of four symmetric orientations leaves 0.00025 in each residual.
  EXPECT_NEAR(fit.residual, 0.00025, 1e-9);
  EXPECT_NEAR(fit.amplitude, 0.01, 0.001);
}

TEST(Astigmatism, AZoneOfItsOwnShowsInItsOwnAmplitudeOnly) {
  std::vector<OrientedTest> tests;
  for (const double deg : {0.0, 60.0, 120.0}) tests.push_back(Turned(F6(), deg, 0.0, 0.01, 0.0, 4, 0.03));
  const AstigmatismFit fit = Fitted(tests);
  for (const ZoneAstigmatism& zone : fit.zones) EXPECT_NEAR(zone.amplitude, zone.zone == 4 ? 0.04 : 0.01, 1e-9);
  EXPECT_NEAR(fit.amplitude, 0.01 + 0.03 / 6.0, 1e-9);
  EXPECT_GT(fit.amplitudeUncertainty, 0.004);  // the zones disagree
}

TEST(Astigmatism, TwoOrientationsGiveTheDifferenceAndAskForAThird) {
  const std::vector<OrientedTest> tests = {Turned(F6(), 0.0, 0.0, 0.02, 30.0), Turned(F6(), 90.0, 0.0, 0.02, 30.0)};
  const AstigmatismFit fit = Fitted(tests);
  EXPECT_FALSE(fit.axisDetermined);
  EXPECT_FALSE(fit.axisDeg.has_value());
  EXPECT_FALSE(fit.k0.has_value());
  ASSERT_TRUE(fit.difference.has_value());
  EXPECT_NEAR(*fit.difference, 0.02 * (Cos2(90.0, 30.0) - Cos2(0.0, 30.0)), 1e-9);
  EXPECT_NEAR(fit.amplitude, std::fabs(*fit.difference) / 2.0, 1e-12);  // the least A it allows
  EXPECT_LT(fit.amplitude, 0.02);
  EXPECT_EQ(fit.verdict, QuarterWaveVerdict::Undecided);
}

TEST(Astigmatism, TestsThatAreNotOfOneMirrorMaskAndRigAreRefusedWithTheReason) {
  const auto other = [](auto change) {
    MirrorRecipe recipe = F6();
    change(recipe);
    return Turned(recipe, 60.0, 0.0, 0.0, 0.0);
  };
  const OrientedTest first = Turned(F6(), 0.0, 0.0, 0.0, 0.0);
  const std::vector<std::pair<OrientedTest, std::string>> cases = {
      {other([](MirrorRecipe& r) { r.diameter = 203.0; }), "other diameters (203, 200)"},
      {other([](MirrorRecipe& r) { r.roc = 2425.0; }), "radii of curvature more than 1 % apart"},
      {other([](MirrorRecipe& r) {
         r.zones = {20.0, 38.0, 55.0, 70.0, 83.0};
       }),
       "other zones"},
      {other([](MirrorRecipe& r) { r.zones[3] = 71.0; }), "other zones"},
      {other([](MirrorRecipe& r) { r.inches = true; }), "other units (inches, millimetres)"},
      {other([](MirrorRecipe& r) { r.movingSource = false; }), "other light sources (a fixed and a moving one)"},
      {Turned(F6(), 180.2, 0.0, 0.0, 0.0), "one orientation"},
  };
  for (const auto& [second, reason] : cases) {
    const AstigmatismResult result = FitAstigmatism({first, second});
    EXPECT_FALSE(result.fit.has_value()) << reason;
    EXPECT_NE(result.refusal.find(reason), std::string::npos) << result.refusal;
  }
  EXPECT_TRUE(FitAstigmatism({first, other([](MirrorRecipe& r) { r.roc = 2420.0; })}).fit.has_value());
  EXPECT_EQ(FitAstigmatism({first}).refusal,
            "Astigmatism compares 2 to 12 tests of one mirror at different orientations; 1 was given");
  EXPECT_FALSE(FitAstigmatism(std::vector<OrientedTest>(13, first)).fit.has_value());
}

// Readings with known noise: the stated uncertainty of A covers its error about as often as
// one and two standard deviations should, whether the noise is each reading's own or moves
// whole tests (the mirror shifting along the axis, which no zone sees).
TEST(Astigmatism, TheUncertaintyOfTheAmplitudeCoversItsError) {
  struct Case {
    double readingSd, testSd;
    std::vector<double> angles;
  };
  for (const Case& c : {Case{0.005, 0.0, {0.0, 60.0, 120.0}}, Case{0.002, 0.004, {0.0, 30, 60, 90, 120, 150, 0.0}}}) {
    std::mt19937 random(7);
    std::normal_distribution<double> reading(0.0, c.readingSd), shift(0.0, c.testSd);
    constexpr int kTrials = 300;
    int withinOne = 0, withinTwo = 0;
    for (int trial = 0; trial < kTrials; ++trial) {
      std::vector<OrientedTest> tests;
      for (const double deg : c.angles) {
        tests.push_back(Turned(F6(), deg, c.testSd > 0.0 ? shift(random) : 0.0, 0.03, 40.0));
        for (int z = 1; z <= 6; ++z) tests.back().test.KeReading[z][1] += reading(random);
      }
      const AstigmatismFit fit = Fitted(tests);
      const double error = std::fabs(fit.amplitude - 0.03);
      withinOne += error <= fit.amplitudeUncertainty;
      withinTwo += error <= 2.0 * fit.amplitudeUncertainty;
    }
    EXPECT_GE(withinOne, kTrials * 55 / 100) << c.readingSd;
    EXPECT_LE(withinOne, kTrials * 90 / 100) << c.readingSd;  // not so wide as to say nothing
    EXPECT_GE(withinTwo, kTrials * 85 / 100) << c.readingSd;
  }
}

TEST(Astigmatism, AnOrientationIsReadFromTheEndOfAFileName) {
  const std::vector<std::pair<std::string, std::optional<double>>> cases = {
      {"mirror@60.fdr", 60.0},      {"a/b/mirror_rot-22.5.fdr", -22.5},
      {"M_ROT90.FDR", 90.0},        {"m@1@120.fdr", 120.0},
      {"m.fdr", std::nullopt},      {"dir@5/m.fdr", std::nullopt},
      {"m@x.fdr", std::nullopt},    {"m_rot.fdr", std::nullopt},
      {"m@1e3.fdr", std::nullopt},  {"m@60.png", std::nullopt},
      {"m_rot-.fdr", std::nullopt}, {"m@6.0.0.fdr", std::nullopt},
  };
  for (const auto& [name, angle] : cases) EXPECT_EQ(OrientationInName(name), angle) << name;
}

}  // namespace
}  // namespace zonalyst
