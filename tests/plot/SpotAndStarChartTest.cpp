#include "ChartCalls.h"
#include "plot/RasterSurface.h"
#include "plot/SpotDiffractionChart.h"
#include "plot/StarTestChart.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <tuple>

namespace zonalyst::plot {
namespace {

using Op = RecordedCall::Op;
using testing::CallsOf;
using testing::LinesOf;

TEST(SpotScaleTest, GridLabelsAndLogHeights) {
  const char* expected[] = {"0", "-0.5", "-1", "-1.5", "-2", "-2.5", "-3", "-3.5", "-4", "-4.5", "-5"};
  for (int m = 0; m <= 10; ++m) EXPECT_EQ(SpotGridLabel(m), expected[m]);

  RasterSurface raster(740, 280);
  const SpotScale scale(raster);
  EXPECT_DOUBLE_EQ(scale.y(1.0), 40.0);
  EXPECT_DOUBLE_EQ(scale.y(0.1), 80.0);
  EXPECT_NEAR(scale.y(1.0001e-5), 40.0 + 40.0 * 4.99995657, 1e-6);
  EXPECT_DOUBLE_EQ(scale.y(1e-5), 240.0);
  EXPECT_DOUBLE_EQ(scale.y(0.0), 240.0);
  EXPECT_DOUBLE_EQ(scale.x(100), 670.0);
}

TEST(SpotDiffractionChartTest, DrawsGridCurvesAndTitles) {
  RasterSurface raster(740, 280);
  RecordingSurface s(raster);
  SpotDiffraction spot;
  spot.ideal.fill(0.01);
  spot.actual.fill(0.0);
  spot.ideal[0] = spot.actual[0] = 1.0;
  DrawSpotDiffraction(s, spot);

  ASSERT_EQ(CallsOf(s, Op::Line).size(), 22u + 200u);
  EXPECT_EQ(LinesOf(s, kGreen).size(), 100u);
  const auto red = LinesOf(s, kRed);
  ASSERT_EQ(red.size(), 100u);
  EXPECT_EQ(red[0].y1, 40.0);
  EXPECT_EQ(red[0].y2, 240.0);

  const auto texts = CallsOf(s, Op::Text);
  EXPECT_EQ(texts[0].text, "0");
  EXPECT_DOUBLE_EQ(texts[0].x1 + raster.textWidth("0"), 67.0);
  EXPECT_DOUBLE_EQ(texts[0].y1, 40.0 - raster.textHeight("0") / 2.0);
  const auto title = testing::CallsWhere(s, [](const RecordedCall& c) { return c.op == Op::Text && c.x1 == 10; });
  EXPECT_EQ(title.size(), std::string("Log10 of Intensity").size());
  EXPECT_EQ(texts.back().text, "Angle from spot center (Times Diameter/Lambda)");
  EXPECT_DOUBLE_EQ(texts.back().y1, 260.0);
}

TEST(StarTestChartTest, TitlesAndShifts) {
  EXPECT_EQ(StarTestTitle({0, 2000.0, 200.0, false}), "Airy Disk Representation, using a 2.5mm Eyepiece");
  EXPECT_EQ(StarTestTitle({5, 2032.0, 203.2, true}), "5 Waves Defocus Star test Simulation, using a 2.5mm Eyepiece");
  EXPECT_EQ(FocalShiftText(1.1, false), "0.55mm");
  EXPECT_EQ(FocalShiftText(1.1, true), "0.0217 Inches");
  EXPECT_EQ(FocalShiftText(0.0, false), "0mm");
}

TEST(StarTestChartTest, PaintsRingsInGreyFramesAndCaptions) {
  RasterSurface raster(740, 300);
  RecordingSurface s(raster);
  StarTestImages images;
  images.defocusMm = 1.1;
  for (auto& rings : images.rings) rings.fill(kNotPainted);
  images.rings[0][0] = 255;
  images.rings[1][3] = 128;
  images.rings[2][100] = 7;
  DrawStarTest(s, images, {2, 2000.0, 200.0, false});

  // Each ring is two outlines a quarter pixel either side of its radius, then the three frames.
  const auto circles = CallsOf(s, Op::Circle);
  ASSERT_EQ(circles.size(), 9u);
  constexpr Rgb kGrey{128, 128, 128}, kDim{7, 7, 7};
  const struct {
    double x, radius;
    Rgb colour;
  } expected[] = {{135, 0, kWhite},    {135, 0.25, kWhite}, {370, 2.75, kGrey}, {370, 3.25, kGrey}, {605, 99.75, kDim},
                  {605, 100.25, kDim}, {135, 102, kRed},    {370, 102, kGreen}, {605, 102, kRed}};
  for (int p = 0; p < 9; ++p) {
    EXPECT_EQ(std::tuple(circles[p].x1, circles[p].radius, circles[p].colour),
              std::tuple(expected[p].x, expected[p].radius, expected[p].colour))
        << p;
  }

  const auto texts = CallsOf(s, Op::Text);
  ASSERT_EQ(texts.size(), 7u);
  EXPECT_EQ(std::pair(texts[0].text, texts[0].y1), std::pair(std::string("0.55mm"), 263.0));
  EXPECT_EQ(std::pair(texts[1].text, texts[1].colour), std::pair(std::string("Inside Focus"), kRed));
  EXPECT_EQ(std::pair(texts[3].text, texts[3].colour),
            std::pair(std::string("In/Outside Focus for Perfect Mirror!"), kGreen));
  EXPECT_EQ(texts[5].text, "Outside Focus");
  const std::string title = "2 Waves Defocus Star test Simulation, using a 2.5mm Eyepiece";
  EXPECT_EQ(std::tuple(texts[6].text, texts[6].points, texts[6].colour), std::tuple(title, 12.0, kWhite));
  RasterSurface titleFont(10, 10);
  titleFont.setFontSize(12.0);
  EXPECT_DOUBLE_EQ(texts[6].y1 + titleFont.textHeight("X") / 2.0, (150 - 103) / 2.0);
  s.print("after");
  EXPECT_EQ(CallsOf(s, Op::Text).back().points, 8.25);
}

TEST(StarTestChartTest, PaintedRingsLeaveNoHoles) {
  RasterSurface raster(740, 300);
  StarTestImages images;
  for (auto& rings : images.rings) rings.fill(200);
  DrawStarTest(raster, images, {0, 2000.0, 200.0, false});
  int holes = 0;
  for (int y = 50; y <= 250; ++y) {
    for (int x = 35; x <= 235; ++x) {
      if (std::hypot(x - 135, y - 150) < 100 && (raster.image().pixel(x, y) & 0xffffffu) != 0xc8c8c8u) ++holes;
    }
  }
  EXPECT_EQ(holes, 0);
}

}  // namespace
}  // namespace zonalyst::plot
