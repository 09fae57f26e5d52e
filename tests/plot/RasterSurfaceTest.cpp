#include "plot/PictureSizes.h"
#include "plot/RasterSurface.h"
#include "plot/TeeSurface.h"

#include <gtest/gtest.h>

#include <array>
#include <limits>
#include <new>
#include <set>

namespace zonalyst::plot {
namespace {

std::uint32_t Pixel(const RasterSurface& s, int x, int y) { return s.image().pixel(x, y) & 0xffffffu; }

TEST(RasterSurface, LineInksBothEndPointsInEveryDirectionAndIsOnePixelWide) {
  const std::array<int, 4> cases[] = {{2, 3, 17, 3},  {17, 3, 2, 3},  {5, 1, 5, 18},  {5, 18, 5, 1},
                                      {1, 1, 15, 12}, {15, 12, 1, 1}, {3, 17, 16, 2}, {9, 9, 9, 9}};
  for (const auto& [x1, y1, x2, y2] : cases) {
    RasterSurface s(20, 20);
    s.line(x1, y1, x2, y2, kRed);
    EXPECT_TRUE(Pixel(s, x1, y1) == 0xff0000u && Pixel(s, x2, y2) == 0xff0000u)
        << x1 << "," << y1 << " -> " << x2 << "," << y2;
  }
  RasterSurface s(20, 5);
  s.line(4, 2, 10, 2, kYellow);
  for (int x = 0; x < 20; ++x) {
    for (int y = 0; y < 5; ++y)
      EXPECT_EQ(Pixel(s, x, y), y == 2 && x >= 4 && x <= 10 ? 0xffff00u : 0u) << x << "," << y;
  }
}

TEST(RasterSurface, ClippingNeverFailsAndKeepsTheVisiblePart) {
  RasterSurface s(30, 20);
  const double inf = std::numeric_limits<double>::infinity();
  const double nan = std::numeric_limits<double>::quiet_NaN();
  s.line(-1e300, 10, 1e300, 10, kGreen);
  s.line(-50, -50, -10, -10, kRed);
  s.line(nan, 0, 5, 5, kRed);
  s.line(0, inf, 5, 5, kRed);
  s.circle(1e12, 1e12, 5, kRed);
  s.circle(nan, 5, 5, kRed);
  s.circle(5, 5, inf, kRed);
  s.setTextPosition(nan, 1e300);
  s.print("clipped");
  s.drawImage(-1e9, 0, PixelImage{2, 2, std::basic_string<std::uint32_t>(4, 0xffffffu)});
  for (int x = 0; x < 30; ++x) EXPECT_EQ(Pixel(s, x, 10), 0x00ff00u) << x;
  std::set<std::uint32_t> colours;
  for (int y = 0; y < 20; ++y) {
    for (int x = 0; x < 30; ++x) colours.insert(Pixel(s, x, y));
  }
  EXPECT_EQ(colours, (std::set<std::uint32_t>{0u, 0x00ff00u}));
}

TEST(RasterSurface, CircleIsSymmetricAndTwoRadiiPlusOneAcross) {
  RasterSurface s(40, 40);
  s.circle(20, 20, 10, kWhite);
  for (const auto& [x, y] : {std::pair{10, 20}, {30, 20}, {20, 10}, {20, 30}}) EXPECT_EQ(Pixel(s, x, y), 0xffffffu);
  for (const auto& [x, y] : {std::pair{20, 20}, {9, 20}, {31, 20}}) EXPECT_EQ(Pixel(s, x, y), 0u);
}

TEST(RasterSurface, TextMetricsAreThoseOfCourierNewAtNinetySixDpi) {
  RasterSurface s(kSG.width, kSG.height);
  EXPECT_DOUBLE_EQ(s.textHeight("X"), 12.0);
  EXPECT_DOUBLE_EQ(s.textWidth("X"), 7.0);
  EXPECT_DOUBLE_EQ(s.textWidth("Mirror"), 40.0);  // advances of 6.6 px, the sum rounded
  s.setFontSize(kStarTitlePoints);
  EXPECT_GT(s.textHeight("X"), 16.0);
}

TEST(RasterSurface, PrintWritesTwoColouredTextAndMovesToTheNextLineUntilCleared) {
  RasterSurface s(100, 40);
  s.setTextColour(kYellow);
  s.setTextPosition(30, 5);
  s.print("Zone");
  EXPECT_DOUBLE_EQ(s.textX(), 0.0);
  EXPECT_DOUBLE_EQ(s.textY(), 5.0 + s.textHeight("Zone"));
  int inked = 0;
  for (int y = 0; y < 40; ++y) {
    for (int x = 0; x < 100; ++x) {
      const std::uint32_t p = Pixel(s, x, y);
      ASSERT_TRUE(p == 0u || p == 0xffff00u) << std::hex << p;
      if (p != 0u) {
        ++inked;
        EXPECT_GE(x, 30);
        EXPECT_GE(y, 5);
        EXPECT_LT(y, 17);
      }
    }
  }
  EXPECT_GT(inked, 20);
  s.clear();
  EXPECT_EQ(s.toPixelImage().pixels, std::basic_string<std::uint32_t>(100 * 40, 0u));
  EXPECT_DOUBLE_EQ(s.textX(), 0.0);
  EXPECT_DOUBLE_EQ(s.textY(), 0.0);
}

TEST(RasterSurface, PixelImagesGoInAndOutUnchanged) {
  PixelImage stamp{3, 2, {0x010203u, 0x102030u, 0xffffffu, 0x00ff00u, 0x0000ffu, 0x7f7f7fu}};
  RasterSurface s(6, 4);
  s.drawImage(2, 1, stamp);
  const PixelImage out = s.toPixelImage();
  ASSERT_EQ(std::pair(out.width, out.height), std::pair(6, 4));
  for (int y = 0; y < 2; ++y) {
    for (int x = 0; x < 3; ++x) EXPECT_EQ(out.pixels[(y + 1) * 6 + x + 2], stamp.pixels[y * 3 + x]);
  }
  EXPECT_EQ(out.pixels[0], 0u);
  const PixelImage back = ToPixelImage(ToQImage(stamp));
  EXPECT_EQ(back.pixels, stamp.pixels);
}

// Qt gives a null image where memory fails it (here: more pixels in a row than it takes).
TEST(RasterSurface, AnImageTheMemoryCannotHoldIsOutOfMemoryNotACrash) {
  constexpr int kTooWide = 600'000'000;
  EXPECT_THROW(RasterSurface(kTooWide, 1), std::bad_alloc);
  EXPECT_THROW(ToQImage(PixelImage{kTooWide, 1, {}}), std::bad_alloc);
  EXPECT_TRUE(ToQImage(PixelImage{}).isNull());
}

// A chart drawn through the tee into a logical picture and a double-density one: the
// logical picture is the one drawn alone, the dense one has twice the pixels in each
// direction with the same geometry, and text placement follows the logical metrics.
TEST(RasterSurface, ADoubleDensityTwinKeepsTheGeometryAndTheLogicalPictureStaysExact) {
  const auto draw = [](PictureSurface& s) {
    s.clear();
    s.line(2, 3, 20, 3, kRed);
    s.fillPolygon({{30, 10}, {40, 10}, {40, 20}}, kGreen);
    s.setTextPosition(4, 20);
    s.print("Zone 1");
    s.print("Zone 2");
  };
  RasterSurface alone(60, 50);
  draw(alone);
  RasterSurface logical(60, 50);
  RasterSurface dense(60, 50, 2.0);
  TeeSurface both(logical, dense);
  draw(both);
  EXPECT_EQ(logical.toPixelImage().pixels, alone.toPixelImage().pixels);
  EXPECT_DOUBLE_EQ(both.textY(), alone.textY());
  EXPECT_DOUBLE_EQ(dense.textY(), alone.textY());
  EXPECT_EQ(dense.scaleWidth(), 60);
  EXPECT_DOUBLE_EQ(dense.devicePixelRatio(), 2.0);
  ASSERT_EQ(dense.image().size(), QSize(120, 100));
  EXPECT_EQ(Pixel(dense, 2 * 10, 2 * 3), 0xff0000u);
  EXPECT_EQ(Pixel(dense, 2 * 38, 2 * 12), 0x00ff00u);
  EXPECT_EQ(Pixel(dense, 2 * 10, 2 * 6), 0u);
  // The text is drawn at the dense surface's own resolution, not blown up: some row of
  // device pixels inside the first line differs from its neighbour in the same logical row.
  bool finerThanLogical = false;
  for (int y = 2 * 20; y < 2 * 31 && !finerThanLogical; y += 2) {
    for (int x = 0; x < 120 && !finerThanLogical; ++x) finerThanLogical = Pixel(dense, x, y) != Pixel(dense, x, y + 1);
  }
  EXPECT_TRUE(finerThanLogical);
}

}  // namespace
}  // namespace zonalyst::plot
