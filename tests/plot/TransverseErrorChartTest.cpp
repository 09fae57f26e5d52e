#include "ChartCalls.h"
#include "plot/PictureSizes.h"
#include "plot/RasterSurface.h"
#include "plot/TransverseErrorChart.h"
#include "tests/support/TestMirror.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace zonalyst::plot {
namespace {

using testing::CallsOf;
using testing::LinesOf;
using testing::TextCall;
using Op = RecordedCall::Op;

TEST(TransverseScale, FullScaleAndGridStepByLargestMagnitudeAndNoneForInfiniteOrUnknown) {
  const struct {
    double magnitude, fullScale, step;
  } cases[] = {{0.6, 1, 0.2},  {0.3, 0.5, 0.1},  {0.1, 0.2, 0.04}, {12, 20, 4}, {3, 5, 1},    {1, 1, 0.2},
               {0, 0.2, 0.04}, {1.0001, 2, 0.4}, {10, 10, 2},      {25, 30, 6}, {45, 50, 10}, {95, 100, 20}};
  for (const auto& c : cases) {
    const auto scale = ChooseTransverseScale(c.magnitude);
    ASSERT_TRUE(scale.has_value()) << c.magnitude;
    EXPECT_DOUBLE_EQ(scale->fullScale, c.fullScale) << c.magnitude;
    EXPECT_DOUBLE_EQ(scale->gridStep, c.step) << c.magnitude;
    EXPECT_DOUBLE_EQ(scale->unitsPerValue, 100.0 / c.fullScale) << c.magnitude;
  }
  // Infinite or unknown magnitudes have no scale, huge ones do not hang.
  EXPECT_FALSE(ChooseTransverseScale(std::numeric_limits<double>::infinity()).has_value());
  EXPECT_FALSE(ChooseTransverseScale(std::nan("")).has_value());
  const auto huge = ChooseTransverseScale(1e300);
  ASSERT_TRUE(huge.has_value());
  EXPECT_GE(huge->fullScale, 1e300);
}

TEST(TransverseScale, LargestMagnitudeCoversBothSignsOverTheGrid) {
  QualityMetrics m;
  m.TransErr[10] = 0.4;
  m.TransErr[90] = -0.7;
  m.TransErr[103] = 50.0;  // beyond the grid
  EXPECT_DOUBLE_EQ(LargestTransverseError(m), 0.7);
}

class TransverseErrorChartTest : public ::testing::Test {
 protected:
  void draw(double largest) {
    for (int i = 0; i <= 100; ++i) metrics_.TransErr[i] = largest * i / 100.0;
    DrawTransverseError(recording_, test_, metrics_);
  }

  MirrorTest test_ = zonalyst::testing::TestMirror({.roc = 2400.0});
  QualityMetrics metrics_;
  RasterSurface raster_{kPicTE.width, kPicTE.height};
  RecordingSurface recording_{raster_};
};

TEST_F(TransverseErrorChartTest, GridRunsFromPlusToMinusFullScaleAboutTheMiddle) {
  draw(0.6);
  const auto grid = LinesOf(recording_, kGridGrey);
  ASSERT_EQ(grid.size(), 11u);
  const char* labels[] = {"1", "0.8", "0.6", "0.4", "0.2", "0", "-0.2", "-0.4", "-0.6", "-0.8", "-1"};
  for (int k = 0; k <= 10; ++k) {
    const double y = 140.0 + (k - 5) * 20.0;
    EXPECT_EQ(testing::Ends(grid[k]), (std::array{70.0, y, 670.0, y})) << k;
    testing::ExpectTextAt(recording_, labels[k], 68.0 - raster_.textWidth(labels[k]), grid[k].y1 - 6.0, kWhite);
  }
}

TEST_F(TransverseErrorChartTest, CurveRisesFromTheZeroLineAndFillsDownToTheBase) {
  draw(0.6);
  const auto fill = LinesOf(recording_, kDarkRed);
  ASSERT_EQ(fill.size(), 200u);
  EXPECT_EQ(testing::Ends(fill[0]), (std::array{370.0, 140.0, 370.0, 240.0}));
  // sample 50 = 0.3, 100 units per unit of error: 30 units above the zero line
  EXPECT_EQ(testing::Ends(fill[100]), (std::array{520.0, 110.0, 520.0, 240.0}));
  // the percent axis starts on the curve: sample 100 = 0.6 lies 60 above the zero line
  const auto red = LinesOf(recording_, kRed);
  const auto axis =
      std::find_if(red.begin(), red.end(), [](const RecordedCall& c) { return c.x1 == 670.0 && c.x2 == 670.0; });
  ASSERT_NE(axis, red.end());
  EXPECT_EQ(testing::Ends(*axis), (std::array{670.0, 80.0, 670.0, 240.0}));
}

TEST_F(TransverseErrorChartTest, TitleRunsDownTheLeftSideOneCharacterAtATime) {
  draw(3.0);
  const std::string title = "Normalized Transverse Error";
  const auto letters =
      testing::CallsWhere(recording_, [](const RecordedCall& c) { return c.op == Op::Text && c.x1 == 10.0; });
  ASSERT_EQ(letters.size(), title.size());
  for (std::size_t k = 0; k < title.size(); ++k) {
    EXPECT_EQ(letters[k].text, title.substr(k, 1));
    EXPECT_DOUBLE_EQ(letters[k].y1, 5.0 + (k + 1) * 12.0 / 1.5);
    EXPECT_EQ(letters[k].colour, kWhite);
  }
  EXPECT_NE(TextCall(recording_, "-5"), nullptr);
  EXPECT_NE(TextCall(recording_, "Percent Radius"), nullptr);
}

TEST_F(TransverseErrorChartTest, UnknownErrorsDrawOnlyTheTitle) {
  metrics_.TransErr[40] = std::numeric_limits<double>::infinity();
  DrawTransverseError(recording_, test_, metrics_);
  EXPECT_TRUE(CallsOf(recording_, Op::Line).empty());
  EXPECT_EQ(CallsOf(recording_, Op::Text).size(), 27u);
}

}  // namespace
}  // namespace zonalyst::plot
