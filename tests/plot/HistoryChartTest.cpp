#include "ChartCalls.h"
#include "plot/HistoryChart.h"
#include "plot/RasterSurface.h"
#include "plot/SurfaceErrorChart.h"
#include "tests/support/TestMirror.h"

#include <gtest/gtest.h>

namespace zonalyst::plot {
namespace {

using testing::CallsOf;
using testing::LinesOf;

TEST(HistoryChart, AxisEndIsTheRoundNumberAtOrAboveTheLargestRms) {
  const std::pair<double, double> cases[] = {{0.0, 1.0},     {0.4, 1.0},     {1.5, 2.0},
                                             {49.5, 50.0},   {50.0, 50.0},   {51.0, 100.0},
                                             {120.0, 200.0}, {1e300, 1e300}, {std::nan(""), 1.0}};
  for (const auto& [largest, end] : cases) EXPECT_DOUBLE_EQ(RoundAxisEnd(largest), end) << largest;
}

// Three tests whose error grows with their index: a parabola of depth k x 20 nm.
std::vector<QualityMetrics> Tests(int count) {
  std::vector<QualityMetrics> tests(count);
  for (int k = 0; k < count; ++k) {
    for (int i = 0; i <= kGridLast; ++i) tests[k].ProfileErr[i] = (k + 1) * 20e-6 * (i / 100.0) * (i / 100.0);
    tests[k].PvFraction = 0.00055 / ((k + 1) * 20e-6);
    tests[k].RmsWaves = 0.01 * (k + 1);
    tests[k].Strehl = 1.0 - 0.1 * k;
  }
  return tests;
}

TEST(HistoryChart, OlderCurvesFadeTheLatestIsRedAndEachTestHasItsTrendPoints) {
  const std::vector<QualityMetrics> tests = Tests(3);
  const std::vector<const QualityMetrics*> oldestFirst = {&tests[0], &tests[1], &tests[2]};
  RasterSurface raster(kHistoryPicture.width, kHistoryPicture.height);
  RecordingSurface s(raster);
  DrawHistory(s, zonalyst::testing::TestMirror(), oldestFirst);

  // Each curve: 100 segments on each half; the latest in red and drawn last.
  const std::vector<RecordedCall> lines = CallsOf(s, RecordedCall::Op::Line);
  std::vector<Rgb> curveColours;
  for (const RecordedCall& c : lines) {
    if (c.x2 - c.x1 == 3.0 && (curveColours.empty() || !(curveColours.back() == c.colour)))
      curveColours.push_back(c.colour);
  }
  ASSERT_GE(curveColours.size(), 3u);
  EXPECT_EQ(curveColours[2], kRed);
  EXPECT_LT(curveColours[0].r, curveColours[1].r) << "the oldest is the faintest";
  EXPECT_LT(curveColours[1].r, kRed.r);
  // The deepest curve (the latest, 60 nm) sets the scale: 1/4 wave for a P-V of 0.22 wave.
  EXPECT_NE(testing::TextCall(s, "1/4 Lambda Wave Front Scale"), nullptr);

  const TrendFrame f{.count = 3, .rmsTop = RoundAxisEnd(tests[2].rmsNanometres())};
  const std::vector<RecordedCall> points = CallsOf(s, RecordedCall::Op::Circle);
  ASSERT_EQ(points.size(), 6u);
  for (int k = 0; k < 3; ++k) {
    EXPECT_DOUBLE_EQ(points[2 * k].x1, f.x(k));
    EXPECT_DOUBLE_EQ(points[2 * k].y1, f.yRms(tests[k].rmsNanometres()));
    EXPECT_DOUBLE_EQ(points[2 * k + 1].y1, f.yStrehl(tests[k].Strehl));
  }
  EXPECT_EQ(LinesOf(s, kGreen).size(), 1u + 2u);  // the axis and two joins
}

TEST(HistoryChart, TheTestNumbersNeverRunTogetherAndTheLatestIsNumbered) {
  RasterSurface raster(kHistoryPicture.width, kHistoryPicture.height);
  for (const int count : {3, 30, 10000}) {
    const std::vector<QualityMetrics> tests = Tests(count);
    std::vector<const QualityMetrics*> oldestFirst;
    for (const QualityMetrics& m : tests) oldestFirst.push_back(&m);
    RecordingSurface s(raster);
    DrawHistory(s, zonalyst::testing::TestMirror(), oldestFirst);
    const double labelTop = TrendFrame{}.base + 2.0;
    const std::vector<RecordedCall> labels = testing::CallsWhere(s, [&](const RecordedCall& c) {
      return c.op == RecordedCall::Op::Text && c.y1 == labelTop &&
             c.text.find_first_not_of("0123456789") == std::string::npos;
    });
    ASSERT_FALSE(labels.empty()) << count;
    EXPECT_EQ(labels.back().text, std::to_string(count));
    for (std::size_t i = 1; i < labels.size(); ++i) {
      EXPECT_GE(labels[i].x1, labels[i - 1].x1 + raster.textWidth(labels[i - 1].text + " "))
          << count << " tests: " << labels[i - 1].text << " runs into " << labels[i].text;
    }
  }
}

TEST(SurfaceErrorChart, AnEarlierTestsCurveLiesFaintlyOverTheFillAndUnderTheOutline) {
  const std::vector<QualityMetrics> tests = Tests(2);
  const MirrorTest test = zonalyst::testing::TestMirror();
  RasterSurface raster(kSG.width, kSG.height);
  RecordingSurface alone(raster);
  DrawSurfaceError(alone, test, tests[1]);
  EXPECT_TRUE(LinesOf(alone, kEarlierCurve).empty());

  RecordingSurface withEarlier(raster);
  const EarlierTest earlierTest{&tests[0], "Grey: the previous test"};
  DrawSurfaceError(withEarlier, test, tests[1], &earlierTest);
  EXPECT_EQ(testing::TextCall(withEarlier, "Grey: the previous test")->colour, kEarlierCurve);
  const std::vector<RecordedCall> earlier = LinesOf(withEarlier, kEarlierCurve);
  ASSERT_EQ(earlier.size(), 200u);
  EXPECT_EQ(LinesOf(withEarlier, kRed).size(), LinesOf(alone, kRed).size() + 200u);
  // The earlier test is half as deep: its edge stands half as high above the base.
  const RadialFrame frame = RadialFrame::For(raster);
  const auto edgeHeight = [&](const std::vector<RecordedCall>& lines) {
    const auto edge = std::find_if(lines.begin(), lines.end(), [&](const RecordedCall& c) {
      return c.x1 == frame.xRight(99) && c.x2 == frame.xRight(100);
    });
    return edge == lines.end() ? 0.0 : frame.base - edge->y2;
  };
  EXPECT_GT(edgeHeight(earlier), 0.0);
  EXPECT_NEAR(edgeHeight(earlier), 0.5 * edgeHeight(LinesOf(withEarlier, kRed)), 1.0);

  // A much deeper earlier test keeps the open test's scale and is cut off at the plot's top.
  const std::vector<QualityMetrics> deep = Tests(10);
  RecordingSurface clipped(raster);
  // A legend too wide for the picture loses the middle of its text.
  const EarlierTest deeper{&deep[9], "Grey: " + std::string(200, 'n') + " of 2026-01-02"};
  DrawSurfaceError(clipped, test, deep[0], &deeper);
  const RecordedCall legend = CallsOf(clipped, RecordedCall::Op::Text).back();
  EXPECT_TRUE(legend.text.starts_with("Grey: n") && legend.text.ends_with("n of 2026-01-02")) << legend.text;
  EXPECT_NE(legend.text.find("n...n"), std::string::npos);
  EXPECT_GE(legend.x1, 0.0);
  EXPECT_LE(legend.x1 + raster.textWidth(legend.text), kSG.width);
  EXPECT_EQ(testing::TextCall(clipped, "1/4 Lambda Wave Front Scale")->colour, kWhite);
  const std::vector<RecordedCall> cut = LinesOf(clipped, kEarlierCurve);
  ASSERT_FALSE(cut.empty());
  EXPECT_LT(cut.size(), 200u);
  for (const RecordedCall& c : cut) {
    EXPECT_GE(std::min(c.y1, c.y2), frame.top);
    EXPECT_LE(std::max(c.y1, c.y2), frame.base);
  }
  EXPECT_NEAR(cut.back().y2, frame.top, 1e-9);  // the left half's last step runs into the top
}

}  // namespace
}  // namespace zonalyst::plot
