#include "GreyAt.h"
#include "GreyHistogram.h"
#include "PhotoReadings.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <functional>
#include <limits>
#include <numbers>

namespace zonalyst {

// The disc is found in five steps, and a sixth when a rim shows.
// 1. Two levels split the picture: the background, the median of the pixels below a
//    threshold, and the disc, the median of those at or above it; the threshold is half-way
//    between the two, found by iterating from the middle of the 1st and 99th percentiles.
//    Medians ignore a thin bright rim and a dim side of the disc.
// 2. The lit pixels connected to each other form patches; patches of at least a twentieth
//    of the largest one's area make the disc (specks of stray light are dropped).
// 3. Where each row and each column of pixels first and last crosses the threshold between
//    the background and such a patch is a boundary point, placed between the two pixel
//    centres by linear interpolation of their greys.
// 4. Of the circles through three boundary points, the one that most points lie on and
//    hardly any outside of keeps its points (a mask's openings, or a side that stays dim,
//    leave many points inside the disc). A circle is fitted to them by least squares (the
//    algebraic fit, then the geometric one), and points farther from it than three robust
//    standard deviations (at least a pixel) are dropped and the circle fitted again, until
//    none is dropped.
// 5. Twice, the edge is found again across that circle, on each radius where the grey falls
//    most steeply from the disc's own level there to the background, and the circle fitted
//    again as in 4. Given the series' frames, once more so on each radius's own frame: the one
//    that lights the disc there most. The brightest-of-all frame's fall is a maximum over noisy
//    frames, lifted by the noise's largest deviate outside the disc, where every frame competes,
//    more than inside it, where few do: its steepest point lies inwards (0.5 pixel at noise 8 and
//    blur 2.5 on 220 pixels; within 0.15 on a single frame).
// 6. Where the darkest-of-all frame shows a bright rim as a ridge on dark ground along a sixth
//    of that circle or more, the circle is fitted as in 4 to the ridge's crests instead: a
//    rim's light moves the fall of 5 outwards by as much as it adds over the disc's, but its
//    crest stays on the edge. A ridge whose circle lies farther inside the fall than a rim moves
//    it is the mirror's own light: a band next to the edge that no frame darkens (a zone whose
//    null lies beyond the series), whose crest would put the edge a pixel or two inside.

namespace {

constexpr double kLeastRadius = 8.0;  // pixels
constexpr double kLeastRadiusUncertainty = 0.05;
constexpr double kDarkSide = 0.1;         // of the disc's level: an edge too dark to see
constexpr double kLitSide = 0.6;          // of the disc's level: a well-lit edge
constexpr double kEdgeShare = 0.15;       // of the fall's width: the edge's own uncertainty
constexpr double kQuartileWidth = 1.349;  // a normal distribution's interquartile range, in sigmas
constexpr double kSharpFall = 0.43;       // pixels: an unblurred edge's fall as a sigma
constexpr double kRidgeRise = 0.04;       // of the disc's level: a rim that stands out of the dark
constexpr double kRidgeReach = 3.0;       // pixels from the edge found on the brightest frame
constexpr double kDarkInside = 0.02;      // of the disc's level: the darkest frame dark inside the rim
constexpr double kRidgeSide = 6.0;        // pixels beyond kRidgeReach where the dark is measured
constexpr double kRidgeAsymmetry = 2.0;   // at most, of a ridge's half-widths on its two sides
// How far inside the fall a rim's crest may lie: a pixel and a share of the fall's width (rims
// up to 2 pixels wide move the fall outwards by up to 0.9 pixel when sharp, 1.2 blurred by 2).
constexpr double kRimInsideFall = 1.0;  // pixels
constexpr double kRimInsideShare = 0.25;

struct Point {
  double x = 0.0;
  double y = 0.0;
};

struct Levels {
  double background = 0.0;
  double disc = 0.0;
  double threshold() const { return (background + disc) / 2.0; }
};

std::optional<Levels> SplitLevels(const GreyFrame& frame) {
  GreyHistogram histogram(65536, 0);
  for (const std::uint16_t v : frame.grey) ++histogram[v];
  const std::size_t size = histogram.size();
  double threshold = (HistogramQuantile(histogram, 0, size, 0.01) + HistogramQuantile(histogram, 0, size, 0.99)) / 2.0;
  Levels levels;
  for (int iteration = 0; iteration < 50; ++iteration) {
    const auto split = static_cast<std::size_t>(std::ceil(threshold));
    if (split == 0 || split >= size) return std::nullopt;
    levels = {HistogramQuantile(histogram, 0, split, 0.5), HistogramQuantile(histogram, split, size, 0.5)};
    if (levels.threshold() == threshold) break;
    threshold = levels.threshold();
  }
  // A disc must stand out of the background by more than the grey's own steps.
  if (!(levels.disc - levels.background >= 4.0)) return std::nullopt;
  return levels;
}

// Marks the pixels of the lit patches that make the disc: 1 for those, 0 for the rest.
std::vector<std::uint8_t> DiscPatches(const GreyFrame& frame, double threshold) {
  const std::size_t pixels = frame.grey.size();
  std::vector<int> patch(pixels, -1);  // -1 dark, else the patch's number
  std::vector<std::size_t> area;
  std::vector<std::size_t> stack;
  for (std::size_t start = 0; start < pixels; ++start) {
    if (patch[start] != -1 || frame.grey[start] < threshold) continue;
    const int number = static_cast<int>(area.size());
    area.push_back(0);
    patch[start] = number;
    stack.push_back(start);
    while (!stack.empty()) {
      const std::size_t p = stack.back();
      stack.pop_back();
      ++area[number];
      const std::size_t x = p % frame.width;
      const auto visit = [&](std::size_t q) {
        if (patch[q] == -1 && frame.grey[q] >= threshold) {
          patch[q] = number;
          stack.push_back(q);
        }
      };
      if (x > 0) visit(p - 1);
      if (x + 1 < static_cast<std::size_t>(frame.width)) visit(p + 1);
      if (p >= static_cast<std::size_t>(frame.width)) visit(p - frame.width);
      if (p + frame.width < pixels) visit(p + frame.width);
    }
  }
  std::vector<std::uint8_t> inDisc(pixels, 0);
  if (area.empty()) return inDisc;
  const std::size_t largest = *std::max_element(area.begin(), area.end());
  for (std::size_t p = 0; p < pixels; ++p) inDisc[p] = patch[p] >= 0 && 20 * area[patch[p]] >= largest;
  return inDisc;
}

// The outermost crossings of each row and each column: where the disc begins and ends
// along it. Dim parts inside the disc (where the knife never lets the light fully through,
// such as along the vertical diameter) then add no points.
std::vector<Point> BoundaryPoints(const GreyFrame& frame, const std::vector<std::uint8_t>& inDisc, double threshold) {
  std::vector<Point> points;
  // Between pixel k (outside) and its neighbour inside, k + 0.5 and the neighbour's centre,
  // where the greys interpolate to the threshold; none when k is another lit patch.
  const auto between = [&](std::size_t outside, std::size_t inside, double outsideCentre, double direction) {
    const double a = frame.grey[outside], b = frame.grey[inside];
    if (a >= threshold) return std::optional<double>();
    return std::optional<double>(outsideCentre + direction * (threshold - a) / (b - a));
  };
  const int w = frame.width, h = frame.height;
  const auto at = [w](int x, int y) { return static_cast<std::size_t>(y) * w + x; };
  // A line of count pixels, pixel k at index(k); place turns a position along it into a point.
  const auto scan = [&](int count, const auto& index, const auto& place) {
    int first = 0, last = count - 1;
    while (first < count && !inDisc[index(first)]) ++first;
    if (first == count) return;
    while (!inDisc[index(last)]) --last;
    if (first > 0) {
      if (const auto t = between(index(first - 1), index(first), first - 0.5, 1.0)) points.push_back(place(*t));
    }
    if (last + 1 < count) {
      if (const auto t = between(index(last + 1), index(last), last + 1.5, -1.0)) points.push_back(place(*t));
    }
  };
  for (int y = 0; y < h; ++y)
    scan(
        w, [&](int x) { return at(x, y); },
        [&](double x) {
          return Point{x, y + 0.5};
        });
  for (int x = 0; x < w; ++x)
    scan(
        h, [&](int y) { return at(x, y); },
        [&](double y) {
          return Point{x + 0.5, y};
        });
  return points;
}

// Solves the 3 x 3 system a v = b by Cramer's rule; false when singular.
bool Solve3(const double a[3][3], const double b[3], double v[3]) {
  const auto det = [](const double m[3][3]) {
    return m[0][0] * (m[1][1] * m[2][2] - m[1][2] * m[2][1]) - m[0][1] * (m[1][0] * m[2][2] - m[1][2] * m[2][0]) +
           m[0][2] * (m[1][0] * m[2][1] - m[1][1] * m[2][0]);
  };
  const double d = det(a);
  if (!(std::abs(d) > 0.0)) return false;
  for (int k = 0; k < 3; ++k) {
    double m[3][3];
    for (int i = 0; i < 3; ++i) {
      for (int j = 0; j < 3; ++j) m[i][j] = j == k ? b[i] : a[i][j];
    }
    v[k] = det(m) / d;
  }
  return true;
}

// The algebraic fit x^2 + y^2 + D x + E y + F = 0 about the points' mean (for conditioning),
// then Gauss-Newton steps on the distances to the circle.
std::optional<PhotoDisc> FitCircle(const std::vector<Point>& points) {
  if (points.size() < 8) return std::nullopt;
  Point mean;
  for (const Point& p : points) mean = {mean.x + p.x, mean.y + p.y};
  const double n = static_cast<double>(points.size());
  mean = {mean.x / n, mean.y / n};
  double a[3][3] = {}, b[3] = {};
  for (const Point& p : points) {
    const double u = p.x - mean.x, v = p.y - mean.y, s = u * u + v * v;
    const double row[3] = {u, v, 1.0};
    for (int i = 0; i < 3; ++i) {
      for (int j = 0; j < 3; ++j) a[i][j] += row[i] * row[j];
      b[i] -= row[i] * s;
    }
  }
  double abc[3];
  if (!Solve3(a, b, abc)) return std::nullopt;
  double cx = -abc[0] / 2.0, cy = -abc[1] / 2.0;
  double r = std::sqrt(cx * cx + cy * cy - abc[2]);
  for (int step = 0; step < 10 && std::isfinite(r); ++step) {
    // Residual e = |p - c| - r; its gradient in (cx, cy, r) is (-(p - c) / |p - c|, -1).
    double jtj[3][3] = {}, jte[3] = {};
    for (const Point& p : points) {
      const double dx = p.x - mean.x - cx, dy = p.y - mean.y - cy, d = std::hypot(dx, dy);
      if (!(d > 0.0)) continue;
      const double g[3] = {-dx / d, -dy / d, -1.0};
      for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j) jtj[i][j] += g[i] * g[j];
        jte[i] -= g[i] * (d - r);
      }
    }
    double delta[3];
    if (!Solve3(jtj, jte, delta)) break;
    cx += delta[0], cy += delta[1], r += delta[2];
    if (std::abs(delta[0]) + std::abs(delta[1]) + std::abs(delta[2]) < 1e-9) break;
  }
  if (!(std::isfinite(cx) && std::isfinite(cy) && r > 0.0)) return std::nullopt;
  return PhotoDisc{cx + mean.x, cy + mean.y, r};
}

