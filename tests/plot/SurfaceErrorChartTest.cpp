#include "ChartCalls.h"
#include "core/SurfaceAnalysis.h"
#include "plot/PictureSizes.h"
#include "plot/RasterSurface.h"
#include "plot/SurfaceErrorChart.h"
#include "tests/support/FilledBessel.h"
#include "tests/support/TestMirror.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

namespace zonalyst::plot {
namespace {

using testing::ExpectTextAt;
using testing::kAny;
using testing::LinesOf;
using testing::TextCall;

constexpr double kQuarterWaveUnits = 200.0 / (0.00055 / 8);

TEST(SurfaceErrorScale, RowFollowsThePeakToValleyWavefrontError) {
  const struct {
    double pvFraction;
    const char* title;
    Rgb colour;
    double unitsPerMm;
  } cases[] = {
      {1000.0, "1/4 Lambda Wave Front Scale", kWhite, kQuarterWaveUnits},
      {8.01, "1/4 Lambda Wave Front Scale", kWhite, kQuarterWaveUnits},
      {8.0, "1/2 Lambda Wave Front Scale", kYellow, 200.0 / (0.00055 / 4)},
      {4.01, "1/2 Lambda Wave Front Scale", kYellow, 200.0 / (0.00055 / 4)},
      {4.0, "1 Lambda Wave Front Scale", kRed, 200.0 / (0.00055 / 2)},
      {2.0, "1 Lambda Wave Front Scale", kRed, 200.0 / 0.0004},
      {0.8, "2.5 Lambda Wave Front Scale", kRed, 200.0 / 0.0004},
      {0.3, "6.67 Lambda Wave Front Scale", kRed, 200.0 / 0.0004},
  };
  for (const auto& c : cases) {
    const SurfaceErrorScale scale = ChooseSurfaceErrorScale(c.pvFraction, ProfileSpan{0.0, 0.0004});
    EXPECT_EQ(std::pair(scale.title, scale.colour), std::pair(std::string(c.title), c.colour)) << c.pvFraction;
    EXPECT_DOUBLE_EQ(scale.unitsPerMm, c.unitsPerMm) << c.pvFraction;
  }
  // The profile's span starts from its sentinels and ignores samples beyond the grid.
  QualityMetrics m;
  EXPECT_EQ(SpanOfProfile(m).min, 0.0);
  EXPECT_EQ(SpanOfProfile(m).max, 1e-100);
  m.ProfileErr[37] = 0.0002;
  m.ProfileErr[101] = 5.0;
  EXPECT_EQ(SpanOfProfile(m).max, 0.0002);
}

TEST(NanometreGrid, StepIsTheFirstCandidateHoldingTheHeightLessFiveAndNeverHangs) {
  const std::pair<double, double> cases[] = {{68.75, 5},  {129.9, 5},  {130.1, 10},  {137.5, 10}, {194.9, 10},
                                             {195.1, 15}, {275.0, 20}, {1000.0, 75}, {1e6, 76920}};
  for (const auto& [heightNm, expected] : cases) {
    const auto step = NanometreGridStep(200.0 / (heightNm * 1e-6));
    ASSERT_TRUE(step.has_value()) << heightNm;
    EXPECT_DOUBLE_EQ(*step, expected) << heightNm;
  }
  const double inf = std::numeric_limits<double>::infinity();
  for (double unitsPerMm : {0.0, inf, -inf, std::nan(""), -5.0}) {
    EXPECT_FALSE(NanometreGridStep(unitsPerMm).has_value()) << unitsPerMm;
  }
  const auto huge = NanometreGridStep(1e-290);
  ASSERT_TRUE(huge.has_value() && std::isfinite(*huge));
  EXPECT_GE(13.0 * (*huge + 5.0), 200.0 / 1e-290 * 1e6);
}

TEST(NanometreGrid, LabelColoursByHeightKeepingTheLastAbove280) {
  const struct {
    double nm;
    Rgb last, expected;
  } cases[] = {{0, kRed, kWhite},   {65, kRed, kWhite},  {70, kWhite, kYellow},   {135, kWhite, kYellow},
               {140, kWhite, kRed}, {275, kWhite, kRed}, {280, kYellow, kYellow}, {1300, kWhite, kWhite}};
  for (const auto& c : cases) EXPECT_EQ(GridLabelColour(c.nm, c.last), c.expected) << c.nm;
}

// A 200 mm f/6 paraboloid measured exactly, so its error is far below 1/1000 wave.
class SurfaceErrorChartTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SurfaceAnalysis analysis(zonalyst::testing::FilledBessel());
    analysis.analyse(test_);
    metrics_ = analysis.metrics();
  }
  MirrorTest test_ = zonalyst::testing::TestMirror({.roc = 2400.0});
  QualityMetrics metrics_;
  RasterSurface raster_{kSG.width, kSG.height};
  RecordingSurface recording_{raster_};
};

