#pragma once

#include "core/PhotoReadings.h"
#include "core/QualityMetrics.h"
#include "core/SurfaceAnalysis.h"
#include "core/TesterView.h"
#include "tests/support/TestMirror.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <random>
#include <vector>

namespace zonalyst::testing {

// Photographs of a test mirror as a camera behind the knife takes them, with known truth:
// each frame the tester's simulated view of the mirror reduced from its readings, then
// degraded as a real photograph is. The knife nulls each zone at its average reading.
struct SyntheticCamera {
  int frameWidth = 240, frameHeight = 200;
  double centreX = 120.0, centreY = 100.0;  // the disc's centre in the frame, pixels
  int discPixels = 160;                     // the disc's diameter, pixels
  double level = 200.0;                     // the fully lit disc's grey
  double background = 0.0;
  double blurPx = 0.0;  // Gaussian lens blur, standard deviation
  double noise = 0.0;   // grey levels, standard deviation
  bool gains = false;   // frame exposures 0.85..1.15 in an irregular order
  // A rim amplitude grey brighter from inner to outer pixels about the disc's edge: the
  // bright diffraction rim straddles the edge at (-0.5, 0.5).
  double rim = 0.0, rimInner = -0.5, rimOuter = 0.5;
  bool rimDrawnOver = false;  // the rim's grey replaces the mirror's light there instead of adding to it
  bool mask = false;          // the test's Couder mask: each zone open within 30 degrees of the
                              // diameter, odd zones above it, even ones below
  double gradient = 0.0;      // the light falls off by this fraction from the left edge to the right
  bool turned = false;        // the knife edge horizontal: the view turned by 90 degrees
  EntrySide side = EntrySide::Right;
  unsigned seed = 20261207;
  double shake = 0.0;  // every frame but the first moved by up to this many pixels in x and in y
};

// How far a frame's picture moved against the first's, pixels.
struct FrameMove {
  double dx = 0.0, dy = 0.0;
};

struct SyntheticSeries {
  MirrorTest test;  // its KeAverage is the truth
  std::vector<GreyFrame> frames;
  std::vector<double> positions;  // test units
  PhotoDisc disc;                 // the truth, frame pixels, in the first frame
  std::vector<FrameMove> moves;   // each frame's shake
};

// The mirror reduced, ready for the simulated tester.
struct SimulatedMirror {
  MirrorTest test;
  SurfaceProfile profile;
  double bestFitRocMm = 0.0;
  explicit SimulatedMirror(const MirrorTest& t) : test(t) {
    AverageReadings(test);
    QualityMetrics metrics;
    bestFitRocMm = FindBestFitRoc(profile, test.DesiredConic, ReduceReadings(test, profile), metrics);
  }
};

// Whether (u, v) mm from the centre, u to the right and v up, lies in an opening of the mask.
inline bool InMaskOpening(const MirrorTest& test, double u, double v) {
  const double r = std::hypot(u, v);
  for (int z = 1; z <= test.ZoneCount; ++z) {
    const double inner = test.ZoneRadius[z][0] * test.mmPerUnit(), outer = test.ZoneRadius[z][1] * test.mmPerUnit();
    const double up = z % 2 == 1 ? v : -v;
    if (r >= inner && r < outer && up >= 0.0 && up <= std::abs(u) * std::tan(std::numbers::pi / 6.0)) return true;
  }
  return false;
}

// A separable Gaussian blur; pixels beyond the frame repeat its edge.
inline void BlurFrame(std::vector<double>& image, int w, int h, double sigma) {
  const int reach = static_cast<int>(std::ceil(3.0 * sigma));
  std::vector<double> kernel;
  double total = 0.0;
  for (int k = -reach; k <= reach; ++k) total += kernel.emplace_back(std::exp(-k * k / (2.0 * sigma * sigma)));
  for (double& v : kernel) v /= total;
  // One line of n values a stride apart, through a padded copy.
  std::vector<double> line;
  const auto blurLine = [&](double* first, int n, std::size_t stride) {
    line.resize(static_cast<std::size_t>(n + 2 * reach));
    for (int k = 0; k < n + 2 * reach; ++k) line[k] = first[std::clamp(k - reach, 0, n - 1) * stride];
    for (int k = 0; k < n; ++k) {
      double sum = 0.0;
      for (int t = 0; t <= 2 * reach; ++t) sum += kernel[t] * line[k + t];
      first[k * stride] = sum;
    }
  };
  for (int y = 0; y < h; ++y) blurLine(image.data() + static_cast<std::size_t>(y) * w, w, 1);
  for (int x = 0; x < w; ++x) blurLine(image.data() + x, h, static_cast<std::size_t>(w));
}

// Frames from knife position `from` to `to` (test units) every `step`.
inline SyntheticSeries MakeSyntheticSeries(const SimulatedMirror& m, const SyntheticCamera& camera, double from,
                                           double to, double step) {
  SyntheticSeries s;
  s.test = m.test;
  s.disc = {camera.centreX, camera.centreY, camera.discPixels / 2.0};
  const int w = camera.frameWidth, h = camera.frameHeight, size = camera.discPixels;
  const double mmPerPixel = m.test.diameterMm() / size, semi = m.test.diameterMm() / 2.0;
  // What each frame pixel shows, alike in every frame: the point of the mirror at its centre (none
  // off the mirror or behind the mask), how bright the light makes it, and the rim's light there.
  // Each frame shows the tester's light at that very point, neither moved to the nearest pixel of
  // a drawn view nor rounded to its greys: both would move a zone's balance by more than the
  // camera does (up to 0.01 mm at an inner zone, whose windows all round alike).
  struct Pixel {
    bool onMirror = false;
    double u = 0.0, v = 0.0;
    double light = 0.0, rim = 0.0;
  };
  std::vector<Pixel> pixels(static_cast<std::size_t>(w) * h);
  const auto place = [&](double centreX, double centreY) {
    for (int j = 0; j < h; ++j) {
      for (int i = 0; i < w; ++i) {
        // (a, b): pixels right of and above the centre as the camera sees them; (u, v) on the mirror.
        const double a = i + 0.5 - centreX, b = centreY - (j + 0.5);
        const double u = (camera.turned ? -b : a) * mmPerPixel, v = (camera.turned ? a : b) * mmPerPixel;
        const double r = std::hypot(u, v), edge = (r - semi) / mmPerPixel;
        Pixel& p = pixels[static_cast<std::size_t>(j) * w + i];
        p = {};
        const double light = 1.0 - camera.gradient * (a * mmPerPixel + semi) / (2.0 * semi);
        if (r < semi && !(camera.mask && !InMaskOpening(m.test, u, v))) {
          p = {.onMirror = true, .u = u, .v = v, .light = light * camera.level};
        }
        if (edge >= camera.rimInner && edge < camera.rimOuter) p.rim = light * camera.rim;
      }
    }
  };
  place(camera.centreX, camera.centreY);
  // Noise drawn from a table of normal deviates, far cheaper per pixel than drawing each.
  std::mt19937 random(camera.seed);
  std::normal_distribution<double> normal(0.0, camera.noise);
  std::vector<double> noise(4093);
  for (double& n : noise) n = normal(random);
  std::uniform_int_distribution<std::size_t> offset(0, noise.size() - 1);
  const TesterSettings settings{.side = camera.side};
  std::vector<double> image(pixels.size());
  const int count = static_cast<int>(std::floor((to - from) / step + 1e-9)) + 1;
  for (int k = 0; k < count; ++k) {
    const double x = from + k * step;
    const KnifePlaneTable table(MeasuredShape(m.profile), semi, PlaceKnife(m.test, m.profile, x));
    const double gain = camera.gains ? 0.85 + 0.3 * ((k * 7) % 11) / 10.0 : 1.0;
    // Shaken frames each in its own irregular place, some by less than a pixel.
    const FrameMove move =
        k == 0 ? FrameMove{} : FrameMove{camera.shake * std::sin(2.3 * k), camera.shake * std::cos(3.1 * k + 0.5)};
    s.moves.push_back(move);
    if (camera.shake > 0.0) place(camera.centreX + move.dx, camera.centreY + move.dy);
    for (std::size_t p = 0; p < pixels.size(); ++p) {
      const Pixel& px = pixels[p];
      const double seen = px.onMirror ? ViewBrightness(table, settings, px.u, px.v) : 0.0;
      image[p] = gain * (px.rim > 0.0 && camera.rimDrawnOver ? px.rim : px.light * seen + px.rim);
    }
    if (camera.blurPx > 0.0) BlurFrame(image, w, h, camera.blurPx);
    GreyFrame frame{w, h, std::vector<std::uint16_t>(image.size()), 1.0};
    const std::size_t start = offset(random);
    for (std::size_t p = 0; p < image.size(); ++p) {
      const double value = camera.background + image[p] + noise[(start + p) % noise.size()];
      frame.grey[p] = static_cast<std::uint16_t>(std::clamp(std::round(value), 0.0, 255.0));
    }
    s.frames.push_back(std::move(frame));
    s.positions.push_back(x);
  }
  return s;
}

// Frames every step from `margin` steps before the first zone's null to as many after the last's.
inline SyntheticSeries MakeSyntheticSeries(const SimulatedMirror& m, const SyntheticCamera& camera, double step,
                                           int margin = 3) {
  return MakeSyntheticSeries(m, camera, m.test.KeAverage[1] - margin * step,
                             m.test.KeAverage[m.test.zones()] + margin * step + 1e-9, step);
}

}  // namespace zonalyst::testing