// The circle through three points; none when they lie in a line.
std::optional<PhotoDisc> Circumcircle(Point a, Point b, Point c) {
  const double bx = b.x - a.x, by = b.y - a.y, cx = c.x - a.x, cy = c.y - a.y;
  const double d = 2.0 * (bx * cy - by * cx);
  if (!(std::abs(d) > 1e-9)) return std::nullopt;
  const double b2 = bx * bx + by * by, c2 = cx * cx + cy * cy;
  const double ux = (cy * b2 - by * c2) / d, uy = (bx * c2 - cx * b2) / d;
  return PhotoDisc{a.x + ux, a.y + uy, std::hypot(ux, uy)};
}

// Whether a circle can be the mirror in a frame: a radius of at least kLeastRadius and at
// most the frame's diagonal, the centre at most a quarter of the frame's width (height) beyond
// its sides. Three boundary points on a straight edge (light from one side, a photo cut short)
// make circles of 100 000 pixels, whose edge no search should then walk along.
struct CanBeTheMirror {
  double width = 0.0;
  double height = 0.0;
  bool operator()(const PhotoDisc& c) const {
    return c.radius >= kLeastRadius && c.radius <= std::hypot(width, height) && c.x >= -width / 4.0 &&
           c.x <= 1.25 * width && c.y >= -height / 4.0 && c.y <= 1.25 * height;
  }
};