TEST_F(SurfaceErrorChartTest, QuarterWaveScaleHasFourteenWhiteGridLinesFiveNanometresApart) {
  DrawSurfaceError(recording_, test_, metrics_);
  ASSERT_EQ(metrics_.PvFraction, 1000.0);
  ExpectTextAt(recording_, "1/4 Lambda Wave Front Scale", kAny, 1.0, kWhite);

  const auto grid = LinesOf(recording_, kGridGrey);
  ASSERT_EQ(grid.size(), 14u);
  for (int j = 0; j < 14; ++j) {
    const double y = 240.0 - 5.0 * j * 1e-6 * kQuarterWaveUnits;
    EXPECT_EQ(grid[j].x1, 70.0);
    EXPECT_EQ(grid[j].x2, 670.0);
    EXPECT_DOUBLE_EQ(grid[j].y1, y);
    const std::string label = std::to_string(5 * j) + " nm ";
    ExpectTextAt(recording_, label, 70.0 - raster_.textWidth(label), y - 7.0, kWhite);
  }
}

TEST_F(SurfaceErrorChartTest, LayoutOfCentreLineCurveAxesAndCaptions) {
  DrawSurfaceError(recording_, test_, metrics_);
  ASSERT_EQ(recording_.calls().front().op, RecordedCall::Op::Clear);
  const auto olive = LinesOf(recording_, kOlive);
  ASSERT_FALSE(olive.empty());
  EXPECT_EQ(testing::Ends(olive.front()), (std::array{370.0, 40.0, 370.0, 240.0}));

  ExpectTextAt(recording_, "Mirror", 370.0 - raster_.textWidth("Mirror") / 2.0, 40.0 - 24.0 + 5.0, kYellow);
  ExpectTextAt(recording_, "Center", kAny, 40.0 - 12.0);

  // 100 fill lines and 100 outline segments on each half, on whole rows.
  const auto fill = LinesOf(recording_, kDarkRed);
  ASSERT_EQ(fill.size(), 200u);
  EXPECT_EQ(fill[2].x1, 373.0);
  EXPECT_EQ(fill[3].x1, 367.0);
  EXPECT_EQ(fill[2].y2, 240.0);
  for (const RecordedCall& c : fill) EXPECT_EQ(c.y1, std::round(c.y1));

  for (int k = 1; k <= 10; ++k) ExpectTextAt(recording_, std::to_string(10 * k), kAny, 241.0);
  ExpectTextAt(recording_, "Millimeters of Radius", kAny, 253.0);
  ExpectTextAt(recording_, "Percent Radius", 520.0 - raster_.textWidth("Percent Radius") / 2.0, kAny);
  EXPECT_EQ(TextCall(recording_, "Inches of Radius"), nullptr);
}

