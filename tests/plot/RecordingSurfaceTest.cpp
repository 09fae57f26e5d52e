#include "plot/RasterSurface.h"
#include "plot/RecordingSurface.h"

#include <gtest/gtest.h>

namespace zonalyst::plot {
namespace {

TEST(RecordingSurface, KeepsEveryCallAndPassesItOn) {
  RasterSurface raster(50, 40);
  RecordingSurface s(raster);
  s.clear();
  s.line(1, 2, 30.5, 2, kRed);
  s.circle(20, 20, 7, kGreen);
  s.setTextColour(kYellow);
  s.setTextPosition(3, 4);
  s.print("Z");
  s.setFontSize(12);
  s.print("big");
  s.drawImage(5, 6, PixelImage{2, 1, {1u, 2u}});

  EXPECT_EQ(s.textWidth("abc"), raster.textWidth("abc"));
  EXPECT_EQ(raster.image().pixel(30, 2) & 0xffffffu, 0xff0000u);

  const std::string expected =
      "{\"width\":50,\"height\":40,\"calls\":["
      "{\"op\":\"clear\"},"
      "{\"op\":\"line\",\"x1\":1,\"y1\":2,\"x2\":30.5,\"y2\":2,\"color\":[255,0,0]},"
      "{\"op\":\"circle\",\"x\":20,\"y\":20,\"r\":7,\"color\":[0,255,0]},"
      "{\"op\":\"text\",\"x\":3,\"y\":4,\"text\":\"Z\",\"color\":[255,255,0],\"size\":8.25},"
      // one 8.25-point line below the first text
      "{\"op\":\"text\",\"x\":0,\"y\":16,\"text\":\"big\",\"color\":[255,255,0],\"size\":12},"
      "{\"op\":\"image\",\"x\":5,\"y\":6,\"width\":2,\"height\":1}]}";
  EXPECT_EQ(s.toJson(), expected);
}

}  // namespace
}  // namespace zonalyst::plot