// The points on the circle that passes through the most of them while leaving hardly any
// outside it: the disc holds every lit patch. Circles through three points drawn in a fixed
// pseudo-random order are tried. Behind a Couder mask the outline of the openings mostly lies
// inside the disc, and only the openings that reach the mirror's edge lie on it.
std::vector<Point> OnTheDisc(const std::vector<Point>& points, const CanBeTheMirror& plausible) {
  constexpr int kTrials = 400;
  constexpr double kOnCircle = 1.5;  // pixels
  if (points.size() < 8) return points;
  std::uint64_t state = 0x9E3779B97F4A7C15ull;
  const auto pick = [&] {
    state = state * 6364136223846793005ull + 1442695040888963407ull;
    return points[(state >> 33) % points.size()];
  };
  const auto error = [](const Point& p, const PhotoDisc& circle) {
    return std::hypot(p.x - circle.x, p.y - circle.y) - circle.radius;
  };
  std::optional<PhotoDisc> best;
  std::size_t mostOn = 0;
  for (int trial = 0; trial < kTrials; ++trial) {
    const std::optional<PhotoDisc> circle = Circumcircle(pick(), pick(), pick());
    if (!circle || !plausible(*circle)) continue;
    std::size_t on = 0, outside = 0;
    for (const Point& p : points) {
      const double e = error(p, *circle);
      on += std::abs(e) <= kOnCircle;
      outside += e > kOnCircle;
    }
    if (100 * outside <= points.size() && on > mostOn) best = circle, mostOn = on;
  }
  if (!best) return points;
  std::vector<Point> on;
  for (const Point& p : points) {
    if (std::abs(error(p, *best)) <= kOnCircle) on.push_back(p);
  }
  return on;
}

