#include "ChartCalls.h"
#include "plot/MaskPdf.h"
#include "plot/MaskTemplate.h"
#include "plot/RasterSurface.h"
#include "tests/support/TestMirror.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <iterator>
#include <tuple>

namespace zonalyst::plot {
namespace {

using testing::CallsOf;
using testing::TextCall;

// A mirror of the diameter in millimetres (or inches) with zones of equal width.
MirrorTest MaskedMirror(double diameter, int zones, bool inches = false) {
  std::vector<double> outer;
  for (int z = 1; z <= zones; ++z) outer.push_back(z * diameter / 2.0 / zones);
  return zonalyst::testing::TestMirror({.roc = diameter * 10.0,
                                        .diameter = diameter,
                                        .inches = inches,
                                        .innerOuter = true,
                                        .zones = outer,
                                        .perfectReadings = false});
}

// One page drawn on a recording surface of the printable area, a pixel per millimetre.
struct DrawnPage {
  DrawnPage(const MaskLayout& layout, int row, int column)
      : raster(static_cast<int>(layout.printableWidth), static_cast<int>(layout.printableHeight)), s(raster) {
    DrawMaskPage(s, layout, row, column);
  }
  std::vector<RecordedCall> polygons(Rgb colour) const {
    return testing::CallsWhere(
        s, [&](const RecordedCall& c) { return c.op == RecordedCall::Op::Polygon && c.colour == colour; });
  }
  RasterSurface raster;
  RecordingSurface s;
};

TEST(MaskLayout, EachZoneOpensOnBothSidesWithinTheAngleOddZonesAboveEvenBelow) {
  const MirrorTest test = MaskedMirror(150.0, 5);
  for (const double angle : {30.0, 12.5, 90.0}) {
    const MaskLayout layout = PlanMask(test, "t.fdr", kA4, angle);
    const DrawnPage page(layout, 0, 0);
    const std::vector<RecordedCall> openings = page.polygons(kOpeningGrey);
    ASSERT_EQ(openings.size(), 10u);
    for (std::size_t k = 0; k < openings.size(); ++k) {
      const int zone = static_cast<int>(k / 2) + 1;
      const bool right = k % 2 == 0;
      const double inner = (zone - 1) * 15.0;
      const double outer = zone * 15.0;
      bool reachesInner = false, reachesOuter = false, reachesDiameter = false, reachesAngle = false;
      for (const PicturePoint& p : openings[k].corners) {
        const double dx = p.x - layout.centreX;
        const double up = layout.centreY - p.y;  // above the diameter is positive
        const double r = std::hypot(dx, up);
        EXPECT_TRUE(std::abs(r - inner) < 1e-9 || std::abs(r - outer) < 1e-9 || r < 1e-9) << zone << " r " << r;
        reachesInner |= std::abs(r - inner) < 1e-9;
        reachesOuter |= std::abs(r - outer) < 1e-9;
        if (r < 1e-9) continue;
        EXPECT_TRUE(right ? dx >= -1e-9 : dx <= 1e-9) << "zone " << zone << " on its side";
        EXPECT_TRUE(zone % 2 == 1 ? up >= -1e-9 : up <= 1e-9) << "zone " << zone << " odd above, even below";
        const double fromDiameter = std::atan2(std::abs(up), std::abs(dx)) * 180.0 / M_PI;
        EXPECT_LE(fromDiameter, angle + 1e-9);
        reachesDiameter |= fromDiameter < 1e-9;
        reachesAngle |= std::abs(fromDiameter - angle) < 1e-9;
      }
      EXPECT_TRUE(reachesOuter && reachesDiameter && reachesAngle) << "zone " << zone;
      EXPECT_TRUE(reachesInner || inner == 0.0) << "zone " << zone;
      EXPECT_NE(TextCall(page.s, std::to_string(zone)), nullptr);
    }
  }
}

TEST(MaskLayout, ScaleBarIsOneHundredMillimetresOrFourInchesBy5) {
  const std::pair<MirrorTest, double> cases[] = {{MaskedMirror(150.0, 4), 100.0}, {MaskedMirror(6.0, 4, true), 101.6}};
  for (const auto& [test, length] : cases) {
    const DrawnPage page(PlanMask(test, "t.fdr", kA4, 30.0), 0, 0);
    const std::vector<RecordedCall> bars = page.polygons(kBlack);
    ASSERT_EQ(bars.size(), 1u);
    const std::vector<PicturePoint> expected = {{0, 0}, {length, 0}, {length, 5}, {0, 5}};
    EXPECT_EQ(bars[0].corners, expected);
    EXPECT_NE(TextCall(page.s, test.inInches() ? "This bar measures 4 inches when printed at actual size"
                                               : "This bar measures 100 mm when printed at actual size"),
              nullptr);
    EXPECT_EQ(CallsOf(page.s, RecordedCall::Op::Circle).size(), 1u);
    EXPECT_EQ(TextCall(page.s, "page 1, 1 of 1 x 1"), nullptr);
  }
}

TEST(MaskLayout, ALargeMaskIsTiledWithOverlapCrossesAndPageNumbers) {
  const MaskLayout a4 = PlanMask(MaskedMirror(310.0, 5), "t.fdr", kA4, 30.0);
  EXPECT_EQ(std::tuple(a4.printableWidth, a4.rows, a4.columns, a4.tileLeft(1), a4.tileTop(1)),
            std::tuple(190.0, 2, 2, 180.0, 267.0));
  EXPECT_LE(a4.sheetWidth, a4.tileLeft(a4.columns - 1) + a4.printableWidth);
  EXPECT_LE(a4.sheetHeight, a4.tileTop(a4.rows - 1) + a4.printableHeight);
  EXPECT_EQ(AlignmentCrosses(a4).size(), 5u);  // the inner one and one at each end of both overlaps

  const DrawnPage lowerRight(a4, 1, 1);
  ASSERT_NE(TextCall(lowerRight.s, "page 2, 2 of 2 x 2"), nullptr);
  // The circle, drawn shifted by the page's place on the sheet.
  const std::vector<RecordedCall> circles = CallsOf(lowerRight.s, RecordedCall::Op::Circle);
  ASSERT_EQ(circles.size(), 1u);
  EXPECT_EQ(std::tuple(circles[0].x1, circles[0].y1, circles[0].radius),
            std::tuple(a4.centreX - 180.0, a4.centreY - 267.0, 155.0));

  const MaskLayout letter = PlanMask(MaskedMirror(310.0, 5), "t.fdr", kLetter, 30.0);
  EXPECT_DOUBLE_EQ(letter.printableWidth, 195.9);
  EXPECT_EQ(letter.pageCount(), 4);
  EXPECT_EQ(PlanMask(MaskedMirror(150.0, 15), "t.fdr", kA4, 30.0).pageCount(), 1);
}

TEST(MaskLayout, RefusesWhatItCannotDraw) {
  MirrorTest effective = MaskedMirror(200.0, 4);
  effective.InnerOuterEntry = 0;
  MirrorTest crossed = MaskedMirror(200.0, 4);
  crossed.ZoneRadius[3][1] = crossed.ZoneRadius[3][0];
  const struct {
    MirrorTest test;
    double angle;
    const char* message;
  } cases[] = {
      {effective, 30.0,
       "The mask template needs each zone's inner and outer radius; this test gives effective radii only."},
      {crossed, 30.0, "Zone 3's outer radius must be larger than its inner radius."},
      {MaskedMirror(200.0, 4), 0.0, "The openings' angle must be above 0 and at most 90 degrees."},
      {MaskedMirror(200.0, 4), 90.5, "The openings' angle must be above 0 and at most 90 degrees."},
      {MaskedMirror(1e12, 4), 30.0, "The mask would need more than 100 pages of A4."},
  };
  for (const auto& c : cases) EXPECT_EQ(MaskRefusal(c.test, kA4, c.angle).value_or(""), c.message);
  EXPECT_FALSE(MaskRefusal(MaskedMirror(1000.0, 4), kA4, 90.0));
}

TEST(MaskPdf, WritesEveryPageAtThePapersSize) {
  QTemporaryDir dir;
  const std::string path = dir.filePath("mask.pdf").toStdString();
  const MaskLayout layout = PlanMask(MaskedMirror(310.0, 5), "t.fdr", kLetter, 30.0);
  ASSERT_EQ(WriteMaskPdf(layout, kLetter, path), "");
  std::ifstream in(path, std::ios::binary);
  const std::string pdf((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_NE(pdf.find("/Count 4"), std::string::npos);
  EXPECT_NE(pdf.find("/MediaBox [0 0 612.000000 792.000000]"), std::string::npos);
  EXPECT_NE(WriteMaskPdf(layout, kLetter, dir.filePath("none/mask.pdf").toStdString()), "");
}

}  // namespace
}  // namespace zonalyst::plot
