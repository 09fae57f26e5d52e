#include "ChartCalls.h"
#include "plot/MonteCarloCharts.h"
#include "plot/PictureSizes.h"
#include "plot/RasterSurface.h"

#include <gtest/gtest.h>

#include <cmath>
#include <utility>

namespace zonalyst::plot {
namespace {

using testing::CallsOf;
using testing::LinesOf;
using testing::TextCall;
using Op = RecordedCall::Op;

constexpr Rgb kOrange{255, 127, 0};
constexpr Rgb kAxisGrey{125, 125, 125};

TEST(HistogramBars, ColourByConfidenceRangeDimmedAwayFromTheCentre) {
  const ChartRange range{.lower68 = 85, .upper68 = 88, .lower95 = 83, .upper95 = 90};
  const struct {
    int bin;
    double distance;
    Rgb colour;
  } cases[] = {
      {86, 0.0, kGreen},        {85, 0.5, kGreen},       {88, 1.0, kGreen},       {84, 0.0, kOrange},
      {90, 0.0, kOrange},       {91, 0.0, kRed},         {82, 0.0, kRed},         {86, 2.0, {0, 207, 0}},
      {83, 2.0, {207, 103, 0}}, {95, 10.0, {128, 0, 0}}, {86, 13.5, {0, 117, 0}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(HistogramBarColour(c.bin, range, c.distance), c.colour) << c.bin << " at " << c.distance;
  }
  EXPECT_EQ(HistogramBarColour(50, ChartRange{}, 0.0), kRed);  // lower 101, upper 0: every bar outside
}

TEST(HistogramBars, TickLabelsAsFractionsOrNanometres) {
  const std::pair<int, const char*> strehl[] = {{0, ".00"}, {5, ".05"}, {85, ".85"}, {90, ".90"}, {100, "1"}};
  for (const auto& [percent, label] : strehl) EXPECT_EQ(StrehlTickLabel(percent), label);
  EXPECT_EQ(RmsTickLabel(0), "0");
  EXPECT_EQ(RmsTickLabel(35), "35");
}

class MonteCarloChartsTest : public ::testing::Test {
 protected:
  MonteCarloChartRanges draw() { return DrawMonteCarloCharts(recording_, data_); }

  // Bar lines in [xFrom, xTo]: vertical, from the base line up, in bar colours.
  std::vector<RecordedCall> barLines(double xFrom = 0.0, double xTo = 1e9) const {
    return testing::CallsWhere(recording_, [&](const RecordedCall& c) {
      const bool barColour =
          (c.colour.r == 0 && c.colour.b == 0 && c.colour.g > 0) || (c.colour.b == 0 && c.colour.r > 0);
      return c.op == Op::Line && barColour && c.y1 == 240.0 && c.x1 == c.x2 && c.x1 >= xFrom && c.x1 <= xTo;
    });
  }

  MonteCarloChartData data_;
  RasterSurface raster_{kSG.width, kSG.height};
  RecordingSurface recording_{raster_};
};

TEST_F(MonteCarloChartsTest, BarsStandOnTheirRangeScaledByThePeak) {
  for (const auto& [bin, count] : {std::pair{85, 10}, {86, 40}, {87, 30}, {88, 10}}) data_.strehl[bin] = count;
  data_.rms[12] = 60;
  data_.rms[13] = 30;
  data_.trials = 90;
  data_.meanSd = 0.127;
  const MonteCarloChartRanges ranges = draw();
  ASSERT_TRUE(ranges.strehl && ranges.rms);  // their bounds are the core's to pin

  // The Strehl chart runs from bin 80 in bars 28 wide; its peak bin 86: 28 green-shaded
  // lines from x = 45 + 6 x 28, full height.
  const auto peak = barLines(213.0, 240.0);
  ASSERT_EQ(peak.size(), 28u);
  for (const RecordedCall& c : peak) {
    EXPECT_EQ(c.y2, 40.0);
    EXPECT_EQ(c.colour.r, 0);
  }
  EXPECT_EQ(peak[13].colour, kGreen);
  EXPECT_EQ(peak[14].colour, kGreen);
  // Bin 85 (count 10 of 40) is a quarter high and outside the 68 per cent range.
  for (const RecordedCall& c : barLines(185.0, 212.0)) EXPECT_EQ(c.y2, 190.0);
  // The RMS chart starts at W/2 + 25; its peak bin 12 is the third bar.
  const auto rmsPeak = barLines(395.0 + 56.0, 395.0 + 83.0);
  ASSERT_EQ(rmsPeak.size(), 28u);
  for (const RecordedCall& c : rmsPeak) EXPECT_EQ(c.y2, 40.0);
  EXPECT_FALSE(LinesOf(recording_, kGridGrey).empty());
}

TEST_F(MonteCarloChartsTest, LabelsTitleAndTrialCount) {
  data_ = {.trials = 20, .meanSd = 0.005, .inches = true};
  data_.strehl[100] = data_.rms[3] = 20;
  draw();
  testing::ExpectTextAt(recording_, "Monte Carlo Distrubution using KE standard deviation (n-1) = 0.0050 inches",
                        testing::kAny, 1.0, kAxisGrey);
  for (const char* text : {"20 Iterations processed", "Strehl Ratio", "Surface RMS Error (nm)", "1", ".90"}) {
    EXPECT_NE(TextCall(recording_, text), nullptr) << text;
  }
  EXPECT_EQ(testing::CallsWhere(recording_, [](const RecordedCall& c) { return c.text == "Count"; }).size(), 2u);

  data_.inches = false;
  data_.meanSd = 0.127;
  draw();
  EXPECT_NE(TextCall(recording_, "Monte Carlo Distrubution using KE standard deviation (n-1) = 0.1270mm"), nullptr);
}

TEST_F(MonteCarloChartsTest, ARunWhoseTrialsMostlyFailedShowsWhyInsteadOfCharts) {
  data_ = {.trials = 200, .failedTrials = 3, .meanSd = 0.127};
  data_.strehl[90] = data_.rms[20] = 197;
  const MonteCarloChartRanges ranges = draw();
  EXPECT_FALSE(ranges.strehl || ranges.rms);
  EXPECT_TRUE(CallsOf(recording_, Op::Line).empty());
  for (const char* line : {"3 of 200 trials failed: their readings could not be reduced to a surface.",
                           "The standard deviation is larger than the readings can bear.", "Please try a smaller one.",
                           "200 Iterations processed"}) {
    EXPECT_NE(TextCall(recording_, line), nullptr) << line;
  }
  data_.failedTrials = 2;  // one in a hundred: charted
  EXPECT_TRUE(draw().strehl);
}

TEST_F(MonteCarloChartsTest, WithoutABinAboveFiveOnlyTheAxesAreDrawn) {
  for (int bin = 0; bin <= 100; bin += 3) data_.strehl[bin] = 5;
  data_.rms[250] = 400;  // beyond the bins that decide the range
  data_.trials = 170;
  const MonteCarloChartRanges ranges = draw();
  EXPECT_FALSE(ranges.strehl || ranges.rms);
  const auto lines = CallsOf(recording_, Op::Line);
  EXPECT_EQ(lines.size(), 4u);  // one vertical and one horizontal axis per chart
  for (const RecordedCall& c : lines) {
    EXPECT_EQ(c.colour, kAxisGrey);
    EXPECT_TRUE(std::isfinite(c.x1) && std::isfinite(c.y1) && std::isfinite(c.x2) && std::isfinite(c.y2));
  }
  for (const char* text : {"Strehl Ratio", "170 Iterations processed"}) EXPECT_NE(TextCall(recording_, text), nullptr);
}

}  // namespace
}  // namespace zonalyst::plot