// Fits a circle to the points, dropping those farther from it than three robust standard
// deviations (at least a pixel) and fitting again until none is dropped.
std::optional<PhotoDisc> FitCircleRobustly(std::vector<Point> points) {
  std::optional<PhotoDisc> disc = FitCircle(points);
  std::vector<double> distances, sorted;
  for (int round = 0; round < 20 && disc; ++round) {
    distances.clear();
    for (const Point& p : points)
      distances.push_back(std::abs(std::hypot(p.x - disc->x, p.y - disc->y) - disc->radius));
    sorted = distances;
    std::nth_element(sorted.begin(), sorted.begin() + sorted.size() / 2, sorted.end());
    const double limit = std::max(1.0, 3.0 * 1.4826 * sorted[sorted.size() / 2]);
    std::vector<Point> kept;
    for (std::size_t i = 0; i < points.size(); ++i) {
      if (distances[i] <= limit) kept.push_back(points[i]);
    }
    if (kept.size() == points.size()) break;
    points = std::move(kept);
    disc = FitCircle(points);
  }
  return disc;
}

// The radius's standard uncertainty from the edge points' spread about the circle (a robust
// standard deviation, each point sharing its pixels with its neighbour), at least
// kLeastRadiusUncertainty.
double RadiusUncertainty(const std::vector<Point>& points, const PhotoDisc& disc) {
  std::vector<double> distances;
  for (const Point& p : points) distances.push_back(std::abs(std::hypot(p.x - disc.x, p.y - disc.y) - disc.radius));
  if (distances.size() < 2) return kLeastRadiusUncertainty;
  std::nth_element(distances.begin(), distances.begin() + distances.size() / 2, distances.end());
  const double spread = 1.4826 * distances[distances.size() / 2];
  return std::max(kLeastRadiusUncertainty, spread / std::sqrt(distances.size() / 2.0));
}

// The radii along which the edge of a disc is looked at: about one per two pixels of its rim.
int Angles(const PhotoDisc& disc) { return std::max(360, static_cast<int>(std::numbers::pi * disc.radius)); }

// One radius's look at the edge: where the grey falls, and how bright the disc is just inside.
struct EdgeSample {
  Point point;
  double level = 0.0;  // above the background
  double width = 0.0;  // pixels from a quarter to three quarters of the fall
};

// A frame the edge is looked at on, and its background's grey (NaN until needed).
struct EdgeFrame {
  const GreyFrame* frame = nullptr;
  double background = std::numeric_limits<double>::quiet_NaN();
};

// The series' frames; none unless every one is the brightest-of-all frame's size.
std::vector<EdgeFrame> SeriesFrames(const std::vector<GreyFrame>& frames, const GreyFrame& brightest) {
  std::vector<EdgeFrame> edgeFrames;
  for (const GreyFrame& frame : frames) {
    if (frame.width != brightest.width || frame.grey.size() != brightest.grey.size()) return {};
    edgeFrames.push_back({&frame});
  }
  return edgeFrames;
}