TEST_F(SurfaceErrorChartTest, ZoneMarksCrossTheCurveOnBothHalves) {
  DrawSurfaceError(recording_, test_, metrics_);
  const auto marks = LinesOf(recording_, kYellow);
  ASSERT_EQ(marks.size(), 12u);
  const double f = test_.effectiveRadius(3) / 100.0;
  EXPECT_DOUBLE_EQ(marks[4].x1, 370.0 - f * 300.0);
  EXPECT_DOUBLE_EQ(marks[5].x1, 370.0 + f * 300.0);
  EXPECT_DOUBLE_EQ(marks[4].y2 - marks[4].y1, 10.0);
  EXPECT_DOUBLE_EQ(marks[4].y1, 240.0 - 5.0 - kQuarterWaveUnits * metrics_.ProfileErr[static_cast<int>(f * 100)]);
  const auto zs = testing::CallsWhere(recording_, [](const RecordedCall& c) { return c.text == "Z"; });
  ASSERT_EQ(zs.size(), 12u);
  for (const RecordedCall& c : zs) {
    EXPECT_EQ(c.colour, kYellow);
    EXPECT_EQ(c.y1, 40.0 - 12.0 - 9.0);
  }
}

TEST_F(SurfaceErrorChartTest, DenseMasksNumberTheirZonesOnTwoLinesWithoutOverlap) {
  std::vector<double> equalArea;
  for (int z = 1; z <= 15; ++z) equalArea.push_back(100.0 * std::sqrt((z - 0.5) / 15.0));
  std::vector<double> outerTenth;
  for (int z = 1; z <= 15; ++z) outerTenth.push_back(90.0 + 0.65 * z);
  const struct {
    const char* mask;
    std::vector<double> zones;
    std::size_t labels;  // on both halves
  } cases[] = {{"equal areas", equalArea, 30}, {"the outer tenth", outerTenth, 10}};
  for (const auto& c : cases) {
    const MirrorTest test = zonalyst::testing::TestMirror({.roc = 2400.0, .zones = c.zones});
    RecordingSurface recording(raster_);
    DrawSurfaceError(recording, test, metrics_);
    const auto labels = testing::CallsWhere(recording, [](const RecordedCall& call) {
      return call.op == RecordedCall::Op::Text && call.y1 < 40.0 &&
             call.text.find_first_not_of("0123456789") == std::string::npos;
    });
    EXPECT_EQ(TextCall(recording, "Z"), nullptr) << c.mask;
    EXPECT_EQ(labels.size(), c.labels) << c.mask;
    EXPECT_EQ(std::count_if(labels.begin(), labels.end(), [](const RecordedCall& l) { return l.text == "15"; }), 2)
        << c.mask;
    for (std::size_t i = 0; i < labels.size(); ++i) {
      EXPECT_EQ(labels[i].y1, std::stoi(labels[i].text) % 2 == 0 ? 40.0 - 12.0 - 9.0 : 40.0 - 12.0) << c.mask;
      for (std::size_t j = i + 1; j < labels.size(); ++j) {
        const RecordedCall& a = labels[i].x1 < labels[j].x1 ? labels[i] : labels[j];
        const RecordedCall& b = labels[i].x1 < labels[j].x1 ? labels[j] : labels[i];
        EXPECT_TRUE(a.y1 != b.y1 || a.x1 + raster_.textWidth(a.text) < b.x1)
            << c.mask << ": " << a.text << " overlaps " << b.text;
      }
    }
  }
}

TEST_F(SurfaceErrorChartTest, FlatOrBrokenProfilesStillDraw) {
  QualityMetrics m;  // a flat profile: the span is the sentinel
  DrawSurfaceError(recording_, test_, m);
  m.ProfileErr.fill(std::nan(""));
  m.PvFraction = std::nan("");
  DrawSurfaceError(recording_, test_, m);
  test_.Diameter = 0.0;
  DrawSurfaceError(recording_, test_, m);
  EXPECT_NE(TextCall(recording_, "Percent Radius"), nullptr);
}

}  // namespace
}  // namespace zonalyst::plot
