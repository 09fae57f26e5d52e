#include "ChartCalls.h"
#include "plot/MilliesLacroixChart.h"
#include "plot/RasterSurface.h"
#include "tests/support/TestMirror.h"

#include <gtest/gtest.h>

namespace zonalyst::plot {
namespace {

using testing::CallsOf;
using testing::CallsWhere;
using testing::TextCall;

MilliesLacroix Judgement(int zones, double tol1, double largestDev, double largestRatio) {
  return {.zoneCount = zones, .tol = {0.0, tol1}, .largestDev = largestDev, .largestRatio = largestRatio};
}

TEST(TornadoScaleTest, RangeIsRoundedUpToAHundredthAndTheEnvelopeNeverStartsAtTheCentre) {
  const struct {
    double tol1, dev, range;
  } cases[] = {{0.123, 0.05, 0.13}, {0.05, 0.2, 0.2}, {0.05, 0.1234, 0.13}, {0.0449, 0.0, 0.05}, {0.125, 0.0, 0.13}};
  for (const auto& c : cases) {
    const TornadoScale s = TornadoScale::For(Judgement(4, c.tol1, c.dev, 0.0));
    EXPECT_NEAR(s.range, c.range, 1e-12) << c.tol1 << " " << c.dev;
    EXPECT_NEAR(s.unitsPer * s.gridStep, 20.0, 1e-9);
  }
  EXPECT_EQ(TornadoScale::For(Judgement(4, 0.0, 0.0, 0.0)).unitsPer, 0.0);

  EXPECT_EQ(EnvelopeStart(30.0, 200.0), 25);
  EXPECT_EQ(EnvelopeStart(5.0, 200.0), 1);  // 5 % of the semi-diameter: would start at 0
  EXPECT_EQ(EnvelopeStart(2.0, 200.0), 1);
  EXPECT_EQ(EnvelopeStart(10.0, 0.0), 100);
}

TEST(CorrectionScaleTest, PercentRisesToAMultipleOfFiftyAndBarsShareTheWidthBrightestInTheMiddle) {
  const std::pair<double, double> cases[] = {{1.0, 100}, {1.234, 150}, {0.5, 50},  {0.51, 100},
                                             {2.0, 200}, {0.004, 0},   {0.005, 0}, {0.0051, 50}};
  for (const auto& [ratio, percent] : cases) {
    const CorrectionScale s = CorrectionScale::For(Judgement(4, 0.1, 0.0, ratio));
    EXPECT_EQ(s.percent, percent) << ratio;
    EXPECT_EQ(s.drawn(), percent != 0.0);
  }
  EXPECT_EQ(CorrectionScale::For(Judgement(4, 0.1, 0.0, 1.0)).barWidth, 90);
  EXPECT_EQ(CorrectionScale::For(Judgement(15, 0.1, 0.0, 1.0)).barWidth, 19);
  EXPECT_DOUBLE_EQ(CorrectionScale::For(Judgement(4, 0.1, 0.0, 1.0)).unitsPerPercent, 2.0);

  EXPECT_EQ(BarShade(45, 90), 255);
  EXPECT_EQ(BarShade(5, 90), 21);  // 255 - 255 * (40/45)^0.75 = 21.6
  EXPECT_EQ(BarShade(85, 90), 21);
  EXPECT_LT(BarShade(30, 90), BarShade(40, 90));
}

// A 200 mm f/5 paraboloid read exactly on its ideal readings with a fixed source.
class MilliesLacroixChartTest : public ::testing::Test {
 protected:
  MilliesLacroix draw() {
    const MilliesLacroix ml = ComputeMilliesLacroix(test, 0);
    DrawMilliesLacroix(s, test, ml);
    return ml;
  }
  bool printed(const std::string& text) const { return TextCall(s, text) != nullptr; }
  template <typename Pred>
  std::vector<RecordedCall> lines(Pred pred) const {
    return CallsWhere(s, [&](const RecordedCall& c) { return c.op == RecordedCall::Op::Line && pred(c); });
  }