// A single frame's background: the median of its pixels below the threshold. Unlike the
// brightest-of-all frame's, it is not lifted by the noise.
double BackgroundOf(const GreyFrame& frame, const Levels& levels) {
  const auto split = static_cast<std::size_t>(std::ceil(levels.threshold()));
  GreyHistogram histogram(split + 1, 0);
  for (const std::uint16_t v : frame.grey) ++histogram[std::min<std::size_t>(v, split)];
  return HistogramQuantile(histogram, 0, split, 0.5);
}

// The edge found again across a circle, radius by radius, on the frame that lights the band
// inside the edge there most (kClearOfFall and more inside the circle): from outside in, where
// the grey first reaches half-way between that frame's background and the disc's own level
// just inside the edge there, and then the steepest fall of the grey next to that. Radii where
// the disc stays below kDarkSide of its level are skipped.
std::vector<EdgeSample> EdgeSamples(std::vector<EdgeFrame>& frames, const PhotoDisc& disc, const Levels& levels) {
  constexpr double kClearOfFall = 2.0;  // pixels
  std::vector<EdgeSample> samplesFound;
  const double reach = std::max(6.0, 0.03 * disc.radius);
  constexpr double kStep = 0.5;
  const int samples = static_cast<int>(2.0 * reach / kStep) + 1;
  const int angles = Angles(disc);
  std::vector<double> profile(static_cast<std::size_t>(samples)), inner;
  for (int a = 0; a < angles; ++a) {
    const double angle = 2.0 * std::numbers::pi * a / angles, cx = std::cos(angle), cy = std::sin(angle);
    const auto at = [&](int k) { return disc.radius - reach + k * kStep; };  // distance from the centre
    EdgeFrame* lightest = &frames.front();
    double most = 0.0;
    for (std::size_t i = 0; frames.size() > 1 && i < frames.size(); ++i) {
      double light = 0.0;
      for (int k = 0; at(k) <= disc.radius - kClearOfFall; ++k)
        light += GreyAt(*frames[i].frame, disc.x + at(k) * cx, disc.y + at(k) * cy);
      if (i == 0 || light > most) most = light, lightest = &frames[i];
    }
    const GreyFrame& frame = *lightest->frame;
    if (std::isnan(lightest->background)) lightest->background = BackgroundOf(frame, levels);
    const double background = lightest->background;
    for (int k = 0; k < samples; ++k) profile[k] = GreyAt(frame, disc.x + at(k) * cx, disc.y + at(k) * cy);
    // The disc's level: the median of the inner half of the profile, clear of a rim.
    inner.assign(profile.begin(), profile.begin() + samples / 2);
    std::nth_element(inner.begin(), inner.begin() + inner.size() / 2, inner.end());
    const double level = inner[inner.size() / 2];
    if (!(level - levels.background >= kDarkSide * (levels.disc - levels.background))) continue;
    const double half = (level + background) / 2.0;
    int k = samples - 1;
    while (k > 0 && profile[k] < half) --k;
    if (k == samples - 1 || k == 0) continue;
    // The edge is the steepest fall near that crossing (a thin bright rim inside the edge
    // would pull a level crossing outwards, not the fall's steepest point), placed between
    // samples by the parabola through the three steepest steps.
    const auto fall = [&](int m) { return profile[m] - profile[m + 1]; };  // between samples m and m + 1
    int steepest = k;
    for (int m = std::max(1, k - 4); m <= std::min(samples - 3, k + 4); ++m) {
      if (fall(m) > fall(steepest)) steepest = m;
    }
    if (steepest < 1 || steepest > samples - 3) continue;
    const double before = fall(steepest - 1), peak = fall(steepest), after = fall(steepest + 1);
    const double curvature = before - 2.0 * peak + after;
    const double offset = curvature < 0.0 ? std::clamp(0.5 * (before - after) / curvature, -0.5, 0.5) : 0.0;
    const double r = at(steepest) + kStep * (0.5 + offset);
    // The fall's width: from where the grey first drops below three quarters of the way from
    // the background to the level, outwards, to where it drops below a quarter.
    const auto below = [&](double share) {
      const double grey = background + share * (level - background);
      int m = 0;
      while (m + 1 < samples && profile[m + 1] >= grey) ++m;
      return m + 1 < samples ? at(m) + kStep * (profile[m] - grey) / (profile[m] - profile[m + 1]) : at(m);
    };
    samplesFound.push_back({{disc.x + r * cx, disc.y + r * cy}, level - levels.background, below(0.25) - below(0.75)});
  }
  return samplesFound;
}

