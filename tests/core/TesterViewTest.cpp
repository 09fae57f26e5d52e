#include "core/QualityMetrics.h"
#include "core/TesterView.h"
#include "tests/support/TestMirror.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

namespace zonalyst {
namespace {

using testing::kSixZones;
using testing::TestMirror;

constexpr int kSize = 400;

struct Reduced {
  MirrorTest test;
  SurfaceProfile profile;
  double bestFitRocMm = 0.0;
};

Reduced Reduce(MirrorTest test) {
  Reduced out{test, {}, 0.0};
  AverageReadings(out.test);
  const double roc = ReduceReadings(out.test, out.profile);
  QualityMetrics metrics;
  out.bestFitRocMm = FindBestFitRoc(out.profile, out.test.DesiredConic, roc, metrics);
  return out;
}

GreyPicture View(const Reduced& m, double reading, const TesterSettings& settings, bool perfect = false) {
  GreyPicture picture;
  SimulateTesterView(m.test, m.profile, m.bestFitRocMm, perfect, reading, settings, kSize, picture);
  return picture;
}

bool InsideDisc(int i, int j) {
  const int u = 2 * i + 1 - kSize, v = 2 * j + 1 - kSize;
  return u * u + v * v < kSize * kSize;
}

// Columns right of the centre where the grey changes along row j, inside the disc.
std::vector<int> EdgesRightOfCentre(const GreyPicture& p, int j) {
  std::vector<int> edges;
  for (int i = kSize / 2 + 1; i < kSize && InsideDisc(i, j); ++i) {
    if (p.at(i, j) != p.at(i - 1, j)) edges.push_back(i);
  }
  return edges;
}

// A paraboloid with real zonal errors, so that every zone nulls at its own reading.
MirrorTest FiguredParaboloid(bool movingSource) {
  MirrorTest test = TestMirror({.movingSource = movingSource});
  const double errors[] = {0.0, 0.04, -0.03, 0.05, 0.0, -0.04};
  for (int z = 1; z <= test.ZoneCount; ++z) test.KeReading[z][1] += errors[z - 1] * (movingSource ? 1 : 2);
  return test;
}

TEST(TesterView, AZoneIsMidGreyOnItsRadiusWithTheKnifeAtItsReading) {
  for (const bool moving : {true, false}) {
    const Reduced m = Reduce(FiguredParaboloid(moving));
    TesterSettings settings{.cutMm = 0.0};
    for (int z = 1; z <= m.test.ZoneCount; ++z) {
      const double reading = m.test.KeAverage[z];
      const double h = m.profile.ZoneH[z];
      // The ray from the zone lands on the axis in the knife plane.
      const TesterPlacement placement = PlaceKnife(m.test, m.profile, reading);
      EXPECT_NEAR(KnifePlaneOffset(h, MeasuredSurfaceAt(m.profile, h), placement), 0.0, moving ? 1e-9 : 1e-3)
          << "moving " << moving << " zone " << z;
      // Along the horizontal diameter the grey crosses mid-grey within a pixel of the zone,
      // on both sides, whichever side the knife enters from.
      for (const EntrySide side : {EntrySide::Left, EntrySide::Right}) {
        settings.side = side;
        const GreyPicture p = View(m, reading, settings);
        for (const double x : {h, -h}) {
          const int i = static_cast<int>(std::floor(x / 200.0 * kSize + kSize / 2.0));  // the pixel holding x
          int low = 255, high = 0;
          for (int k = i - 1; k <= i + 1; ++k) {
            low = std::min<int>(low, p.at(k, kSize / 2));
            high = std::max<int>(high, p.at(k, kSize / 2));
          }
          EXPECT_LE(low, 128) << "moving " << moving << " zone " << z << " x " << x;
          EXPECT_GE(high, 127) << "moving " << moving << " zone " << z << " x " << x;
        }
      }
    }
  }
}

TEST(TesterView, ASphereAtItsCentreIsEvenGreyAndItsRonchigramStraightEvenLines) {
  for (const bool moving : {true, false}) {
    const Reduced m = Reduce(TestMirror({.roc = 2000.0, .conic = 0.0, .movingSource = moving}));
    const double atCentre = m.test.KeAverage[1];
    const GreyPicture even = View(m, atCentre, TesterSettings{});
    for (int j = 0; j < kSize; ++j) {
      for (int i = 0; i < kSize; ++i) {
        // 0.5 - 0.025 / 0.1 of full brightness inside, black outside.
        ASSERT_EQ(even.at(i, j), InsideDisc(i, j) ? 64 : 0) << i << " " << j;
      }
    }
    // The grating 20 mm inside the centre of curvature.
    const TesterSettings ronchi{.pattern = TesterPattern::Ronchi, .cutMm = 0.0};
    const GreyPicture lines = View(m, atCentre - (moving ? 20.0 : 40.0), ronchi);
    const std::vector<int> middle = EdgesRightOfCentre(lines, kSize / 2);
    ASSERT_GE(middle.size(), 5u);
    for (std::size_t k = 2; k < middle.size(); ++k) {
      EXPECT_LE(std::abs((middle[k] - middle[k - 1]) - (middle[1] - middle[0])), 1) << "moving " << moving;
    }
    for (const int j : {40, 120, 280, 360}) {
      const std::vector<int> row = EdgesRightOfCentre(lines, j);
      for (std::size_t k = 0; k < row.size(); ++k) EXPECT_LE(std::abs(row[k] - middle[k]), 1) << "row " << j;
    }
  }
}

TEST(TesterView, AParaboloidsRonchiLinesBowInsideAndOutsideTheCentreOfCurvature) {
  const Reduced m = Reduce(TestMirror());
  const TesterSettings ronchi{.pattern = TesterPattern::Ronchi, .cutMm = 0.0};
  const double paraxial = m.profile.FitIntercept;  // the paraxial centre's reading, mm
  // Inside, the zones' centres all lie beyond the grating and the outer ones farther:
  // a line's ends bend towards the axis, its middle bulges out. Outside, the other way.
  struct Case {
    double offsetMm;
    int sign;
  };
  for (const Case c : {Case{-10.0, -1}, Case{15.0, +1}}) {
    const GreyPicture p = View(m, paraxial + c.offsetMm, ronchi);
    const std::vector<int> middle = EdgesRightOfCentre(p, kSize / 2);
    const std::vector<int> upper = EdgesRightOfCentre(p, kSize / 2 - 140);  // 70 mm up
    ASSERT_GE(middle.size(), 4u);
    ASSERT_GE(upper.size(), 4u);
    for (std::size_t k = 1; k < 4; ++k) {
      EXPECT_GT(c.sign * (upper[k] - middle[k]), 2) << "offset " << c.offsetMm << " line " << k;
    }
  }
}

TEST(TesterView, ThePerfectViewOfAPerfectTestIsTheMeasuredView) {
  // A paraboloid's perfect readings lie exactly on the fitted line: its views are identical.
  for (const double K : {-1.0, 0.0, -0.6}) {
    const Reduced m = Reduce(TestMirror({.conic = K}));
    for (const TesterPattern pattern : {TesterPattern::Foucault, TesterPattern::Ronchi}) {
      const TesterSettings settings{.pattern = pattern};
      const double reading = m.test.KeAverage[3] - (pattern == TesterPattern::Ronchi ? 8.0 : 0.0);
      const GreyPicture measured = View(m, reading, settings);
      const GreyPicture perfect = View(m, reading, settings, true);
      int differing = 0;
      for (std::size_t n = 0; n < measured.grey.size(); ++n) {
        EXPECT_LE(std::abs(measured.grey[n] - perfect.grey[n]), pattern == TesterPattern::Ronchi ? 255 : 1);
        differing += measured.grey[n] != perfect.grey[n];
      }
      // Only the reduction's interpolation between zones and the best-fit radius's
      // resolution part them: a grey level here and there, a line's edge a pixel over.
      EXPECT_LE(differing, K == -1.0 ? 0 : kSize * kSize / 200) << "K " << K;
    }
  }
}

}  // namespace
}  // namespace zonalyst
