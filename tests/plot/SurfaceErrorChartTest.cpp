#include "plot/SurfaceErrorChart.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "ChartCalls.h"
#include "core/BesselTable.h"
#include "core/SurfaceAnalysis.h"
#include "plot/PictureSizes.h"
#include "plot/RasterSurface.h"
#include "tests/core/SyntheticMirror.h"

namespace zonalyst::plot {
namespace {

using testing::CallsOf;
using testing::LinesOf;
using testing::TextCall;
using Op = RecordedCall::Op;

TEST(SurfaceErrorScale, RowFollowsThePeakToValleyWavefrontError) {
  const ProfileSpan span{0.0, 0.0004};
  struct Case {
    double pvFraction;
    const char* title;
    Rgb colour;
    double unitsPerMm;
  };
  const Case cases[] = {
      {1000.0, "1/4 Lambda Wave Front Scale", kWhite, 200.0 / (0.00055 / 8)},
      {8.01, "1/4 Lambda Wave Front Scale", kWhite, 200.0 / (0.00055 / 8)},
      {8.0, "1/2 Lambda Wave Front Scale", kYellow, 200.0 / (0.00055 / 4)},
      {4.01, "1/2 Lambda Wave Front Scale", kYellow, 200.0 / (0.00055 / 4)},
      {4.0, "1 Lambda Wave Front Scale", kRed, 200.0 / (0.00055 / 2)},
      {2.0, "1 Lambda Wave Front Scale", kRed, 200.0 / 0.0004},
      {0.8, "2.5 Lambda Wave Front Scale", kRed, 200.0 / 0.0004},
      {0.3, "6.67 Lambda Wave Front Scale", kRed, 200.0 / 0.0004},
  };
  for (const Case& c : cases) {
    const SurfaceErrorScale scale = ChooseSurfaceErrorScale(c.pvFraction, span);
    EXPECT_EQ(scale.title, c.title) << c.pvFraction;
    EXPECT_EQ(scale.colour, c.colour) << c.pvFraction;
    EXPECT_DOUBLE_EQ(scale.unitsPerMm, c.unitsPerMm) << c.pvFraction;
  }
}

TEST(SurfaceErrorScale, ProfileSpanStartsFromItsSentinels) {
  QualityMetrics m;
  ProfileSpan span = SpanOfProfile(m);
  EXPECT_EQ(span.min, 0.0);
  EXPECT_EQ(span.max, 1e-100);
  m.ProfileErr[37] = 0.0002;
  m.ProfileErr[101] = 5.0;  // beyond the grid: not part of the curve
  span = SpanOfProfile(m);
  EXPECT_EQ(span.max, 0.0002);
}

TEST(NanometreGrid, StepIsTheFirstCandidateHoldingTheHeightLessFive) {
  struct Case {
    double heightNm;
    double step;
  };
  const Case cases[] = {{68.75, 5}, {129.9, 5}, {130.1, 10}, {137.5, 10}, {194.9, 10},
                        {195.1, 15}, {275.0, 20}, {1000.0, 75}, {1e6, 76920}};
  for (const Case& c : cases) {
    const auto step = NanometreGridStep(200.0 / (c.heightNm * 1e-6));
    ASSERT_TRUE(step.has_value()) << c.heightNm;
    EXPECT_DOUBLE_EQ(*step, c.step) << c.heightNm;
  }
}

TEST(NanometreGrid, HeightsThatAreNoNumberGiveNoGridAndNeverHang) {
  const double inf = std::numeric_limits<double>::infinity();
  for (double unitsPerMm : {0.0, inf, -inf, std::nan(""), -5.0}) {
    EXPECT_FALSE(NanometreGridStep(unitsPerMm).has_value()) << unitsPerMm;
  }
  const auto huge = NanometreGridStep(1e-290);
  ASSERT_TRUE(huge.has_value());
  EXPECT_TRUE(std::isfinite(*huge));
  EXPECT_GE(13.0 * (*huge + 5.0), 200.0 / 1e-290 * 1e6);
}

TEST(NanometreGrid, LabelColoursByHeightKeepingTheLastAbove280) {
  EXPECT_EQ(GridLabelColour(0, kRed), kWhite);
  EXPECT_EQ(GridLabelColour(65, kRed), kWhite);
  EXPECT_EQ(GridLabelColour(70, kWhite), kYellow);
  EXPECT_EQ(GridLabelColour(135, kWhite), kYellow);
  EXPECT_EQ(GridLabelColour(140, kWhite), kRed);
  EXPECT_EQ(GridLabelColour(275, kWhite), kRed);
  EXPECT_EQ(GridLabelColour(280, kYellow), kYellow);
  EXPECT_EQ(GridLabelColour(1300, kWhite), kWhite);
}

class SurfaceErrorChartTest : public ::testing::Test {
 protected:
  void SetUp() override { FillBesselTable(bessel_); }

