#include "core/ContrastCrossing.h"
#include "core/PhotoReadings.h"
#include "core/QualityMetrics.h"
#include "tests/support/TestMirror.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <random>

namespace zonalyst {
namespace {

using testing::TestMirror;

// Real reading sets: a 252 mm f/4.7 (moving source), a 254 mm f/5 (fixed source) and an
// 8" f/6 in inches, its readings taken here as with a fixed source.
struct Mirror {
  testing::MirrorRecipe recipe;
  std::vector<double> readings;  // none: a perfect mirror's
};
// Built field by field: MinGW's GCC 12 warns wrongly about these as braced constants.
Mirror MirrorOf(testing::MirrorRecipe recipe, std::vector<double> readings) {
  Mirror mirror;
  mirror.recipe = std::move(recipe);
  mirror.readings = std::move(readings);
  return mirror;
}
Mirror T254() {
  return MirrorOf({.roc = 2391.0, .diameter = 252.0, .innerOuter = true, .zones = {31, 56, 80, 98, 113, 126}},
                  {35.23, 35.705, 36.28, 36.925, 37.665, 38.345});
}
Mirror TenInchFixed() {
  return MirrorOf({.roc = 2540.0,
                   .diameter = 254.0,
                   .movingSource = false,
                   .innerOuter = true,
                   .zones = {40, 62, 80, 94, 106, 117, 127}},
                  {9.99, 10.79, 11.72, 12.64, 13.52, 14.43, 15.38});
}
Mirror EightInchFixed() {
  return MirrorOf({.roc = 96.0,
                   .diameter = 8.0,
                   .inches = true,
                   .movingSource = false,
                   .innerOuter = true,
                   .zones = {1.4, 2.1, 2.65, 3.1, 3.55, 4.0}},
                  {0.499, 0.517, 0.536, 0.55, 0.57, 0.592});
}

struct Reduced {
  MirrorTest test;
  SurfaceProfile profile;
  double bestFitRocMm = 0.0;
};

Reduced Reduce(const Mirror& mirror) {
  testing::MirrorRecipe recipe = mirror.recipe;
  recipe.perfectReadings = mirror.readings.empty();
  Reduced m{TestMirror(recipe), {}, 0.0};
  for (std::size_t z = 1; z <= mirror.readings.size(); ++z) m.test.KeReading[z][1] = mirror.readings[z - 1];
  AverageReadings(m.test);
  QualityMetrics metrics;
  m.bestFitRocMm = FindBestFitRoc(m.profile, m.test.DesiredConic, ReduceReadings(m.test, m.profile), metrics);
  return m;
}

// What stands between the simulated view and the camera.
struct Camera {
  int size = 400;                // of the disc's square
  int marginX = 0, marginY = 0;  // frame beyond the square, left and top (and as much + 40 right and bottom)
  double blurPx = 0.0;
  double noise = 0.0;  // grey levels
  bool gains = false;  // frame gains 0.85..1.15
  bool rim = false;    // a bright ring a pixel wide inside the disc's edge
  bool mask = false;   // the test's Couder mask, odd zones open above the diameter
  double background = 0.0;
  EntrySide side = EntrySide::Right;
  bool degraded() const {
    return marginX || marginY || blurPx > 0.0 || noise > 0.0 || gains || rim || mask || background > 0.0;
  }
};

struct Series {
  std::vector<GreyFrame> frames;
  std::vector<double> positions;
  PhotoDisc disc;  // the truth
};

// The project's mask: each zone open within 30 degrees of the diameter, odd zones above it,
// even ones below; u to the right and v up, mm from the centre.
bool InMaskOpening(const MirrorTest& test, double u, double v) {
  const double r = std::hypot(u, v);
  for (int z = 1; z <= test.ZoneCount; ++z) {
    const double inner = test.ZoneRadius[z][0] * test.mmPerUnit(), outer = test.ZoneRadius[z][1] * test.mmPerUnit();
    const double up = z % 2 == 1 ? v : -v;
    if (r >= inner && r < outer && up >= 0.0 && up <= std::abs(u) * std::tan(std::numbers::pi / 6.0)) return true;
  }
  return false;
}

// A Gaussian blur, separable; the frame's border, as wide as the kernel's reach, is left as
// it is (background).
void Blur(std::vector<double>& image, int w, int h, double sigma) {
  const int reach = static_cast<int>(std::ceil(3.0 * sigma));
  std::vector<double> kernel;
  double total = 0.0;
  for (int k = -reach; k <= reach; ++k) total += kernel.emplace_back(std::exp(-k * k / (2.0 * sigma * sigma)));
  for (double& v : kernel) v /= total;
  std::vector<double> out = image;
  for (const std::size_t stride : {std::size_t{1}, static_cast<std::size_t>(w)}) {
    for (int y = reach; y < h - reach; ++y) {
      for (int x = reach; x < w - reach; ++x) {
        const double* p = image.data() + static_cast<std::size_t>(y) * w + x - reach * stride;
        double sum = 0.0;
        for (const double k : kernel) sum += k * *p, p += stride;
        out[static_cast<std::size_t>(y) * w + x] = sum;
      }
    }
    image.swap(out);
  }
}

// Frames every step from the first zone's reading less margin to the last's plus margin.
Series MakeSeries(const Reduced& m, double step, const Camera& camera, double from, double to) {
  Series s;
  const int extra = camera.degraded() ? 40 : 0;
  const int w = camera.size + 2 * camera.marginX + extra, h = camera.size + 2 * camera.marginY + extra;
  s.disc = {camera.marginX + camera.size / 2.0, camera.marginY + camera.size / 2.0, camera.size / 2.0};
  std::mt19937 random(20261207);
  std::normal_distribution<double> noise(0.0, 1.0);
  const double mmPerPixel = m.test.diameterMm() / camera.size;
  GreyPicture view;
  const int count = static_cast<int>(std::floor((to - from) / step + 1e-9)) + 1;
  for (int k = 0; k < count; ++k) {
    const double x = from + k * step;
    SimulateTesterView(m.test, m.profile, m.bestFitRocMm, false, x, {.side = camera.side}, camera.size, view);
    if (!camera.degraded()) {
      s.frames.push_back(FrameOf(view));
      s.positions.push_back(x);
      continue;
    }
    const double gain = camera.gains ? 0.85 + 0.3 * ((k * 7) % 11) / 10.0 : 1.0;
    std::vector<double> image(static_cast<std::size_t>(w) * h, 0.0);
    for (int j = 0; j < camera.size; ++j) {
      for (int i = 0; i < camera.size; ++i) {
        const double u = (i + 0.5 - camera.size / 2.0) * mmPerPixel, v = (camera.size / 2.0 - j - 0.5) * mmPerPixel;
        const double r = std::hypot(u, v);
        double value = view.at(i, j);
        if (camera.rim && r > m.test.diameterMm() / 2.0 - mmPerPixel && r < m.test.diameterMm() / 2.0) value += 40.0;
        if (camera.mask && !InMaskOpening(m.test, u, v)) value = 0.0;
        image[static_cast<std::size_t>(j + camera.marginY) * w + i + camera.marginX] = gain * value;
      }
    }
    if (camera.blurPx > 0.0) Blur(image, w, h, camera.blurPx);
    GreyFrame frame{w, h, std::vector<std::uint16_t>(image.size()), 1.0};
    for (std::size_t p = 0; p < image.size(); ++p) {
      const double value = camera.background + image[p] + (camera.noise > 0.0 ? camera.noise * noise(random) : 0.0);
      frame.grey[p] = static_cast<std::uint16_t>(std::clamp(std::round(value), 0.0, 255.0));
    }
    s.frames.push_back(std::move(frame));
    s.positions.push_back(x);
  }
  return s;
}

Series MakeSeries(const Reduced& m, double step, const Camera& camera = {}) {
  const int n = m.test.ZoneCount;
  return MakeSeries(m, step, camera, m.test.KeAverage[1] - 3 * step, m.test.KeAverage[n] + 3 * step);
}

// Where the simulated tester nulls each zone (test units, index z): for a moving source its
// reading; for a fixed one, whose exact geometry nulls up to a few micrometres away, where the
// zone's windows balance in noiseless frames a micrometre apart around the reading at which
// the zone's rays meet the axis in the knife's plane.
std::vector<double> ModelNulls(const Reduced& m) {
  std::vector<double> nulls(m.test.KeAverage.begin(), m.test.KeAverage.end());
  if (m.test.MovingSource != 0) return nulls;
  const double mm = m.test.mmPerUnit();
  for (int z = 1; z <= m.test.ZoneCount; ++z) {
    const double h = m.profile.ZoneH[z];
    const auto offset = [&](double x) {
      return KnifePlaneOffset(h, MeasuredSurfaceAt(m.profile, h), PlaceKnife(m.test, m.profile, x));
    };
    double a = nulls[z], b = a + 0.01, fa = offset(a);
    for (int i = 0; i < 30 && std::abs(b - a) > 1e-12; ++i) {
      const double fb = offset(b);
      const double next = b - fb * (b - a) / (fb - fa);
      a = b, fa = fb, b = next;
    }
    const Series fine = MakeSeries(m, 0.001 / mm, {}, b - 0.008 / mm, b + 0.008 / mm);
    nulls[z] = ReadPhotoNulls(m.test, fine.frames, fine.positions, fine.disc, false).zones[z - 1].reading.value_or(b);
  }
  return nulls;
}

// The disc found in the series, within tolerance (pixels) of the truth.
PhotoDisc FoundDisc(const Series& s, double tolerance) {
  const std::optional<PhotoDisc> disc = FindDisc(BrightestOfAll(s.frames));
  if (!disc) ADD_FAILURE() << "no disc found";
  const PhotoDisc found = disc.value_or(PhotoDisc{});
  EXPECT_NEAR(found.x, s.disc.x, tolerance);
  EXPECT_NEAR(found.y, s.disc.y, tolerance);
  EXPECT_NEAR(found.radius, s.disc.radius, tolerance);
  return found;
}

// Every zone outside 0.35 of the radius read within tolerance (mm) of the model's null,
// those inside it refused as near the centre.
void ExpectNulls(const Reduced& m, const std::vector<double>& nulls, const PhotoReadingsResult& result,
                 double toleranceMm, const std::string& what) {
  ASSERT_EQ(result.zones.size(), static_cast<std::size_t>(m.test.ZoneCount)) << what;
  for (const ZoneNull& zone : result.zones) {
    if (zone.radiusMm < 0.35 * m.test.diameterMm() / 2.0) {
      EXPECT_EQ(zone.status, NullStatus::NearCentre) << what << " zone " << zone.zone;
      continue;
    }
    ASSERT_EQ(zone.status, NullStatus::Read) << what << " zone " << zone.zone;
    EXPECT_NEAR(*zone.reading * m.test.mmPerUnit(), nulls[zone.zone] * m.test.mmPerUnit(), toleranceMm)
        << what << " zone " << zone.zone;
    EXPECT_GE(zone.uncertainty, 0.0);
    EXPECT_LT(zone.uncertainty * m.test.mmPerUnit(), toleranceMm) << what << " zone " << zone.zone;
  }
}

TEST(PhotoReadings, CleanFramesNullEveryZoneWhereTheSimulatedTesterDoesFromEitherSide) {
  for (const Mirror& mirror : {T254(), TenInchFixed(), EightInchFixed()}) {
    const Reduced m = Reduce(mirror);
    const std::vector<double> nulls = ModelNulls(m);
    const double step = m.test.inInches() ? 0.004 : 0.1;
    for (const EntrySide side : {EntrySide::Left, EntrySide::Right}) {
      const Series s = MakeSeries(m, step, {.side = side});
      const std::string what =
          "diameter " + std::to_string(m.test.Diameter) + (side == EntrySide::Left ? " left" : " right");
      ExpectNulls(m, nulls, ReadPhotoNulls(m.test, s.frames, s.positions, s.disc, false), 0.003, what);
    }
  }
}

TEST(PhotoReadings, DegradedFramesOfAnOffCentreDiscStillNullEveryZoneWithTheDiscFound) {
  const Camera camera{
      .marginX = 37, .marginY = 11, .blurPx = 1.5, .noise = 3.0, .gains = true, .rim = true, .background = 6.0};
  for (const Mirror& mirror : {T254(), EightInchFixed()}) {
    const Reduced m = Reduce(mirror);
    const Series s = MakeSeries(m, m.test.inInches() ? 0.004 : 0.1, camera);
    const PhotoDisc disc = FoundDisc(s, 0.3);
    EXPECT_FALSE(DetectMask(BrightestOfAll(s.frames), disc, m.test));
    ExpectNulls(m, ModelNulls(m), ReadPhotoNulls(m.test, s.frames, s.positions, disc, false), 0.01, "degraded");
  }
}

// Frames of 80 x 80 whose light has a straight edge, from one side or above the grey rows of
// a photo cut short: three points on that edge make circles of 100 000 pixels, whose edge a
// search once walked for minutes. The finder answers at once, with no disc where none is, the
// disc above the cut where one is; and it stops when asked to, between its steps.
TEST(PhotoReadings, TheDiscFinderAnswersFramesWhoseLightHasAStraightEdgeAndStopsWhenAsked) {
  std::uint64_t state = 12345;
  const auto noise = [&state](int spread) {
    state = state * 6364136223846793005ull + 1442695040888963407ull;
    return static_cast<int>((state >> 33) % spread);
  };
  const auto frame = [&](const auto& grey) {
    GreyFrame f{80, 80, std::vector<std::uint16_t>(6400), 1.0};
    for (int y = 0; y < 80; ++y) {
      for (int x = 0; x < 80; ++x) f.grey[y * 80 + x] = static_cast<std::uint16_t>(grey(x, y));
    }
    return f;
  };
  for (const int edge : {10, 30, 50}) {
    EXPECT_FALSE(FindDisc(frame([&](int x, int) { return x >= edge ? 100 + noise(60) : noise(16); }))) << edge;
  }
  for (const int cut : {60, 70}) {
    const GreyFrame cutShort = frame([&](int x, int y) {
      return y >= cut ? 128 : (x - 40) * (x - 40) + (y - 30) * (y - 30) < 900 ? 180 + noise(40) : noise(16);
    });
    const std::optional<PhotoDisc> disc = FindDisc(cutShort);
    ASSERT_TRUE(disc) << cut;
    EXPECT_NEAR(disc->x, 40.5, 0.5);
    EXPECT_NEAR(disc->y, 30.5, 0.5);
    EXPECT_NEAR(disc->radius, 30.0, 0.5);
    int asked = 0;
    EXPECT_FALSE(FindDisc(cutShort, [&] { return ++asked < 3; }));
    EXPECT_EQ(asked, 3);
  }
}

TEST(PhotoReadings, ACouderMaskIsDetectedAndItsOpeningsRead) {
  const Reduced m = Reduce(T254());
  const Series s = MakeSeries(m, 0.1, {.marginX = 20, .marginY = 10, .blurPx = 1.0, .noise = 2.0, .mask = true});
  // Only the outermost zone's openings show the mirror's edge.
  const PhotoDisc disc = FoundDisc(s, 0.5);
  EXPECT_TRUE(DetectMask(BrightestOfAll(s.frames), disc, m.test));
  const PhotoReadingsResult result = ReadPhotoNulls(m.test, s.frames, s.positions, disc, true);
  ExpectNulls(m, ModelNulls(m), result, 0.02, "masked");
  // Odd zones open above the diameter, even ones below: each window lies in its opening.
  for (const ZoneNull& zone : result.zones) {
    if (zone.status != NullStatus::Read) continue;
    const PixelWindow& w = zone.right;
    EXPECT_TRUE(zone.zone % 2 == 1 ? w.y1 <= s.disc.y : w.y0 >= s.disc.y) << "zone " << zone.zone;
  }
}

TEST(PhotoReadings, AZoneWithoutAClearNullGetsNoReadingAndSaysWhy) {
  // Zone 1 lies near the centre, zone 5's null beyond the photographed range, zone 6's
  // windows reach past the disc's edge.
  const Reduced m = Reduce({{.zones = {20.0, 38.0, 55.0, 70.0, 83.0, 99.0}}, {}});
  const Series s = MakeSeries(m, 0.1, {}, 10.0, 11.8);
  const PhotoReadingsResult result = ReadPhotoNulls(m.test, s.frames, s.positions, s.disc, false);
  std::vector<std::string> statuses;
  for (const ZoneNull& zone : result.zones) {
    statuses.push_back(StatusText(zone.status));
    EXPECT_EQ(zone.reading.has_value(), zone.status == NullStatus::Read);
    EXPECT_EQ(zone.contrast.size(), s.frames.size());
  }
  EXPECT_EQ(statuses, (std::vector<std::string>{"near centre", "read", "read", "read", "no crossing", "outside disc"}));
  EXPECT_EQ(StatusText(NullStatus::ManyCrossings), "many crossings");
  // A disc given in the frame's corner, or far beyond any whole pixel, puts the windows outside
  // the frame: no contrast at all.
  for (const PhotoDisc disc :
       {PhotoDisc{20.0, 20.0, 200.0}, PhotoDisc{1e10, 20.0, 10.0}, PhotoDisc{-1e300, 1e300, 1e300}}) {
    for (const ZoneNull& zone : ReadPhotoNulls(m.test, s.frames, s.positions, disc, true).zones) {
      EXPECT_EQ(zone.status, zone.zone == 1 ? NullStatus::NearCentre : NullStatus::OutsideDisc);
      EXPECT_TRUE(zone.contrast.empty());
    }
  }
}

// A disc that does not fit the photos: a zone with a window on the background is not read,
// and readings that run the other way with the radius than a moving-source test's own are told.
TEST(PhotoReadings, ADiscThatDoesNotFitThePhotosIsFlagged) {
  const Reduced m = Reduce({{.zones = {20.0, 38.0, 55.0, 70.0, 83.0, 99.0}}, {}});
  const Series s = MakeSeries(m, 0.1, {.marginX = 60, .noise = 2.0, .background = 6.0}, 10.0, 11.8);
  std::vector<std::string> statuses;
  for (const ZoneNull& zone :
       ReadPhotoNulls(m.test, s.frames, s.positions, {s.disc.x + 80.0, s.disc.y, s.disc.radius}, false).zones) {
    statuses.push_back(StatusText(zone.status));
    EXPECT_EQ(zone.reading.has_value(), zone.status == NullStatus::Read);
  }
  EXPECT_EQ(statuses, (std::vector<std::string>{"near centre", "no crossing", "on background", "on background",
                                                "no crossing", "outside disc"}));

  struct Case {
    testing::MirrorRecipe recipe;
    double photoSlope;   // of the photos' readings against the radius squared, per mm
    double uncertainty;  // of each, mm
    bool warned;
  };
  const double own = 1.0 / 3200.0;  // the perfect f/4 paraboloid's slope
  for (const Case& c : std::vector<Case>{
           {{}, own, 0.005, false},
           {{}, -own, 0.005, true},
           {{}, -own, 2.0, false},                                          // within the readings' scatter
           {{}, -0.1 * own, 0.0, false},                                    // too slight to be a turned disc
           {{.perfectReadings = false}, -own, 0.005, true},                 // against the desired conic
           {{.conic = 0.0, .perfectReadings = false}, -own, 0.005, false},  // a sphere wants none
           {{.movingSource = false}, -own, 0.005, false},                   // a fixed source may run either way
       }) {
    MirrorTest test = TestMirror(c.recipe);
    AverageReadings(test);
    PhotoReadingsResult result;
    for (int z = 1; z <= test.ZoneCount; ++z) {
      const double r = test.effectiveRadius(z);
      ZoneNull& zone = result.zones.emplace_back();
      zone.zone = z;
      zone.radiusMm = r;
      zone.reading = 10.0 + c.photoSlope * r * r;
      zone.uncertainty = c.uncertainty;
      zone.status = NullStatus::Read;
    }
    EXPECT_EQ(ReadingsRunAgainstTheTest(test, result), c.warned)
        << c.photoSlope << " " << c.uncertainty << " " << c.recipe.conic << c.recipe.movingSource;
    result.zones.resize(2);
    EXPECT_FALSE(ReadingsRunAgainstTheTest(test, result));  // two zones tell no direction
  }
}

TEST(PhotoReadings, OfSeveralCrossingsOnlyAClearlyStrongestOneIsANull) {
  const std::vector<double> x = {0, 1, 2, 3, 4, 5, 6, 7};
  const auto null = [&](std::vector<double> c, std::vector<double> d = {}) {
    if (d.empty()) d = c;
    return FindCurveNull(x, c, d);
  };
  const CurveNull straight = null({-0.6, -0.45, -0.3, -0.15, 0.0, 0.15, 0.3, 0.45});
  EXPECT_EQ(straight.status, NullStatus::Read);
  EXPECT_NEAR(straight.position, 4.0, 1e-12);
  EXPECT_NEAR(straight.uncertainty, 0.0, 1e-12);
  // Frames on or next to a saturated stretch do not bend the line.
  EXPECT_NEAR(null({-1, -1, -1, -0.75, -0.15, 0.45, 1, 1}).position, 4.25, 1e-12);
  EXPECT_EQ(null({-0.5, 0.5, 0.5, 0.5, -0.5, -0.5, -0.5, -0.5}).status, NullStatus::ManyCrossings);
  EXPECT_EQ(null({-0.5, -0.2, 0.01, -0.2, -0.5, -0.6, -0.6, -0.6}).status, NullStatus::NoCrossing);  // touches zero
  EXPECT_EQ(null({0.2, 0.3, 0.4, 0.5, 0.5, 0.5, 0.5, 0.5}).status, NullStatus::NoCrossing);
  // A flicker between two nearly black frames is far weaker than the true crossing.
  const CurveNull strong = null({-0.6, -0.2, 0.2, 0.6, 0.6, 0.6, 0.5, -0.5}, {-60, -20, 20, 60, 60, 60, 0.5, -0.5});
  EXPECT_EQ(strong.status, NullStatus::Read);
  EXPECT_NEAR(strong.position, 1.5, 1e-12);
  // Noise at the null is one crossing; a frame with both windows black is left out.
  const double nan = std::nan("");
  const CurveNull noisy = null({-0.6, -0.3, 0.01, -0.01, 0.3, 0.6, nan, 0.6});
  EXPECT_EQ(noisy.status, NullStatus::Read);
  EXPECT_NEAR(noisy.position, 2.5, 0.1);
  EXPECT_GT(noisy.uncertainty, 0.0);
}

TEST(PhotoReadings, TheGreyIsTheLitChannelOrTheMeanOfAlikeOnes) {
  const auto photo = [](std::uint16_t r, std::uint16_t g, std::uint16_t b) {
    PhotoFrame frame{2, 2, 3, {}, 1.0};
    const std::array<std::uint16_t, 3> lit = {r, g, b};
    for (int c = 0; c < 3; ++c) frame.planes[c] = {0, lit[c], lit[c], 1};
    return frame;
  };
  EXPECT_EQ(ChooseGreySource({photo(20, 40000, 30), photo(10, 30000, 20)}), GreySource::Green);
  EXPECT_EQ(ChooseGreySource({photo(200, 30, 20)}), GreySource::Red);
  EXPECT_EQ(ChooseGreySource({photo(200, 190, 180)}), GreySource::Mean);
  EXPECT_EQ(GreyOf(photo(1, 2, 4), GreySource::Mean).grey, (std::vector<std::uint16_t>{0, 2, 2, 1}));
  EXPECT_EQ(GreyOf(photo(1, 40000, 4), GreySource::Green).grey, (std::vector<std::uint16_t>{0, 40000, 40000, 1}));
  PhotoFrame grey{2, 1, 1, {std::vector<std::uint16_t>{5, 7}}, 2.0};
  EXPECT_EQ(ChooseGreySource({grey}), GreySource::Mean);
  const GreyFrame a = GreyOf(grey, GreySource::Red);
  EXPECT_EQ(a.grey, (std::vector<std::uint16_t>{5, 7}));
  EXPECT_EQ(a.scale, 2.0);
  const GreyFrame b{2, 1, {9, 3}, 2.0};
  EXPECT_EQ(BrightestOfAll({a, b}).grey, (std::vector<std::uint16_t>{9, 7}));
  EXPECT_FALSE(FindDisc(BrightestOfAll({a, b})));
}

}  // namespace
}  // namespace zonalyst
