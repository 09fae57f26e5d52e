#include "plot/MonteCarloCharts.h"

#include <gtest/gtest.h>

#include <cmath>

#include "ChartCalls.h"
#include "plot/PictureSizes.h"
#include "plot/RasterSurface.h"

namespace zonalyst::plot {
namespace {

using testing::CallsOf;
using testing::LinesOf;
using testing::TextCall;
using Op = RecordedCall::Op;

constexpr Rgb kOrange{255, 127, 0};
constexpr Rgb kAxisGrey{125, 125, 125};

TEST(HistogramBars, ColourByConfidenceRangeDimmedAwayFromTheCentre) {
  ChartRange range;
  range.lower68 = 85;
  range.upper68 = 88;
  range.lower95 = 83;
  range.upper95 = 90;
  struct Case {
    int bin;
    double distance;
    Rgb colour;
  };
  const Case cases[] = {
      {86, 0.0, kGreen},       {85, 0.5, kGreen},       {88, 1.0, kGreen},          {84, 0.0, kOrange},
      {90, 0.0, kOrange},      {91, 0.0, kRed},         {82, 0.0, kRed},            {86, 2.0, {0, 207, 0}},
      {83, 2.0, {207, 103, 0}}, {95, 10.0, {128, 0, 0}}, {86, 13.5, {0, 117, 0}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(HistogramBarColour(c.bin, range, c.distance), c.colour) << c.bin << " at " << c.distance;
  }
  const ChartRange unreached;  // lower 101, upper 0: every bar outside
  EXPECT_EQ(HistogramBarColour(50, unreached, 0.0), kRed);
}

TEST(HistogramBars, TickLabelsAsFractionsOrNanometres) {
  EXPECT_EQ(StrehlTickLabel(0), ".00");
  EXPECT_EQ(StrehlTickLabel(5), ".05");
  EXPECT_EQ(StrehlTickLabel(85), ".85");
  EXPECT_EQ(StrehlTickLabel(90), ".90");
  EXPECT_EQ(StrehlTickLabel(100), "1");
  EXPECT_EQ(RmsTickLabel(0), "0");
  EXPECT_EQ(RmsTickLabel(35), "35");
}

class MonteCarloChartsTest : public ::testing::Test {
 protected:
  MonteCarloChartRanges draw() { return DrawMonteCarloCharts(recording_, data_); }

  // Bars whose lines run from the base line up, in bar colours.
  std::vector<RecordedCall> barLines() const {
    std::vector<RecordedCall> out;
    for (const RecordedCall& c : CallsOf(recording_, Op::Line)) {
      const bool barColour = (c.colour.r == 0 && c.colour.b == 0 && c.colour.g > 0) || (c.colour.b == 0 && c.colour.r > 0);
      if (barColour && c.y1 == 240.0 && c.x1 == c.x2) out.push_back(c);
    }
    return out;
  }

  MonteCarloChartData data_;
  RasterSurface raster_{kSG.width, kSG.height};
  RecordingSurface recording_{raster_};
};

TEST_F(MonteCarloChartsTest, BarsStandOnTheirRangeScaledByThePeak) {
  data_.strehl[85] = 10;
  data_.strehl[86] = 40;
  data_.strehl[87] = 30;
  data_.strehl[88] = 10;
  data_.rms[12] = 60;
  data_.rms[13] = 30;
  data_.trials = 90;
  data_.meanSd = 0.127;
  const MonteCarloChartRanges ranges = draw();

  ASSERT_TRUE(ranges.strehl && ranges.rms);
  EXPECT_EQ(ranges.strehl->lo, 80);
  EXPECT_EQ(ranges.strehl->hi, 90);
  EXPECT_EQ(ranges.strehl->barWidth, 28);
  EXPECT_EQ(ranges.strehl->lower68, 86);
  EXPECT_EQ(ranges.strehl->upper68, 87);
  EXPECT_EQ(ranges.rms->lo, 10);
  EXPECT_EQ(ranges.rms->hi, 20);

  // Strehl bin 86 is the peak: 28 green-shaded lines from x = 45 + 6 x 28, full height.
  std::vector<RecordedCall> peak;
  for (const RecordedCall& c : barLines()) {
    if (c.x1 >= 213.0 && c.x1 <= 240.0) peak.push_back(c);
  }
  ASSERT_EQ(peak.size(), 28u);
  for (const RecordedCall& c : peak) {
    EXPECT_EQ(c.y2, 40.0);
    EXPECT_EQ(c.colour.r, 0);
  }
  EXPECT_EQ(peak[13].colour, kGreen);
  EXPECT_EQ(peak[14].colour, kGreen);
  // Bin 85 (count 10 of 40) is a quarter high and outside the 68 per cent range.
  for (const RecordedCall& c : barLines()) {
    if (c.x1 >= 185.0 && c.x1 <= 212.0) {
      EXPECT_EQ(c.y2, 190.0);
    }
  }
  // The RMS chart starts at W/2 + 25; its peak bin 12 is the third bar.
  std::size_t rmsPeak = 0;
  for (const RecordedCall& c : barLines()) {
    if (c.x1 >= 395.0 + 56.0 && c.x1 < 395.0 + 84.0 && c.y2 == 40.0) ++rmsPeak;
  }
  EXPECT_EQ(rmsPeak, 28u);
  EXPECT_FALSE(LinesOf(recording_, kGridGrey).empty());
}

TEST_F(MonteCarloChartsTest, LabelsTitleAndTrialCount) {
  data_.strehl[100] = 20;
  data_.rms[3] = 20;
  data_.trials = 20;
  data_.meanSd = 0.005;
  data_.inches = true;
  draw();
  const RecordedCall* title =
      TextCall(recording_, "Monte Carlo Distrubution using KE standard deviation (n-1) = 0.005 inches");
  ASSERT_NE(title, nullptr);
  EXPECT_EQ(title->colour, kAxisGrey);
  EXPECT_EQ(title->y1, 1.0);
  ASSERT_NE(TextCall(recording_, "20 Iterations processed"), nullptr);
  ASSERT_NE(TextCall(recording_, "Strehl Ratio"), nullptr);
  ASSERT_NE(TextCall(recording_, "Surface RMS Error (nm)"), nullptr);
  ASSERT_NE(TextCall(recording_, "1"), nullptr);
  ASSERT_NE(TextCall(recording_, ".90"), nullptr);
  int counts = 0;
  for (const RecordedCall& c : CallsOf(recording_, Op::Text)) counts += c.text == "Count";
  EXPECT_EQ(counts, 2);

  data_.inches = false;
  data_.meanSd = 0.127;
  draw();
  EXPECT_NE(TextCall(recording_, "Monte Carlo Distrubution using KE standard deviation (n-1) = 0.127mm"), nullptr);
}

TEST_F(MonteCarloChartsTest, WithoutABinAboveFiveOnlyTheAxesAreDrawn) {
  for (int bin = 0; bin <= 100; bin += 3) data_.strehl[bin] = 5;
  data_.rms[250] = 400;  // beyond the bins that decide the range
  data_.trials = 170;
  const MonteCarloChartRanges ranges = draw();
  EXPECT_FALSE(ranges.strehl.has_value());
  EXPECT_FALSE(ranges.rms.has_value());
  EXPECT_TRUE(barLines().empty());
  const auto lines = CallsOf(recording_, Op::Line);
  EXPECT_EQ(lines.size(), 4u);  // one vertical and one horizontal axis per chart
  for (const RecordedCall& c : lines) {
    EXPECT_EQ(c.colour, kAxisGrey);
    EXPECT_TRUE(std::isfinite(c.x1) && std::isfinite(c.y1) && std::isfinite(c.x2) && std::isfinite(c.y2));
  }
  EXPECT_NE(TextCall(recording_, "Strehl Ratio"), nullptr);
  EXPECT_NE(TextCall(recording_, "170 Iterations processed"), nullptr);
}

}  // namespace
}  // namespace zonalyst::plot
