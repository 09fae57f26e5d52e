#include "PhotoShake.h"

#include "GreyAt.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <functional>
#include <numbers>
#include <optional>

namespace zonalyst {
namespace {

constexpr int kRays = 360;
constexpr double kStep = 0.5;                      // pixels between samples along a ray
constexpr double kSearch = kMaxShakePixels + 4.0;  // how far about the outline seen a frame's own is sought
constexpr double kNear = 3.0;                      // how far about its circle an edge is sought once centred
constexpr double kEdgeSlope = 0.06;                // of the disc's contrast per pixel: an edge's least slope
constexpr double kEdgeStep = 0.5;                  // of the disc's contrast: an edge's least step
constexpr double kFlatShare = 0.1;                 // of the step: how far either side may stray from its line
constexpr double kLeastSpread = 1.0;               // pixels: the least band of outliers kept in a fit
constexpr double kCircleBin = 0.5;                 // pixels: the bins of edge radii over the series
constexpr double kCircleReach = 1.5;               // pixels: an edge this near a circle lies on it
constexpr double kMaxError = 0.15;                 // pixels: a centre less sure than this is not measured
constexpr double kRoughError = 1.0;                // pixels: an outline less sure than this places no frame
constexpr int kLeastEdges = 24;                    // edges on the circles a frame's centre needs
constexpr double kRayCorrelation = 2.0;            // neighbouring rays see the same blurred edge

struct Point {
  double x = 0.0, y = 0.0;
};

// An edge along a ray: its radius from the ray's start, and whether the grey falls (-1) or rises
// (+1) outwards.
struct Edge {
  double r = 0.0;
  int sign = -1;
};

struct Ray {
  double ux = 0.0, uy = 0.0;
};

std::vector<Ray> Rays() {
  std::vector<Ray> rays(kRays);
  for (int i = 0; i < kRays; ++i) {
    const double angle = 2.0 * std::numbers::pi * i / kRays;
    rays[i] = {std::cos(angle), std::sin(angle)};
  }
  return rays;
}

// How far the disc's lit part stands above the background on a frame: the 90th percentile of the
// grey inside the disc less the 10th outside it.
double DiscContrast(const GreyFrame& frame, const PhotoDisc& disc, const std::vector<Ray>& rays) {
  std::vector<double> inside, outside;
  for (const Ray& ray : rays) {
    for (double r = 0.2 * disc.radius; r < 0.95 * disc.radius; r += 2.0) {
      inside.push_back(GreyAt(frame, disc.x + r * ray.ux, disc.y + r * ray.uy));
    }
    for (double r = disc.radius + kSearch; r < disc.radius + kSearch + 4.0; r += 2.0) {
      outside.push_back(GreyAt(frame, disc.x + r * ray.ux, disc.y + r * ray.uy));
    }
  }
  const auto quantile = [](std::vector<double>& v, double q) {
    if (v.empty()) return 0.0;
    const auto at = v.begin() + static_cast<std::ptrdiff_t>(q * static_cast<double>(v.size() - 1));
    std::nth_element(v.begin(), at, v.end());
    return *at;
  };
  return quantile(inside, 0.9) - quantile(outside, 0.1);
}

// The grey along a ray from (x, y), n samples kStep apart from radius first on.
std::vector<double> Profile(const GreyFrame& frame, double x, double y, const Ray& ray, double first, int n) {
  std::vector<double> grey(static_cast<std::size_t>(std::max(n, 0)));
  for (int i = 0; i < n; ++i) {
    const double r = first + i * kStep;
    grey[i] = GreyAt(frame, x + r * ray.ux, y + r * ray.uy);
  }
  return grey;
}

// The slope of a profile over two pixels, grey per pixel; 0 at its two ends.
std::vector<double> Slope(const std::vector<double>& grey) {
  std::vector<double> slope(grey.size(), 0.0);
  for (std::size_t i = 2; i + 2 < grey.size(); ++i) slope[i] = (grey[i + 2] - grey[i - 2]) / (4.0 * kStep);
  return slope;
}

// Where the grey along a ray crosses half-way between its two sides near sample i, the lit side
// taken as a straight line (a shadow's slow slope beside the edge would move its steepest point)
// and the dark side as a level; none when either side is not so (a knife's shadow fading slowly,
// another edge beside it), when a bright rim stands above the lit side at the edge, or when the
// step across is too small.
std::optional<double> HalfWay(const std::vector<double>& grey, int i, int sign, double least) {
  constexpr int kFrom = 7, kTo = 18;  // 3.5 to 9 pixels from the edge
  const int lit = sign < 0 ? -1 : 1;  // the lit side: inwards of a fall, outwards of a rise
  double sx = 0.0, sy = 0.0, sxx = 0.0, sxy = 0.0, dark = 0.0, darkSquares = 0.0;
  const int count = kTo - kFrom + 1;
  for (int t = kFrom; t <= kTo; ++t) {
    const double x = lit * t, y = grey[i + lit * t], d = grey[i - lit * t];
    sx += x, sy += y, sxx += x * x, sxy += x * y, dark += d, darkSquares += d * d;
  }
  const double slope = (count * sxy - sx * sy) / (count * sxx - sx * sx), offset = (sy - slope * sx) / count;
  dark /= count;
  const double step = offset - dark;
  if (step < least) return std::nullopt;
  double misfit = 0.0;
  for (int t = kFrom; t <= kTo; ++t) {
    const double e = grey[i + lit * t] - (offset + slope * lit * t);
    misfit += e * e;
  }
  const double darkSpread = std::sqrt(std::max(darkSquares / count - dark * dark, 0.0));
  if (std::sqrt(misfit / count) > kFlatShare * step || darkSpread > kFlatShare * step) return std::nullopt;
  // A bright rim at the edge standing above the lit side's line would move the half-way point out
  // by more the dimmer that side is.
  for (int t = 1; t < kFrom; ++t) {
    if (grey[i + lit * t] > offset + slope * lit * t + kFlatShare * step) return std::nullopt;
  }
  // The share of the lit side's light at each sample, 1 on the lit side, 0 on the dark.
  const auto share = [&](int t) { return (grey[i + t] - dark) / (offset + slope * t - dark); };
  for (int t = -4; t < 4; ++t) {
    const double a = share(t) - 0.5, b = share(t + 1) - 0.5;
    if ((a <= 0.0) != (b <= 0.0)) return t + a / (a - b);
  }
  return std::nullopt;
}

// The edges along a ray from (x, y) between radii from and to: where the grey's slope peaks
// beyond kEdgeSlope of the contrast, placed half-way between its sides (HalfWay), the strongest
// of any of one sign within 2.5 pixels of each other.
std::vector<Edge> EdgesAlong(const GreyFrame& frame, double x, double y, const Ray& ray, double from, double to,
                             double contrast) {
  constexpr int kMargin = 20;  // samples beyond either end, for the sides of an edge there
  const double first = from - kMargin * kStep;
  const int n = static_cast<int>((to - from) / kStep) + 1 + 2 * kMargin;
  const std::vector<double> grey = Profile(frame, x, y, ray, first, n);
  const std::vector<double> slope = Slope(grey);
  std::vector<std::pair<double, Edge>> found;  // strength, edge
  for (int i = kMargin; i + kMargin < n; ++i) {
    const double s = std::abs(slope[i]);
    if (s < kEdgeSlope * contrast || s < std::abs(slope[i - 1]) || s <= std::abs(slope[i + 1])) continue;
    const int sign = slope[i] < 0.0 ? -1 : 1;
    const std::optional<double> at = HalfWay(grey, i, sign, kEdgeStep * contrast);
    if (at) found.push_back({s, {first + (i + *at) * kStep, sign}});
  }
  std::sort(found.begin(), found.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
  std::vector<Edge> edges;
  for (const auto& [strength, edge] : found) {
    const bool near = std::any_of(edges.begin(), edges.end(),
                                  [&](const Edge& e) { return e.sign == edge.sign && std::abs(e.r - edge.r) < 2.5; });
    if (!near) edges.push_back(edge);
  }
  return edges;
}

// A point on a circle of the series: where, and which circle's radius it lies at.
struct CirclePoint {
  Point at;
  int circle = 0;
};

// The radius of the circle through points by the Kasa algebraic fit (least squares of
// x^2 + y^2 + a x + b y + c); none for fewer than kLeastEdges points or an arc of less than about
// a third of the circle.
std::optional<double> KasaRadius(const std::vector<CirclePoint>& points) {
  if (points.size() < static_cast<std::size_t>(kLeastEdges)) return std::nullopt;
  double mx = 0.0, my = 0.0;
  for (const CirclePoint& p : points) mx += p.at.x, my += p.at.y;
  mx /= static_cast<double>(points.size()), my /= static_cast<double>(points.size());
  // Normal equations in coordinates about the points' mean, where they are well conditioned.
  double sxx = 0.0, sxy = 0.0, syy = 0.0, sxz = 0.0, syz = 0.0, sz = 0.0;
  for (const CirclePoint& p : points) {
    const double x = p.at.x - mx, y = p.at.y - my, z = x * x + y * y;
    sxx += x * x, sxy += x * y, syy += y * y, sxz += x * z, syz += y * z, sz += z;
  }
  const double n = static_cast<double>(points.size());
  const double det = sxx * syy - sxy * sxy;
  if (!(det > 0.0) || std::min(sxx, syy) < 0.1 * (sxx + syy)) return std::nullopt;
  const double a = -(syy * sxz - sxy * syz) / det, b = -(sxx * syz - sxy * sxz) / det, c = -sz / n;
  const double square = (a * a + b * b) / 4.0 - c;
  if (!(square > 0.0)) return std::nullopt;
  return std::sqrt(square);
}

struct CentreFit {
  Point centre;
  int used = 0;
  double error = 0.0;  // standard error of the larger of the centre's two coordinates, pixels
};

// The centre of a frame whose points lie on circles of the given radii: Gauss-Newton on the
// points' distances from the circles, points farther than three robust standard deviations
// (at least kLeastSpread) dropped at each step.
CentreFit FitCentre(const std::vector<CirclePoint>& points, const std::vector<double>& radii, Point start) {
  CentreFit fit{start, 0, 0.0};
  std::vector<double> residual(points.size()), spread;
  std::vector<bool> keep(points.size(), true);
  for (int iteration = 0; iteration < 12; ++iteration) {
    for (std::size_t p = 0; p < points.size(); ++p) {
      residual[p] = std::hypot(points[p].at.x - fit.centre.x, points[p].at.y - fit.centre.y) - radii[points[p].circle];
    }
    spread.clear();
    for (const double e : residual) spread.push_back(std::abs(e));
    if (spread.size() < 3) return {start, 0, 0.0};
    const auto middle = spread.begin() + static_cast<std::ptrdiff_t>(spread.size() / 2);
    std::nth_element(spread.begin(), middle, spread.end());
    const double band = std::max(3.0 * 1.4826 * *middle, kLeastSpread);
    double hxx = 0.0, hxy = 0.0, hyy = 0.0, gx = 0.0, gy = 0.0, squares = 0.0;
    int used = 0;
    for (std::size_t p = 0; p < points.size(); ++p) {
      keep[p] = std::abs(residual[p]) <= band;
      if (!keep[p]) continue;
      const double dx = points[p].at.x - fit.centre.x, dy = points[p].at.y - fit.centre.y;
      const double d = std::max(std::hypot(dx, dy), 1e-9);
      const double jx = -dx / d, jy = -dy / d;
      hxx += jx * jx, hxy += jx * jy, hyy += jy * jy;
      gx += jx * residual[p], gy += jy * residual[p];
      squares += residual[p] * residual[p];
      ++used;
    }
    const double det = hxx * hyy - hxy * hxy;
    if (used < 3 || !(det > 1e-9 * (hxx + hyy) * (hxx + hyy))) return {start, 0, 0.0};
    const double stepX = -(hyy * gx - hxy * gy) / det, stepY = -(hxx * gy - hxy * gx) / det;
    fit.centre.x += stepX, fit.centre.y += stepY;
    fit.used = used;
    const double sigma = std::sqrt(squares / std::max(used - 2, 1));
    fit.error = kRayCorrelation * sigma * std::sqrt(std::max(hyy, hxx) / det);
    if (std::hypot(stepX, stepY) < 1e-4 && iteration >= 3) break;
  }
  return fit;
}

// Each circle's radius: the median distance of its points from their frames' centres.
void FitRadii(const std::vector<std::vector<CirclePoint>>& points, const std::vector<CentreFit>& centres,
              std::vector<double>& radii) {
  std::vector<std::vector<double>> distances(radii.size());
  for (std::size_t k = 0; k < points.size(); ++k) {
    if (centres[k].used == 0) continue;
    for (const CirclePoint& p : points[k]) {
      distances[p.circle].push_back(std::hypot(p.at.x - centres[k].centre.x, p.at.y - centres[k].centre.y));
    }
  }
  for (std::size_t c = 0; c < radii.size(); ++c) {
    std::vector<double>& d = distances[c];
    if (d.empty()) continue;
    const auto middle = d.begin() + static_cast<std::ptrdiff_t>(d.size() / 2);
    std::nth_element(d.begin(), middle, d.end());
    radii[c] = *middle;
  }
}

// Centres of every frame from its points on the circles, the circles' radii refitted between.
std::vector<CentreFit> FitCentres(const std::vector<std::vector<CirclePoint>>& points, std::vector<double>& radii,
                                  const std::vector<Point>& starts) {
  std::vector<CentreFit> centres(points.size());
  // Three rounds: the radii start near their own (the outline's from the frames' own circles, the
  // others from the peaks of the edges' radii), and move the centres by little.
  for (int round = 0; round < 3; ++round) {
    for (std::size_t k = 0; k < points.size(); ++k) {
      centres[k] = FitCentre(points[k], radii, round == 0 || centres[k].used == 0 ? starts[k] : centres[k].centre);
    }
    const std::vector<double> before = radii;
    FitRadii(points, centres, radii);
    double moved = 0.0;
    for (std::size_t c = 0; c < radii.size(); ++c) moved = std::max(moved, std::abs(radii[c] - before[c]));
    if (moved < 1e-3) break;
  }
  return centres;
}

// The circles all frames share: peaks of the edges' radii from each frame's own centre over the
// series, of falls and of rises apart. Returns each circle's radius and sign.
std::vector<Edge> SharedCircles(const std::vector<std::vector<Edge>>& edges, double outermost) {
  const int bins = static_cast<int>(outermost / kCircleBin) + 2;
  std::vector<Edge> circles;
  for (const int sign : {-1, 1}) {
    std::vector<double> count(static_cast<std::size_t>(bins), 0.0);
    for (const auto& frame : edges) {
      for (const Edge& e : frame) {
        const int bin = static_cast<int>(e.r / kCircleBin);
        if (e.sign == sign && bin >= 0 && bin < bins) count[bin] += 1.0;
      }
    }
    std::vector<double> smooth(count.size(), 0.0);
    for (int b = 1; b + 1 < bins; ++b) smooth[b] = count[b - 1] + 2.0 * count[b] + count[b + 1];
    const double highest = *std::max_element(smooth.begin(), smooth.end());
    const double least = std::max(0.2 * highest, 4.0 * kRays * 0.05);
    for (int b = 1; b + 1 < bins; ++b) {
      if (smooth[b] < least || smooth[b] < smooth[b - 1] || smooth[b] <= smooth[b + 1]) continue;
      circles.push_back({(b + 0.5) * kCircleBin, sign});
    }
  }
  return circles;
}

// Where along each ray edges may lie in any frame: the radii within reach of a steep slope of the
// brightest-of-all frame (every frame's edges are edges of it, moved by the frame's shake), as
// ranges [from, to) per ray.
using Ranges = std::vector<std::pair<double, double>>;
std::vector<Ranges> EdgeRanges(const GreyFrame& brightest, const PhotoDisc& disc, const std::vector<Ray>& rays,
                               double contrast, double reach) {
  std::vector<Ranges> ranges(rays.size());
  const double first = 0.1 * disc.radius;
  const int n = static_cast<int>((disc.radius + kSearch - first) / kStep) + 1;
  for (std::size_t i = 0; i < rays.size(); ++i) {
    const std::vector<double> slope = Slope(Profile(brightest, disc.x, disc.y, rays[i], first, n));
    for (int t = 0; t < n; ++t) {
      if (std::abs(slope[t]) < kEdgeSlope * contrast) continue;
      const double r = first + t * kStep;
      if (!ranges[i].empty() && ranges[i].back().second >= r - reach) {
        ranges[i].back().second = r + reach;
      } else {
        ranges[i].push_back({std::max(r - reach, 0.0), r + reach});
      }
    }
  }
  return ranges;
}

}  // namespace

std::vector<FrameShift> MeasureShake(const std::vector<GreyFrame>& frames, const GreyFrame& brightest,
                                     const PhotoDisc& disc) {
  std::vector<FrameShift> shake(frames.size());
  if (frames.size() < 2 || frames.front().width < 2 || frames.front().height < 2 || !(disc.radius > kSearch)) {
    return shake;
  }
  const std::vector<Ray> rays = Rays();
  const double contrast = DiscContrast(brightest, disc, rays);
  if (!(contrast > 0.0)) return shake;
  const Point start{disc.x, disc.y};

  // 1. Each frame's lit outline: the outermost fall near the outline seen on the brightest-of-all
  //    frame (the mirror's edge, or behind a mask its outermost openings'), on the rays where that
  //    one is seen.
  std::vector<double> seen(kRays, 0.0);
  {
    const double first = 0.5 * disc.radius;
    const int n = static_cast<int>((disc.radius + kSearch - first) / kStep) + 1;
    for (int i = 0; i < kRays; ++i) {
      const std::vector<double> slope = Slope(Profile(brightest, start.x, start.y, rays[i], first, n));
      for (int t = n - 1; t >= 0 && seen[i] == 0.0; --t) {
        if (slope[t] <= -kEdgeSlope * contrast) seen[i] = first + t * kStep;
      }
    }
  }
  // The outermost of them that a few rays share (a mask's outermost opening may span 30 degrees).
  std::vector<double> sorted = seen;
  std::sort(sorted.begin(), sorted.end(), std::greater<>());
  double outlineSeen = 0.0;
  for (std::size_t i = 0; i < sorted.size() && outlineSeen == 0.0; ++i) {
    const auto near =
        std::count_if(sorted.begin(), sorted.end(), [&](double r) { return std::abs(r - sorted[i]) < 4.0; });
    if (near >= kRays / 25 && sorted[i] > kSearch) outlineSeen = sorted[i];
  }
  if (outlineSeen == 0.0) return shake;
  std::vector<bool> onOutline(kRays, false);
  for (int i = 0; i < kRays; ++i) onOutline[i] = std::abs(seen[i] - outlineSeen) < 0.5 * kSearch;
  std::vector<std::vector<CirclePoint>> outline(frames.size());
  for (std::size_t k = 0; k < frames.size(); ++k) {
    for (int i = 0; i < kRays; ++i) {
      if (!onOutline[i] || i % 2 == 1) continue;  // every other ray: enough to place a frame roughly
      const auto edges =
          EdgesAlong(frames[k], start.x, start.y, rays[i], outlineSeen - kSearch, outlineSeen + kSearch, contrast);
      double outermost = -1.0;
      for (const Edge& e : edges) {
        if (e.sign < 0) outermost = std::max(outermost, e.r);
      }
      if (outermost > 0.0)
        outline[k].push_back({{start.x + outermost * rays[i].ux, start.y + outermost * rays[i].uy}, 0});
    }
  }
  // The outline's radius: the median of the frames' own (the shaken frames' union is larger than
  // any one of them, and fitted with one radius for all, a frame lit on one side alone tells its
  // radius from its centre poorly).
  std::vector<double> ownRadii;
  for (const std::vector<CirclePoint>& points : outline) {
    const std::optional<double> r = KasaRadius(points);
    if (r && std::abs(*r - outlineSeen) < kSearch) ownRadii.push_back(*r);
  }
  std::vector<double> outlineRadius{outlineSeen};
  if (!ownRadii.empty()) {
    const auto middle = ownRadii.begin() + static_cast<std::ptrdiff_t>(ownRadii.size() / 2);
    std::nth_element(ownRadii.begin(), middle, ownRadii.end());
    outlineRadius[0] = *middle;
  }
  const std::vector<CentreFit> rough = FitCentres(outline, outlineRadius, std::vector<Point>(frames.size(), start));

  // 2. From each frame's own centre, every edge near the circles: which circles all frames
  //    share, then each frame's centre from its points on them.
  std::vector<Point> centres(frames.size(), start);
  double reach = 0.0;
  const auto outlined = [&](std::size_t k) {
    return rough[k].used >= kLeastEdges / 2 && rough[k].error <= kRoughError;
  };
  for (std::size_t k = 0; k < frames.size(); ++k) {
    if (!outlined(k)) continue;
    centres[k] = rough[k].centre;
    reach = std::max(reach, std::hypot(centres[k].x - start.x, centres[k].y - start.y));
  }
  reach = std::min(reach, kSearch) + kNear;
  const std::vector<Ranges> ranges = EdgeRanges(brightest, disc, rays, contrast, reach);
  // Twice: the second time from the centres the first fitted, so that an edge a rough centre put
  // beside its circle is counted on it.
  std::vector<Edge> circles;
  std::vector<double> radii;
  std::vector<CentreFit> fits(frames.size());
  for (int round = 0; round < 2; ++round) {
    std::vector<std::vector<Edge>> edges(frames.size());
    std::vector<std::vector<int>> edgeRay(frames.size());
    for (std::size_t k = 0; k < frames.size(); ++k) {
      for (int i = 0; i < kRays; ++i) {
        for (const auto& [from, to] : ranges[i]) {
          for (const Edge& e : EdgesAlong(frames[k], centres[k].x, centres[k].y, rays[i], from, to, contrast)) {
            edges[k].push_back(e);
            edgeRay[k].push_back(i);
          }
        }
      }
    }
    if (round == 0) {
      circles = SharedCircles(edges, disc.radius + kSearch + reach);
      for (const Edge& c : circles) radii.push_back(c.r);
    }
    if (circles.empty()) break;
    std::vector<std::vector<CirclePoint>> points(frames.size());
    for (std::size_t k = 0; k < frames.size(); ++k) {
      for (std::size_t e = 0; e < edges[k].size(); ++e) {
        const Edge& edge = edges[k][e];
        int nearest = -1;
        for (std::size_t c = 0; c < circles.size(); ++c) {
          if (circles[c].sign != edge.sign || std::abs(radii[c] - edge.r) > kCircleReach) continue;
          if (nearest < 0 || std::abs(radii[c] - edge.r) < std::abs(radii[nearest] - edge.r)) {
            nearest = static_cast<int>(c);
          }
        }
        if (nearest < 0) continue;
        const Ray& ray = rays[edgeRay[k][e]];
        points[k].push_back({{centres[k].x + edge.r * ray.ux, centres[k].y + edge.r * ray.uy}, nearest});
      }
    }
    fits = FitCentres(points, radii, centres);
    for (std::size_t k = 0; k < frames.size(); ++k) {
      if (fits[k].used >= kLeastEdges / 2) centres[k] = fits[k].centre;
    }
  }

  // 3. The shifts against the first frame measured.
  // A frame whose outline alone does not place it, or places it elsewhere, may have its edges
  // counted on the wrong circles (a mask's are a few pixels apart): not measured.
  const auto measured = [&](std::size_t k) {
    return outlined(k) && fits[k].used >= kLeastEdges && fits[k].error <= kMaxError &&
           std::hypot(fits[k].centre.x - rough[k].centre.x, fits[k].centre.y - rough[k].centre.y) <= 2.0 * kCircleReach;
  };
  std::size_t first = 0;
  while (first < frames.size() && !measured(first)) ++first;
  const double pixelsOfFile = frames.front().scale;
  for (std::size_t k = 0; k < frames.size(); ++k) {
    FrameShift& shift = shake[k];
    if (first == frames.size()) {
      shift.outcome = FrameShift::Outcome::NotMeasured;
      continue;
    }
    shift.dx = fits[k].centre.x - fits[first].centre.x;
    shift.dy = fits[k].centre.y - fits[first].centre.y;
    shift.error = std::hypot(fits[k].error, fits[first].error);
    const double moved = std::hypot(shift.dx, shift.dy);
    if (k == first) {
      shift = {};
    } else if (!measured(k)) {
      shift.outcome = FrameShift::Outcome::NotMeasured;
    } else if (moved > kMaxShakePixels) {
      shift.outcome = FrameShift::Outcome::TooLarge;
    } else if (moved * pixelsOfFile > 1.0 && moved > kLeastAlignedPixels) {
      shift.outcome = FrameShift::Outcome::Aligned;
    }
  }
  // Where every frame measured stood still, and they are half or more, one that could not be
  // measured is taken to have stood still too: a knife that darkens most of the disc leaves a
  // frame too few edges, in a steady sweep a third of its frames.
  const auto count = [&](FrameShift::Outcome outcome) {
    return std::count_if(shake.begin(), shake.end(), [&](const FrameShift& s) { return s.outcome == outcome; });
  };
  const bool shaken = count(FrameShift::Outcome::Aligned) + count(FrameShift::Outcome::TooLarge) > 0 ||
                      2 * count(FrameShift::Outcome::NotMeasured) > static_cast<std::ptrdiff_t>(frames.size());
  for (FrameShift& shift : shake) {
    if (!shaken && shift.outcome == FrameShift::Outcome::NotMeasured) shift = {};
  }
  return shake;
}

bool AnyShake(const std::vector<FrameShift>& shake) {
  return std::any_of(shake.begin(), shake.end(),
                     [](const FrameShift& s) { return s.outcome != FrameShift::Outcome::Steady; });
}

void AlignFrames(std::vector<GreyFrame>& frames, const std::vector<FrameShift>& shake) {
  for (std::size_t k = 0; k < frames.size() && k < shake.size(); ++k) {
    if (shake[k].outcome != FrameShift::Outcome::Aligned || frames[k].width < 2 || frames[k].height < 2) continue;
    // Each pixel takes the grey at its place moved by the shift: the same four neighbours with
    // the same weights everywhere, the frame's edge pixels repeated beyond it.
    const GreyFrame moved = frames[k];
    GreyFrame& frame = frames[k];
    const int w = frame.width, h = frame.height;
    const int i = static_cast<int>(std::floor(shake[k].dx)), j = static_cast<int>(std::floor(shake[k].dy));
    const double fu = shake[k].dx - i, fv = shake[k].dy - j;
    std::vector<int> column0(static_cast<std::size_t>(w)), column1(static_cast<std::size_t>(w));
    for (int x = 0; x < w; ++x) column0[x] = std::clamp(x + i, 0, w - 1), column1[x] = std::clamp(x + i + 1, 0, w - 1);
    for (int y = 0; y < h; ++y) {
      const std::uint16_t* row0 = &moved.grey[static_cast<std::size_t>(std::clamp(y + j, 0, h - 1)) * w];
      const std::uint16_t* row1 = &moved.grey[static_cast<std::size_t>(std::clamp(y + j + 1, 0, h - 1)) * w];
      std::uint16_t* out = &frame.grey[static_cast<std::size_t>(y) * w];
      for (int x = 0; x < w; ++x) {
        const double grey = (1.0 - fv) * ((1.0 - fu) * row0[column0[x]] + fu * row0[column1[x]]) +
                            fv * ((1.0 - fu) * row1[column0[x]] + fu * row1[column1[x]]);
        out[x] = static_cast<std::uint16_t>(std::nearbyint(grey));
      }
    }
  }
}

void LeaveOutFlagged(std::vector<GreyFrame>& frames, const std::vector<FrameShift>& shake) {
  for (std::size_t k = 0; k < frames.size() && k < shake.size(); ++k) {
    if (shake[k].outcome == FrameShift::Outcome::NotMeasured || shake[k].outcome == FrameShift::Outcome::TooLarge) {
      std::fill(frames[k].grey.begin(), frames[k].grey.end(), std::uint16_t{0});
    }
  }
}

}  // namespace zonalyst
