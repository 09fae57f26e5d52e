#include "ChartCalls.h"
#include "plot/ContrastCurvesChart.h"
#include "plot/RasterSurface.h"

#include <gtest/gtest.h>

namespace zonalyst::plot {
namespace {

using testing::CallsOf;
using testing::TextCall;

// Three frames 0.1 mm apart; zone 1 nulls at 1.15, zone 2 never changes sign.
PhotoReadingsResult TwoZones() {
  PhotoReadingsResult result;
  result.positions = {1.0, 1.1, 1.2, 1.3};
  ZoneNull read;
  read.zone = 1;
  read.contrast = {0.03, 0.01, -0.01, -0.03};
  read.reading = 1.15;
  read.status = NullStatus::Read;
  ZoneNull unread;
  unread.zone = 2;
  unread.contrast = {0.04, 0.03, 0.02, 0.01};
  result.zones = {read, unread};
  return result;
}

TEST(ContrastCurvesChart, FrameSpansThePositionsWithHalfAStepAndARoundContrast) {
  const ContrastFrame f = ContrastFrame::For(TwoZones());
  EXPECT_DOUBLE_EQ(f.positionMin, 0.95);
  EXPECT_DOUBLE_EQ(f.positionMax, 1.35);
  EXPECT_DOUBLE_EQ(f.contrastTop, 0.05);
  EXPECT_DOUBLE_EQ(f.y(0.0), (f.top + f.base) / 2.0);
  EXPECT_DOUBLE_EQ(f.y(0.05), f.top);

  PhotoReadingsResult single;
  single.positions = {2.0};
  single.zones.resize(1);
  single.zones[0].contrast = {3.0};
  const ContrastFrame wide = ContrastFrame::For(single);
  EXPECT_DOUBLE_EQ(wide.positionMin, 1.0);
  EXPECT_DOUBLE_EQ(wide.positionMax, 3.0);
  EXPECT_DOUBLE_EQ(wide.contrastTop, 1.0) << "the contrast axis never reaches beyond 1";
}

TEST(ContrastCurvesChart, DrawsFramesAsDotsMarksTheNullAndGreysTheUnreadZone) {
  const PhotoReadingsResult result = TwoZones();
  RasterSurface raster(kContrastChartWidth, kContrastChartHeight);
  RecordingSurface s(raster);
  DrawContrastCurves(s, result, false);
  const ContrastFrame f = ContrastFrame::For(result);

  const std::vector<RecordedCall> dots = CallsOf(s, RecordedCall::Op::Circle);
  ASSERT_EQ(dots.size(), 8u);
  // The unread zone first, greyed, under the read one.
  for (std::size_t i = 0; i < 4; ++i) {
    EXPECT_DOUBLE_EQ(dots[i].x1, f.x(result.positions[i]));
    EXPECT_DOUBLE_EQ(dots[i].y1, f.y(result.zones[1].contrast[i]));
    EXPECT_DOUBLE_EQ(dots[i + 4].y1, f.y(result.zones[0].contrast[i]));
    EXPECT_EQ(dots[i].colour.r, dots[i].colour.g);
    EXPECT_NE(dots[i + 4].colour, dots[i].colour);
  }
  // The null's cross is centred on the reading at zero contrast.
  const Rgb zone1 = dots[4].colour;
  int crossLines = 0;
  for (const RecordedCall& c : testing::LinesOf(s, zone1)) {
    if ((c.x1 + c.x2) / 2.0 == f.x(1.15) && (c.y1 + c.y2) / 2.0 == f.y(0.0)) ++crossLines;
  }
  EXPECT_EQ(crossLines, 2);
  EXPECT_NE(TextCall(s, "Zone 1  1.1500"), nullptr);
  EXPECT_NE(TextCall(s, "Zone 2  unread"), nullptr);
  EXPECT_NE(TextCall(s, "Knife position (mm)"), nullptr);
}

}  // namespace
}  // namespace zonalyst::plot