// The well-lit part of the edge: the samples where the disc reaches kLitSide of its level,
// when they span at least a quarter of the circle; else every sample.
struct Edge {
  std::vector<Point> points;
  double width = 0.0;  // the median fall's width, pixels
  bool lit = false;    // measured where the disc is well lit
};
Edge LitEdge(const std::vector<EdgeSample>& samples, const Levels& levels, int angles) {
  std::vector<Point> lit, all;
  std::vector<double> litWidths, allWidths;
  for (const EdgeSample& e : samples) {
    all.push_back(e.point);
    allWidths.push_back(e.width);
    if (e.level >= kLitSide * (levels.disc - levels.background)) lit.push_back(e.point), litWidths.push_back(e.width);
  }
  const bool enough = 4 * lit.size() >= static_cast<std::size_t>(angles);
  std::vector<double>& widths = enough ? litWidths : allWidths;
  double width = 0.0;
  if (!widths.empty()) {
    std::nth_element(widths.begin(), widths.begin() + widths.size() / 2, widths.end());
    width = widths[widths.size() / 2];
  }
  return {enough ? lit : all, width, enough};
}

// The lens's blur from the fall's width where the disc is well lit: a Gaussian's fall of
// standard deviation s is 1.349 s wide from a quarter to three quarters, on top of the
// kSharpFall that the pixels and the sampling give a sharp edge. 0 when not so measured. The
// width saturates beyond a blur of about 2 pixels (2.2 for 2.5, 2.8 for 3.5 on synthetic
// frames), never the wrong way: a blur taken too small frees the readings of too little of it.
double Blur(const Edge& edge) {
  if (!edge.lit) return 0.0;
  return std::sqrt(std::max(0.0, std::pow(edge.width / kQuartileWidth, 2) - kSharpFall * kSharpFall));
}

// The mirror's bright rim found across a circle in the darkest-of-all frame, radius by radius:
// where that frame stays dark inside the edge as well as outside it, a diffraction rim that
// stays lit stands out as a ridge. A rim is the light that the mirror's edge itself diffracts:
// in a photo focused on the mirror its crest lies on the edge, however far the blur spreads it,
// while the blurred fall of the lit disc moves outwards by the rim's light over the disc's.
// Each crest is placed between samples by the parabola through its three highest samples.
// Radii are skipped where no ridge rises by kRidgeRise of the disc's level above the darkest
// frame outside it within kRidgeReach of the circle, or where inside it that frame stays lit
// by more than kDarkInside (the mirror's own light there would pull the crest inwards).
std::vector<Point> RidgeCrests(const GreyFrame& darkest, const PhotoDisc& disc, const Levels& levels) {
  std::vector<Point> crests;
  const double reach = kRidgeReach + kRidgeSide;
  constexpr double kStep = 0.5;
  const int samples = static_cast<int>(2.0 * reach / kStep) + 1;
  const int angles = Angles(disc);
  const double span = levels.disc - levels.background;
  std::vector<double> profile(static_cast<std::size_t>(samples)), side;
  const auto median = [&](int from, int to) {
    side.assign(profile.begin() + from, profile.begin() + to);
    std::nth_element(side.begin(), side.begin() + side.size() / 2, side.end());
    return side[side.size() / 2];
  };
  const int first = static_cast<int>(kRidgeSide / kStep), last = samples - 1 - first;
  for (int a = 0; a < angles; ++a) {
    const double angle = 2.0 * std::numbers::pi * a / angles, cx = std::cos(angle), cy = std::sin(angle);
    const auto at = [&](int k) { return disc.radius - reach + k * kStep; };
    for (int k = 0; k < samples; ++k) profile[k] = GreyAt(darkest, disc.x + at(k) * cx, disc.y + at(k) * cy);
    int crest = first;
    for (int k = first; k <= last; ++k) {
      if (profile[k] > profile[crest]) crest = k;
    }
    if (crest == first || crest == last) continue;
    const double inside = median(0, first), outside = median(last, samples);
    if (!(profile[crest] - outside >= kRidgeRise * span && inside - outside <= kDarkInside * span)) continue;
    // A rim falls alike on both sides of its crest; the mirror's own light, lit up to the edge
    // in every frame, rises slowly inwards of the edge and falls at once beyond it.
    const double half = (profile[crest] + std::max(inside, outside)) / 2.0;
    const auto halfWidth = [&](int step) {  // none (infinite) when the ridge never falls to half
      int k = crest;
      while (k + step > 0 && k + step < samples - 1 && profile[k + step] >= half) k += step;
      if (profile[k + step] >= half) return std::numeric_limits<double>::infinity();
      return (std::abs(k - crest) + (profile[k] - half) / (profile[k] - profile[k + step])) * kStep;
    };
    const double in = halfWidth(-1), out = halfWidth(1);
    if (!(std::max(in, out) <= kRidgeAsymmetry * std::min(in, out))) continue;
    const double before = profile[crest - 1], peak = profile[crest], after = profile[crest + 1];
    const double curvature = before - 2.0 * peak + after;
    const double offset = curvature < 0.0 ? std::clamp(0.5 * (before - after) / curvature, -0.5, 0.5) : 0.0;
    const double r = at(crest) + kStep * offset;
    crests.push_back({disc.x + r * cx, disc.y + r * cy});
  }
  return crests;
}

}  // namespace

