#include "ChartCalls.h"
#include "core/NumberText.h"
#include "core/QualityMetrics.h"
#include "core/RonchiBands.h"
#include "core/TesterControls.h"
#include "plot/RasterSurface.h"
#include "plot/TesterViewChart.h"
#include "tests/support/TestMirror.h"

#include <gtest/gtest.h>

#include <tuple>

namespace zonalyst::plot {
namespace {

using Op = RecordedCall::Op;
using testing::CallsOf;
using testing::ExpectTextAt;

// An 8" f/6 paraboloid in inches whose third zone reads 0.01 inch long: readings 0.0052,
// 0.0208, 0.0508, 0.0602 and 0.0792 inch.
struct Figured {
  MirrorTest test = zonalyst::testing::TestMirror(
      {.roc = 96.0, .diameter = 8.0, .inches = true, .zones = {1.0, 2.0, 2.8, 3.4, 3.9}, .readingOffset = 0.0});
  SurfaceProfile profile;
  double bestFit = 0.0;
  Figured() {
    test.KeReading[3][1] += 0.01;
    AverageReadings(test);
    QualityMetrics metrics;
    bestFit = FindBestFitRoc(profile, test.DesiredConic, ReduceReadings(test, profile), metrics);
  }
};

TEST(TesterViewChartTest, MeasuredAndPerfectSideBySideUnderTheirCaptions) {
  const Figured m;
  TesterControls controls;
  controls.knifeReading = m.test.KeAverage[3];
  RasterSurface raster(kPicTester.width, kPicTester.height);
  RecordingSurface s(raster);
  DrawTestersView(s, m.test, m.profile, m.bestFit, controls);

  const auto images = CallsOf(s, Op::Image);
  ASSERT_EQ(images.size(), 2u);
  EXPECT_EQ(std::vector<double>({images[0].x1, images[0].y1, images[1].x1, images[1].y1}),
            std::vector<double>({185 - 118, 16, 555 - 118, 16}));
  const double h = raster.textHeight("X");
  ExpectTextAt(s, "Measured mirror", 185 - raster.textWidth("Measured mirror") / 2, 2, kWhite);
  const std::string perfect = "Perfect: K = -1, ROC " + FormatFixed(m.bestFit / 25.4, 3) + " inch";
  ExpectTextAt(s, perfect, 555 - raster.textWidth(perfect) / 2, 2, kWhite);
  const std::string knife =
      "Knife at " + FormatFixed(m.test.KeAverage[3], 4) + " inch on the readings' scale, nearest zone 3";
  ExpectTextAt(s, knife, 370 - raster.textWidth(knife) / 2, 254, kYellow);
  ExpectTextAt(s, "cut 0.00098 inch, slit 0.00394 inch, knife from the right", testing::kAny, 254 + h, kYellow);

  // Each view is the one the core computes, pixel for pixel.
  const QImage& picture = raster.image();
  for (const bool isPerfect : {false, true}) {
    GreyPicture view;
    SimulateTesterView(m.test, m.profile, m.bestFit, isPerfect, controls.knifeReading, controls.settings,
                       kTesterViewSide, view);
    const int left = isPerfect ? 555 - 118 : 185 - 118;
    int mismatches = 0;
    for (int j = 0; j < kTesterViewSide; ++j) {
      for (int i = 0; i < kTesterViewSide; ++i) {
        mismatches += (picture.pixel(left + i, 16 + j) & 0xffffffu) != view.at(i, j) * 0x010101u;
      }
    }
    EXPECT_EQ(mismatches, 0) << "perfect " << isPerfect;
  }
}

TEST(TesterViewChartTest, TextsOfTheControls) {
  const Figured m;
  // The knife's text is in the chart's captions above.
  EXPECT_EQ(TesterSettingsText(m.test, {TesterPattern::Ronchi, 0.0254, 0.1, 133.0, EntrySide::Left}),
            "133 lines per inch, phase 0.001 inch, grating from the left");
  // A knife between zones names the nearer.
  for (const auto& [reading, zone] : {std::pair{0.0218, 2}, {0.0498, 3}, {-5.0, 1}, {5.0, 5}}) {
    EXPECT_EQ(NearestZone(m.test, reading), zone) << reading;
  }
  EXPECT_EQ(KnifePositionText(m.test, 0.015, TesterPattern::Ronchi),
            "Grating at 0.0150 inch on the readings' scale, nearest zone 2");
  // The slider: 0.0005 inch steps over the readings' span and half of it (at least 0.08 inch)
  // on each side: 0.0052 - 0.08 to 0.0792 + 0.08 inch.
  const KnifeScale scale = KnifeSliderScale(m.test);
  EXPECT_EQ(std::tuple(scale.step, scale.minimum, scale.maximum), std::tuple(0.0005, -150, 319));
  EXPECT_EQ(scale.valueNearest(1e9), scale.maximum);
  EXPECT_EQ(scale.valueNearest(0.015), 30);
  EXPECT_EQ(scale.valueNearest(-1e9), scale.minimum);
  // For the grating each end reaches out to where the perfect mirror shows 8 bands, no farther.
  const KnifeScale ronchi = RonchiKnifeScale(m.test, m.profile, m.bestFit, 100.0);
  for (const auto& [end, inwards] : {std::pair{ronchi.minimum, 2}, {ronchi.maximum, -2}}) {
    EXPECT_GE(PerfectMirrorBands(m.test, m.profile, m.bestFit, ronchi.reading(end), 100.0), kRonchiEndBands);
    EXPECT_LT(PerfectMirrorBands(m.test, m.profile, m.bestFit, ronchi.reading(end + inwards), 100.0), kRonchiEndBands);
  }
}

}  // namespace
}  // namespace zonalyst::plot
