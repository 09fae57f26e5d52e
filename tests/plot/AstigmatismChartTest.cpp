#include "ChartCalls.h"
#include "plot/AstigmatismChart.h"
#include "plot/RasterSurface.h"
#include "tests/support/TestMirror.h"

#include <gtest/gtest.h>

namespace zonalyst::plot {
namespace {

using testing::CallsOf;
using testing::LinesOf;

// 0.01 mm of astigmatism at 30 degrees seen at 0, 60 and 120 degrees, 0 taken again 0.004 mm off.
AstigmatismFit Fit() {
  std::vector<OrientedTest> tests;
  for (const double deg : {0.0, 60.0, 120.0, 180.0}) {
    tests.push_back({"t.fdr", zonalyst::testing::TurnedMirror({}, deg, 0.01, 30.0), deg});
  }
  for (int z = 1; z <= 6; ++z) tests[3].test.KeReading[z][1] += 0.004;
  return *FitAstigmatism(tests).fit;
}

TEST(AstigmatismChart, TheFrameHoldsEveryShiftAndTheCurveWithinRoundSteps) {
  const AstigmatismFit fit = Fit();
  const AstigmatismFrame f = AstigmatismFrame::For(fit);
  EXPECT_DOUBLE_EQ(f.x(0.0), f.left);
  EXPECT_DOUBLE_EQ(f.x(180.0), f.right);
  EXPECT_DOUBLE_EQ(f.x(90.0), (f.left + f.right) / 2.0);
  EXPECT_LE(f.shiftLow, *fit.k0 - fit.amplitude);
  EXPECT_GE(f.shiftHigh, *fit.k0 + fit.amplitude);
  EXPECT_GE(f.shiftHigh, fit.tests[3].shift);  // the repeat
  EXPECT_NEAR(std::remainder(f.shiftLow, f.step), 0.0, 1e-12);
}

TEST(AstigmatismChart, DrawsEachTestAsACrossOnTheFittedCurveTheRepeatRingedAndTheAxisMarked) {
  const AstigmatismFit fit = Fit();
  RasterSurface raster(kAstigmatismChartWidth, kAstigmatismChartHeight);
  RecordingSurface s(raster);
  DrawAstigmatism(s, fit);
  const AstigmatismFrame f = AstigmatismFrame::For(fit);

  const std::vector<RecordedCall> white = LinesOf(s, kWhite);
  for (const OrientationShift& t : fit.tests) {
    const auto crossAt = [&](const RecordedCall& c) {
      return c.y1 == c.y2 && (c.x1 + c.x2) / 2.0 == f.x(AsDiameterDeg(t.angleDeg)) && c.y1 == f.y(t.shift);
    };
    EXPECT_TRUE(std::any_of(white.begin(), white.end(), crossAt)) << t.angleDeg;
  }
  // The curve runs through the three orientations that determine it.
  const auto curveAt = [&](double deg) {
    return std::any_of(white.begin(), white.end(), [&](const RecordedCall& c) {
      return c.x1 == f.x(deg) && std::fabs(c.y1 - f.y(*fit.fittedShift(deg))) < 1e-9;
    });
  };
  for (const double deg : {0.0, 60.0, 120.0}) EXPECT_TRUE(curveAt(deg)) << deg;
  std::size_t rings = 0, zoneDots = 0;
  for (const RecordedCall& c : CallsOf(s, RecordedCall::Op::Circle)) {
    rings += c.colour == kWhite && c.x1 == f.x(0.0) && c.y1 == f.y(fit.tests[3].shift);
    zoneDots += c.radius == 2.0 && c.x1 < f.right;  // not the legend's
  }
  EXPECT_EQ(rings, 1u);
  EXPECT_EQ(zoneDots, 4u * 6u);
  const std::vector<RecordedCall> axis = LinesOf(s, kYellow);
  ASSERT_FALSE(axis.empty());
  EXPECT_DOUBLE_EQ(axis.front().x1, f.x(30.0));
}

}  // namespace
}  // namespace zonalyst::plot
