#include "plot/RasterSurface.h"
#include "plot/RecordingSurface.h"
#include "plot/SavedPicture.h"

#include <gtest/gtest.h>

#include <array>
#include <tuple>

namespace zonalyst::plot {
namespace {

TEST(SavedPicture, DefaultNamesFollowTheTestAndThePanel) {
  const struct {
    const char* file;
    Panel panel;
    const char* name;
  } cases[] = {{"", Panel::SurfaceError, "_Surface.gif"},
               {"mirror.fdr", Panel::MilliesLacroix, "mirror_M-L_Plot.gif"},
               {"Big.FDR", Panel::StarTest, "Big_Star_Test.gif"},
               {"mirror.fdr", Panel::Readings, "mirror.gif"},
               {"notes", Panel::SurfaceError, "notes_Surface.gif"}};
  for (const auto& c : cases)
    EXPECT_EQ(DefaultImageName(c.file, c.panel), c.name) << c.file << " " << RowIndex(c.panel);
}

ZoneReport FourZoneReport() {
  ZoneReport report;
  report.unitsLine = "Units are in Millimeters, Light source is Fixed, ";
  report.mirrorLine = "Mirror Diameter = 200     Best fit Radius of Curvature = 2000.5     Desired deformation = -1";
  for (int z = 1; z <= 4; ++z) report.rows.push_back({std::to_string(z), "1.000", "", "", "", "", "", ""});
  return report;
}

TEST(SavedPicture, ReportStandsBelowThePanelInItsColumns) {
  RasterSurface raster(740, 580);
  RecordingSurface s(raster);
  DrawReport(s, FourZoneReport(), 280);
  const auto& calls = s.calls();
  ASSERT_EQ(calls.size(), 2u + 5u + 8u + 4u * 2u);  // empty cells print nothing
  // Two lines of the mirror, the headings in two rows centred in columns 92 wide, a row per zone.
  const std::pair<std::size_t, double> rows[] = {
      {0, 290.0}, {1, 302.0}, {2, 326.0}, {calls.size() - 1, 326.0 + 5 * 12}};
  for (const auto& [call, y] : rows) EXPECT_EQ(calls[call].y1, y) << call;
  for (const auto& [call, text, column] : {std::tuple{2, "Effective", 1}, {7, "Zone", 0}}) {
    EXPECT_EQ(calls[call].text, text);
    EXPECT_DOUBLE_EQ(calls[call].x1 + raster.textWidth(text) / 2.0, (column + 0.5) * 92);
  }
  EXPECT_EQ(calls.back().text, "1.000");

  ZoneReport withSpan = FourZoneReport();
  withSpan.measuredSpanLine = "RMS over the measured zones";
  RecordingSurface spanned(raster);
  EXPECT_EQ(DrawReport(spanned, withSpan, 280), DrawReport(s, FourZoneReport(), 280) + 2 * 12);
  EXPECT_EQ(spanned.calls().back().text, withSpan.measuredSpanLine);
  EXPECT_EQ(spanned.calls().back().y1, 326.0 + 7 * 12);  // a line below the last row
}

TEST(SavedPicture, PictureGrowsByTheReportRoomOrMoreForALongReport) {
  PixelImage panel{740, 280, std::basic_string<std::uint32_t>(740 * 280, 0x123456u)};
  const PixelImage image = ComposeSavedPicture({.picture = panel, .report = FourZoneReport()});
  EXPECT_EQ(std::pair(image.width, image.height), std::pair(740, 280 + kReportRoom));
  EXPECT_EQ(image.pixels[0], 0x123456u);
  EXPECT_EQ(image.pixels[740 * 279 + 739], 0x123456u);

  ZoneReport longReport = FourZoneReport();
  for (int z = 5; z <= 40; ++z) longReport.rows.push_back({std::to_string(z), "", "", "", "", "", "", ""});
  const PixelImage tall = ComposeSavedPicture({.picture = panel, .report = longReport});
  EXPECT_GT(tall.height, 280 + 10 + 44 * 12);
  // The last row is inked, not cut off.
  bool inked = false;
  for (int y = tall.height - 30; y < tall.height; ++y) {
    for (int x = 0; x < 92; ++x) inked = inked || tall.pixels[y * 740 + x] != 0u;
  }
  EXPECT_TRUE(inked);
}

TEST(SavedPicture, StarImagesStackFivePixelsApart) {
  std::array<PixelImage, 3> images;
  const std::uint32_t colours[3] = {0x0000ffu, 0x00ff00u, 0xff0000u};
  for (int i = 0; i < 3; ++i) images[i] = {740, 300, std::basic_string<std::uint32_t>(740 * 300, colours[i])};
  const PixelImage stack = ComposeSavedPicture({.panel = Panel::StarTest, .stack = images});
  EXPECT_EQ(std::pair(stack.width, stack.height), std::pair(769, 465 + kStarStackRoom));
  const std::array<int, 3> pixels[] = {{0, 299, 0x0000ff}, {0, 302, 0}, {0, 305, 0x00ff00}, {0, 610, 0xff0000},
                                       {0, 909, 0xff0000}, {0, 910, 0}, {745, 0, 0}};
  for (const auto& [x, y, colour] : pixels) EXPECT_EQ(stack.pixels[y * 769 + x], unsigned(colour)) << x << "," << y;
}

TEST(SavedPicture, InversionTakesTheComplementOfEveryColour) {
  PixelImage image{2, 1, {0x000000u, 0x123456u}};
  InvertPixels(image);
  EXPECT_EQ(image.pixels, (std::basic_string<std::uint32_t>{0xffffffu, 0xedcba9u}));
}

}  // namespace
}  // namespace zonalyst::plot