std::optional<DiscScale> FindDisc(const GreyFrame& brightest, const std::function<bool()>& keepGoing,
                                  const GreyFrame& darkest, const std::vector<GreyFrame>& frames) {
  const auto stopped = [&] { return keepGoing && !keepGoing(); };
  if (brightest.width < 3 || brightest.height < 3) return std::nullopt;
  const std::optional<Levels> levels = SplitLevels(brightest);
  if (!levels || stopped()) return std::nullopt;
  const double threshold = levels->threshold();
  const CanBeTheMirror plausible{static_cast<double>(brightest.width), static_cast<double>(brightest.height)};
  const std::vector<std::uint8_t> patches = DiscPatches(brightest, threshold);
  if (stopped()) return std::nullopt;
  const std::vector<Point> boundary = BoundaryPoints(brightest, patches, threshold);
  if (stopped()) return std::nullopt;
  std::optional<PhotoDisc> disc = FitCircleRobustly(OnTheDisc(boundary, plausible));
  Edge edge;
  for (int pass = 0; pass < 2 && disc && plausible(*disc); ++pass) {
    if (stopped()) return std::nullopt;
    std::vector<EdgeFrame> brightestOnly{{&brightest, levels->background}};
    edge = LitEdge(EdgeSamples(brightestOnly, *disc, *levels), *levels, Angles(*disc));
    disc = FitCircleRobustly(edge.points);
  }
  // Once more on the series' own frames, radius by radius on the one that lights the edge most;
  // the lens's blur is still measured on the brightest-of-all frame's fall.
  if (std::vector<EdgeFrame> series = SeriesFrames(frames, brightest); series.size() > 1 && disc && plausible(*disc)) {
    if (stopped()) return std::nullopt;
    edge.points = LitEdge(EdgeSamples(series, *disc, *levels), *levels, Angles(*disc)).points;
    disc = FitCircleRobustly(edge.points);
  }
  // A disc too small to hold the zones' windows, or one the frame cannot show, is no disc.
  if (!disc || !plausible(*disc) || stopped()) return std::nullopt;
  // A rim seen in the darkest-of-all frame places the edge on its crest.
  if (darkest.width == brightest.width && darkest.grey.size() == brightest.grey.size()) {
    std::vector<Point> crests = RidgeCrests(darkest, *disc, *levels);
    if (6 * crests.size() >= static_cast<std::size_t>(Angles(*disc))) {
      if (const std::optional<PhotoDisc> rim = FitCircleRobustly(crests);
          rim && plausible(*rim) && rim->radius >= disc->radius - kRimInsideFall - kRimInsideShare * edge.width) {
        disc = rim;
        edge.points = std::move(crests);
      }
    }
  }
  // Where along a blurred fall the mirror's edge lies is known to a share of the fall's width:
  // a thin bright rim along the edge moves the fall outwards by as much.
  const double definition = kEdgeShare * edge.width;
  return DiscScale{*disc, std::hypot(RadiusUncertainty(edge.points, *disc), definition), ScaleSource::FoundEdge,
                   Blur(edge)};
}

}  // namespace zonalyst