  // A 200 mm f/6 paraboloid measured exactly, so its error is far below 1/1000 wave.
  void drawPerfectMirror() {
    test_ = zonalyst::testing::PerfectConicTest(-1.0, 2400.0, 200.0, zonalyst::testing::kSixZones);
    SurfaceAnalysis analysis(bessel_);
    analysis.analyse(test_);
    metrics_ = analysis.metrics();
    DrawSurfaceError(recording_, test_, metrics_);
  }

  BesselTable bessel_;
  MirrorTest test_;
  QualityMetrics metrics_;
  RasterSurface raster_{kSG.width, kSG.height};
  RecordingSurface recording_{raster_};
};

TEST_F(SurfaceErrorChartTest, QuarterWaveScaleHasFourteenWhiteGridLinesFiveNanometresApart) {
  drawPerfectMirror();
  ASSERT_EQ(metrics_.PvFraction, 1000.0);
  const RecordedCall* title = TextCall(recording_, "1/4 Lambda Wave Front Scale");
  ASSERT_NE(title, nullptr);
  EXPECT_EQ(title->colour, kWhite);
  EXPECT_EQ(title->y1, 1.0);

  const auto grid = LinesOf(recording_, kGridGrey);
  ASSERT_EQ(grid.size(), 14u);
  const double unitsPerMm = 200.0 / (0.00055 / 8);
  for (int j = 0; j < 14; ++j) {
    const double y = 240.0 - 5.0 * j * 1e-6 * unitsPerMm;
    EXPECT_EQ(grid[j].x1, 70.0);
    EXPECT_EQ(grid[j].x2, 670.0);
    EXPECT_DOUBLE_EQ(grid[j].y1, y);
    const std::string label = std::to_string(5 * j) + " nm ";
    const RecordedCall* text = TextCall(recording_, label);
    ASSERT_NE(text, nullptr) << label;
    EXPECT_EQ(text->colour, kWhite) << label;
    EXPECT_DOUBLE_EQ(text->x1 + raster_.textWidth(label), 70.0) << label;
    EXPECT_DOUBLE_EQ(text->y1 + 6.0, y - 1.0) << label;
  }
}

TEST_F(SurfaceErrorChartTest, LayoutOfCentreLineCurveAxesAndCaptions) {
  drawPerfectMirror();
  ASSERT_EQ(recording_.calls().front().op, Op::Clear);
  const auto olive = LinesOf(recording_, kOlive);
  ASSERT_FALSE(olive.empty());
  EXPECT_EQ(olive.front().x1, 370.0);
  EXPECT_EQ(olive.front().y1, 40.0);
  EXPECT_EQ(olive.front().y2, 240.0);

  const RecordedCall* mirror = TextCall(recording_, "Mirror");
  const RecordedCall* centre = TextCall(recording_, "Center");
  ASSERT_TRUE(mirror && centre);
  EXPECT_EQ(mirror->colour, kYellow);
  EXPECT_EQ(mirror->y1, 40.0 - 24.0 + 5.0);
  EXPECT_EQ(centre->y1, 40.0 - 12.0);
  EXPECT_DOUBLE_EQ(mirror->x1, 370.0 - raster_.textWidth("Mirror") / 2.0);

  // 100 fill lines and 100 outline segments on each half.
  EXPECT_EQ(LinesOf(recording_, kDarkRed).size(), 200u);
  const auto fill = LinesOf(recording_, kDarkRed);
  EXPECT_EQ(fill[2].x1, 373.0);
  EXPECT_EQ(fill[3].x1, 367.0);
  EXPECT_EQ(fill[2].y2, 240.0);
  for (const RecordedCall& c : fill) EXPECT_EQ(c.y1, std::round(c.y1));

  for (int k = 1; k <= 10; ++k) {
    const RecordedCall* label = TextCall(recording_, std::to_string(10 * k));
    ASSERT_NE(label, nullptr) << k;
    EXPECT_EQ(label->y1, 241.0);
  }
  const RecordedCall* millimetres = TextCall(recording_, "Millimeters of Radius");
  const RecordedCall* percent = TextCall(recording_, "Percent Radius");
  ASSERT_TRUE(millimetres && percent);
  EXPECT_EQ(millimetres->y1, 253.0);
  EXPECT_DOUBLE_EQ(percent->x1, 520.0 - raster_.textWidth("Percent Radius") / 2.0);
  EXPECT_EQ(TextCall(recording_, "Inches of Radius"), nullptr);
}

TEST_F(SurfaceErrorChartTest, ZoneMarksCrossTheCurveOnBothHalves) {
  drawPerfectMirror();
  const auto marks = LinesOf(recording_, kYellow);
  ASSERT_EQ(marks.size(), 12u);
  const double f = test_.effectiveRadius(3) / 100.0;
  EXPECT_DOUBLE_EQ(marks[4].x1, 370.0 - f * 300.0);
  EXPECT_DOUBLE_EQ(marks[5].x1, 370.0 + f * 300.0);
  EXPECT_DOUBLE_EQ(marks[4].y2 - marks[4].y1, 10.0);
  const double unitsPerMm = 200.0 / (0.00055 / 8);
  EXPECT_DOUBLE_EQ(marks[4].y1, 240.0 - 5.0 - unitsPerMm * metrics_.ProfileErr[static_cast<int>(f * 100)]);
  int zs = 0;
  for (const RecordedCall& c : CallsOf(recording_, Op::Text)) {
    if (c.text == "Z") {
      ++zs;
      EXPECT_EQ(c.colour, kYellow);
      EXPECT_EQ(c.y1, 40.0 - 12.0 - 9.0);
    }
  }
  EXPECT_EQ(zs, 12);
}

TEST_F(SurfaceErrorChartTest, OneWaveShowsTheLastRowAndFlatOrBrokenProfilesStillDraw) {
  test_ = zonalyst::testing::PerfectConicTest(-1.0, 2400.0, 200.0, zonalyst::testing::kSixZones);
  QualityMetrics m;
  m.PvFraction = 2.0;  // one wave, and a flat profile: the span is the sentinel
  DrawSurfaceError(recording_, test_, m);
  ASSERT_NE(TextCall(recording_, "1 Lambda Wave Front Scale"), nullptr);
  EXPECT_EQ(TextCall(recording_, "1 Lambda Wave Front Scale")->colour, kRed);

  m.ProfileErr.fill(std::nan(""));
  m.PvFraction = std::nan("");
  DrawSurfaceError(recording_, test_, m);
  test_.Diameter = 0.0;
  DrawSurfaceError(recording_, test_, m);
  EXPECT_NE(TextCall(recording_, "Percent Radius"), nullptr);
}

}  // namespace
}  // namespace zonalyst::plot
