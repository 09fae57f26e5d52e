#include "plot/MilliesLacroixChart.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "plot/RasterSurface.h"
#include "plot/RecordingSurface.h"

namespace zonalyst::plot {
namespace {

using Op = RecordedCall::Op;

MilliesLacroix Judgement(int zones, double tol1, double largestDev, double largestRatio) {
  MilliesLacroix ml;
  ml.zoneCount = zones;
  ml.tol[1] = tol1;
  ml.largestDev = largestDev;
  ml.largestRatio = largestRatio;
  return ml;
}

TEST(TornadoScaleTest, RangeIsRoundedUpToAHundredth) {
  struct Case {
    double tol1, dev, range;
  };
  for (const Case c : {Case{0.123, 0.05, 0.13}, Case{0.05, 0.2, 0.2}, Case{0.05, 0.1234, 0.13},
                       Case{0.0449, 0.0, 0.05}, Case{0.125, 0.0, 0.13}}) {
    const TornadoScale s = TornadoScale::For(Judgement(4, c.tol1, c.dev, 0.0));
    EXPECT_NEAR(s.range, c.range, 1e-12) << c.tol1 << " " << c.dev;
    EXPECT_NEAR(s.unitsPer * s.gridStep, 20.0, 1e-9);
  }
  EXPECT_EQ(TornadoScale::For(Judgement(4, 0.0, 0.0, 0.0)).unitsPer, 0.0);
}

TEST(CorrectionScaleTest, PercentRisesToAMultipleOfFiftyAndBarsShareTheWidth) {
  struct Case {
    double ratio, percent;
  };
  for (const Case c : {Case{1.0, 100}, Case{1.234, 150}, Case{0.5, 50}, Case{0.51, 100}, Case{2.0, 200},
                       Case{0.004, 0}, Case{0.005, 0}, Case{0.0051, 50}}) {
    const CorrectionScale s = CorrectionScale::For(Judgement(4, 0.1, 0.0, c.ratio));
    EXPECT_EQ(s.percent, c.percent) << c.ratio;
    EXPECT_EQ(s.drawn(), c.percent != 0.0);
  }
  EXPECT_EQ(CorrectionScale::For(Judgement(4, 0.1, 0.0, 1.0)).barWidth, 90);
  EXPECT_EQ(CorrectionScale::For(Judgement(15, 0.1, 0.0, 1.0)).barWidth, 19);
  EXPECT_DOUBLE_EQ(CorrectionScale::For(Judgement(4, 0.1, 0.0, 1.0)).unitsPerPercent, 2.0);
}

TEST(CorrectionScaleTest, BarsAreBrightestInTheMiddle) {
  EXPECT_EQ(BarShade(45, 90), 255);
  EXPECT_EQ(BarShade(5, 90), 21);  // 255 - 255 * (40/45)^0.75 = 21.6
  EXPECT_EQ(BarShade(85, 90), 21);
  EXPECT_LT(BarShade(30, 90), BarShade(40, 90));
}

TEST(TornadoScaleTest, EnvelopeNeverStartsAtTheCentre) {
  EXPECT_EQ(EnvelopeStart(30.0, 200.0), 25);
  EXPECT_EQ(EnvelopeStart(5.0, 200.0), 1);  // 5 % of the semi-diameter: would start at 0
  EXPECT_EQ(EnvelopeStart(2.0, 200.0), 1);
  EXPECT_EQ(EnvelopeStart(10.0, 0.0), 100);
}

class MilliesLacroixChartTest : public ::testing::Test {
 protected:
  MilliesLacroixChartTest() : raster(740, 280), s(raster) {
    test.Units = 0;
    test.ZoneCount = 4;
    test.InnerOuterEntry = 0;
    test.Roc = 2000.0;
    test.Diameter = 200.0;
    test.DesiredConic = -1.0;
    const double radii[] = {0.0, 30.0, 55.0, 75.0, 92.0};
    for (int z = 1; z <= 4; ++z) {
      test.ZoneRadius[z] = {radii[z], 0.0, radii[z]};
      test.KeReading[z][1] = 4.0 + radii[z] * radii[z] / test.Roc;
    }
  }
  std::vector<RecordedCall> TextCalls() const {
    std::vector<RecordedCall> texts;
    std::copy_if(s.calls().begin(), s.calls().end(), std::back_inserter(texts),
                 [](const RecordedCall& c) { return c.op == Op::Text; });
    return texts;
  }
  bool Printed(const std::string& text) const {
    const auto texts = TextCalls();
    return std::any_of(texts.begin(), texts.end(), [&](const RecordedCall& c) { return c.text == text; });
  }
  MirrorTest test;
  RasterSurface raster;
  RecordingSurface s;
};

TEST_F(MilliesLacroixChartTest, IdealReadingsGiveFullBarsAndZoneMarksOnTheMiddleLine) {
  const MilliesLacroix ml = ComputeMilliesLacroix(test, 0);
  DrawMilliesLacroix(s, test, ml);
  ASSERT_FALSE(s.calls().empty());
  EXPECT_EQ(s.calls()[0].op, Op::Clear);

  // Tornado grid: 11 grey lines 20 units apart around the middle y = 140.
  std::vector<double> gridY;
  for (const auto& c : s.calls()) {
    if (c.op == Op::Line && c.colour == kGridGrey && c.x1 == 370 + 30) {
      EXPECT_EQ(c.x2, 370 + 300);
      gridY.push_back(c.y1);
    }
  }
  ASSERT_EQ(gridY.size(), 11u);
  for (int k = 0; k <= 10; ++k) EXPECT_NEAR(gridY[k], 140 + (k - 5) * 20, 1e-9);
  EXPECT_TRUE(Printed("0.000"));
  // tol(1) = 2 x 2000 x 0.0033467 / 30 = 0.4462 -> 0.45; grid step 0.09.
  EXPECT_TRUE(Printed("0.450"));
  EXPECT_TRUE(Printed("-0.450"));
  EXPECT_TRUE(Printed("-0.090"));

  int circles = 0;
  for (const auto& c : s.calls()) {
    if (c.op != Op::Circle) continue;
    ++circles;
    EXPECT_EQ(c.colour, kYellow);
    EXPECT_NEAR(c.y1, 140.0, 1e-6);
    EXPECT_EQ(c.radius, 3.0);
  }
  EXPECT_EQ(circles, 4);
  EXPECT_TRUE(Printed("M-L Tornado (MaxRTA = 0)"));

  // Every bar reaches 100 %, the green line at the top of the chart (P = 100).
  bool fullLine = false;
  int barLines = 0;
  for (const auto& c : s.calls()) {
    if (c.op == Op::Line && c.colour == kGreen && c.x1 == 370 - 30 && c.x2 == 370 - 300) {
      fullLine = true;
      EXPECT_EQ(c.y1, 40.0);
    }
    if (c.op == Op::Line && c.colour.r == 0 && c.colour.g == c.colour.b && c.colour.g > 0 && c.x1 == c.x2) {
      ++barLines;
      EXPECT_EQ(c.y1, 240.0);
      EXPECT_NEAR(c.y2, 40.0, 1e-6);
    }
  }
  EXPECT_TRUE(fullLine);
  EXPECT_EQ(barLines, 3 * 81);  // j = 5..85 in bars 90 wide
  EXPECT_TRUE(Printed("100%"));
  EXPECT_TRUE(Printed("Percentage of Desired Correction"));
  EXPECT_TRUE(Printed("Between Zone and Zone -1"));
}

TEST_F(MilliesLacroixChartTest, EnvelopeStartsFivePercentInsideTheFirstZone) {
  const MilliesLacroix ml = ComputeMilliesLacroix(test, 0);
  DrawMilliesLacroix(s, test, ml);
  const auto first = std::find_if(s.calls().begin(), s.calls().end(), [](const RecordedCall& c) {
    return c.op == Op::Line && c.colour == kGreen && c.x1 > 370;
  });
  ASSERT_NE(first, s.calls().end());
  EXPECT_EQ(first->x1, 370 + 3 * 25);
  EXPECT_NEAR(first->y1, 140 - 2.0 * 2000 * ml.rta / 25.0 * (100 / 0.45), 1e-9);
}

TEST_F(MilliesLacroixChartTest, SphereDrawsOnlyTheTornado) {
  test.DesiredConic = 0.0;
  const MilliesLacroix ml = ComputeMilliesLacroix(test, 0);
  DrawMilliesLacroix(s, test, ml);
  EXPECT_FALSE(Printed("Percentage of Desired Correction"));
  EXPECT_FALSE(Printed("0%"));
  for (const auto& c : s.calls()) {
    if (c.op == Op::Line) {
      EXPECT_GT(std::max(c.x1, c.x2), 370.0);
    }
  }
  EXPECT_EQ(TextCalls().back().text.rfind("M-L Tornado (MaxRTA = ", 0), 0u);
}

}  // namespace
}  // namespace zonalyst::plot