  MirrorTest test = zonalyst::testing::TestMirror(
      {.roc = 2000.0, .movingSource = false, .zones = {30.0, 55.0, 75.0, 92.0}, .readingOffset = 2.0});
  RasterSurface raster{740, 280};
  RecordingSurface s{raster};
};

TEST_F(MilliesLacroixChartTest, IdealReadingsGiveFullBarsAndZoneMarksOnTheMiddleLine) {
  draw();
  ASSERT_FALSE(s.calls().empty());
  EXPECT_EQ(s.calls()[0].op, RecordedCall::Op::Clear);

  // Tornado grid: 11 grey lines 20 units apart around the middle y = 140.
  const auto grid = lines([](const RecordedCall& c) { return c.colour == kGridGrey && c.x1 == 400; });
  ASSERT_EQ(grid.size(), 11u);
  for (int k = 0; k <= 10; ++k) {
    EXPECT_NEAR(grid[k].y1, 140 + (k - 5) * 20, 1e-9);
    EXPECT_EQ(grid[k].x2, 670);
  }
  // tol(1) = 2 x 2000 x 0.0033467 / 30 = 0.4462 -> 0.45; grid step 0.09.
  for (const char* label : {"0.000", "0.450", "-0.450", "-0.090", "M-L Tornado (MaxRTA = 0)", "100%",
                            "Percentage of Desired Correction", "Between Zone and Zone -1"}) {
    EXPECT_TRUE(printed(label)) << label;
  }
  // The correction chart's captions take the yellow of the bar labels drawn before them.
  for (const char* caption : {"Percentage of Desired Correction", "Between Zone and Zone -1"}) {
    EXPECT_EQ(TextCall(s, caption)->colour, kYellow) << caption;
  }

  const auto circles = CallsOf(s, RecordedCall::Op::Circle);
  ASSERT_EQ(circles.size(), 4u);
  for (const auto& c : circles) {
    EXPECT_EQ(c.colour, kYellow);
    EXPECT_NEAR(c.y1, 140.0, 1e-6);
    EXPECT_EQ(c.radius, 3.0);
  }

  // Every bar reaches 100 %, the green line at the top of the chart (P = 100).
  const auto full = lines([](const RecordedCall& c) { return c.colour == kGreen && c.x1 == 340 && c.x2 == 70; });
  ASSERT_FALSE(full.empty());
  EXPECT_EQ(full.front().y1, 40.0);
  const auto bars = lines([](const RecordedCall& c) {
    return c.colour.r == 0 && c.colour.g == c.colour.b && c.colour.g > 0 && c.x1 == c.x2;
  });
  EXPECT_EQ(bars.size(), 3u * 81u);  // j = 5..85 in bars 90 wide
  for (const auto& c : bars) {
    EXPECT_EQ(c.y1, 240.0);
    EXPECT_NEAR(c.y2, 40.0, 1e-6);
  }
}

TEST_F(MilliesLacroixChartTest, EnvelopeStartsFivePercentInsideTheFirstZone) {
  const MilliesLacroix ml = draw();
  const auto right = lines([](const RecordedCall& c) { return c.colour == kGreen && c.x1 > 370; });
  ASSERT_FALSE(right.empty());
  EXPECT_EQ(right.front().x1, 370 + 3 * 25);
  EXPECT_NEAR(right.front().y1, 140 - 2.0 * 2000 * ml.rta / 25.0 * (100 / 0.45), 1e-9);
}

TEST_F(MilliesLacroixChartTest, SphereDrawsOnlyTheTornado) {
  test.DesiredConic = 0.0;
  draw();
  EXPECT_FALSE(printed("Percentage of Desired Correction"));
  EXPECT_FALSE(printed("0%"));
  for (const auto& c : CallsOf(s, RecordedCall::Op::Line)) EXPECT_GT(std::max(c.x1, c.x2), 370.0);
  EXPECT_EQ(CallsOf(s, RecordedCall::Op::Text).back().text.rfind("M-L Tornado (MaxRTA = ", 0), 0u);
}

}  // namespace
}  // namespace zonalyst::plot
