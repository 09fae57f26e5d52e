#include "GreyAt.h"
#include "PhotoReadings.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace zonalyst {

// The scale behind a Couder mask. The mirror's rim is then mostly hidden, and the circle that
// most of the lit outline lies on is the outside of the outermost openings, not the mirror. But
// every opening's inner and outer edge lies at a radius the test gives (its zones' inner and
// outer radii, millimetres): where the light begins and ends along radii from the centre within
// 40 degrees of the horizontal diameter, on both sides, are points at known radii. The centre
// (cx, cy) and the pixels per millimetre k are fitted to them by least squares, each point p
// at radius rho wanting |p - c| = k rho (Gauss-Newton, points more than three robust standard
// deviations off dropped), after k is first found by a vote: of the scales from 0.8 to 1.25
// times the disc's, the one that puts the most points within 1.5 pixels of a known radius.
// The fit starts both from the vote's winning centre and from the disc's own, and keeps the
// one that matches more points: a chance alignment of edges may win the vote.
//
// Along each radius the light begins and ends where the grey crosses half-way between the
// background and the level of the lit run it bounds (linear interpolation between samples a
// quarter pixel apart), so a dim opening keeps its edges where they are. The radius's
// uncertainty is the fit's standard error of k times the test's semi-diameter.

namespace {

constexpr double kReachDegrees = 40.0;
constexpr double kSampleStep = 0.25;  // pixels
constexpr double kMatchPixels = 1.5;
constexpr double kEndReach = 5.0;  // pixels inside a lit run's end that tell its level there

struct EdgeAt {
  double x = 0.0, y = 0.0;  // frame pixels
  int ray = 0;
  double along = 0.0;  // pixels from the disc's centre along the ray
  double rhoMm = 0.0;  // the zone edge it lies on, once matched
};

// Where the light begins and ends along the radii near the horizontal diameter.
std::vector<EdgeAt> OpeningEdges(const GreyFrame& frame, const PhotoDisc& disc, double background, double lit) {
  std::vector<EdgeAt> edges;
  const double low = background + 0.25 * (lit - background);
  const int samples = static_cast<int>(1.1 * disc.radius / kSampleStep);
  const int perSide = std::max(40, static_cast<int>(disc.radius * kReachDegrees * std::numbers::pi / 180.0 / 2.0));
  std::vector<double> profile(static_cast<std::size_t>(samples));
  int ray = 0;
  for (const double side : {0.0, 180.0}) {
    for (int a = -perSide; a <= perSide; ++a, ++ray) {
      const double angle = (side + kReachDegrees * a / perSide) * std::numbers::pi / 180.0;
      const double cx = std::cos(angle), cy = std::sin(angle);
      for (int k = 0; k < samples; ++k)
        profile[k] = GreyAt(frame, disc.x + k * kSampleStep * cx, disc.y + k * kSampleStep * cy);
      // Each run above the low threshold, its level the median of its samples.
      for (int k = 1; k < samples;) {
        if (profile[k] < low) {
          ++k;
          continue;
        }
        const int start = k;
        while (k < samples && profile[k] >= low) ++k;
        if (k == samples) break;  // runs out of the frame's reach: no outer edge seen
        // The crossings of half-way between the background and the run's level next to each
        // end (the 80th percentile of its first or last few pixels: an opening's light need
        // not be even along it).
        const int near = static_cast<int>(kEndReach / kSampleStep);
        const auto levelAt = [&](int from, int to) {
          std::vector<double> part(profile.begin() + std::max(from, start), profile.begin() + std::min(to, k));
          const auto at = part.begin() + static_cast<std::ptrdiff_t>(0.8 * static_cast<double>(part.size() - 1));
          std::nth_element(part.begin(), at, part.end());
          return *at;
        };
        const auto cross = [&](int from, int step) -> std::optional<double> {
          const double half = ((step < 0 ? levelAt(start, start + near) : levelAt(k - near, k)) + background) / 2.0;
          for (int m = from; m >= 1 && m + 1 < samples && std::abs(m - from) < 40; m += step) {
            const double a0 = profile[m], a1 = profile[m + step];
            if ((a0 >= half) != (a1 >= half)) return (m + step * (a0 - half) / (a0 - a1)) * kSampleStep;
          }
          return std::nullopt;
        };
        for (const auto& r : {cross(start, -1), cross(k - 1, 1)}) {
          if (r) edges.push_back({disc.x + *r * cx, disc.y + *r * cy, ray, *r, 0.0});
        }
      }
    }
  }
  return edges;
}

double Determinant(const double m[3][3]) {
  return m[0][0] * (m[1][1] * m[2][2] - m[1][2] * m[2][1]) - m[0][1] * (m[1][0] * m[2][2] - m[1][2] * m[2][0]) +
         m[0][2] * (m[1][0] * m[2][1] - m[1][1] * m[2][0]);
}

// The zones' edges, millimetres from the centre, each once.
std::vector<double> ZoneEdges(const MirrorTest& test) {
  std::vector<double> radii;
  for (int z = 1; z <= test.zones(); ++z) {
    for (const int side : {0, 1}) {
      const double r = test.ZoneRadius[z][side] * test.mmPerUnit();
      if (r > 0.0) radii.push_back(r);
    }
  }
  std::sort(radii.begin(), radii.end());
  radii.erase(std::unique(radii.begin(), radii.end(), [](double a, double b) { return std::abs(a - b) < 1e-9; }),
              radii.end());
  return radii;
}

// The known radius nearest to where a point lies at scale k from centre (cx, cy); none farther
// than limit pixels.
std::optional<double> Nearest(const std::vector<double>& radii, const EdgeAt& e, double cx, double cy, double k,
                              double limit) {
  const double r = std::hypot(e.x - cx, e.y - cy);
  std::optional<double> best;
  for (const double rho : radii) {
    if (std::abs(r - k * rho) <= limit && (!best || std::abs(r - k * rho) < std::abs(r - k * *best))) best = rho;
  }
  return best;
}

// A centre and a scale (pixels per millimetre).
struct Circle {
  double cx = 0.0, cy = 0.0, k = 0.0;
};

// Gauss-Newton on the residuals |p - c| - k rho of the matched edges (all but those on the zone
// edge left out), each zone edge weighing alike however many points lie on it; none when the
// edges left do not fix centre and scale.
std::optional<Circle> FitScale(const std::vector<EdgeAt>& matched, Circle fit, std::optional<double> leftOut) {
  std::vector<double> weight(matched.size());
  std::size_t used = 0;
  for (std::size_t i = 0; i < matched.size(); ++i) {
    if (leftOut && matched[i].rhoMm == *leftOut) continue;
    const auto same =
        std::count_if(matched.begin(), matched.end(), [&](const EdgeAt& e) { return e.rhoMm == matched[i].rhoMm; });
    weight[i] = 1.0 / static_cast<double>(same);
    ++used;
  }
  if (used < 3) return std::nullopt;
  for (int step = 0; step < 20; ++step) {
    // The gradient of a residual in (cx, cy, k): (-(p - c) / |p - c|, -rho).
    double jtj[3][3] = {}, jte[3] = {};
    for (std::size_t m = 0; m < matched.size(); ++m) {
      const EdgeAt& e = matched[m];
      const double dx = e.x - fit.cx, dy = e.y - fit.cy, d = std::hypot(dx, dy);
      if (!(d > 0.0) || weight[m] == 0.0) continue;
      const double g[3] = {-dx / d, -dy / d, -e.rhoMm};
      for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j) jtj[i][j] += weight[m] * g[i] * g[j];
        jte[i] -= weight[m] * g[i] * (d - fit.k * e.rhoMm);
      }
    }
    // Cramer's rule for the step.
    const double d = Determinant(jtj);
    if (!(std::abs(d) > 1e-12)) return std::nullopt;
    double delta[3];
    for (int c = 0; c < 3; ++c) {
      double m[3][3];
      for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j) m[i][j] = j == c ? jte[i] : jtj[i][j];
      }
      delta[c] = Determinant(m) / d;
    }
    fit = {fit.cx + delta[0], fit.cy + delta[1], fit.k + delta[2]};
    if (std::abs(delta[0]) + std::abs(delta[1]) + std::abs(delta[2]) * 100.0 < 1e-9) break;
  }
  return fit;
}

}  // namespace

std::optional<DiscScale> FitOpeningsScale(const GreyFrame& brightest, const PhotoDisc& disc, const MirrorTest& test) {
  if (test.InnerOuterEntry != 1 || !(disc.radius > 0.0) || brightest.width < 3 || brightest.height < 3) {
    return std::nullopt;
  }
  const std::vector<double> radii = ZoneEdges(test);
  if (radii.size() < 3) return std::nullopt;
  // The background beyond the disc and the lit level of the openings.
  std::vector<std::uint16_t> outside, inside;
  for (int y = 0; y < brightest.height; y += 2) {
    for (int x = 0; x < brightest.width; x += 2) {
      const double r = std::hypot(x + 0.5 - disc.x, y + 0.5 - disc.y);
      (r > 1.15 * disc.radius ? outside : inside).push_back(brightest.at(x, y));
    }
  }
  if (inside.empty()) return std::nullopt;
  const auto quantile = [](std::vector<std::uint16_t>& v, double q) {
    const auto at = v.begin() + static_cast<std::ptrdiff_t>(q * static_cast<double>(v.size() - 1));
    std::nth_element(v.begin(), at, v.end());
    return static_cast<double>(*at);
  };
  const double background = outside.empty() ? 0.0 : quantile(outside, 0.5);
  const double lit = quantile(inside, 0.99);
  if (!(lit - background >= 4.0)) return std::nullopt;
  std::vector<EdgeAt> edges = OpeningEdges(brightest, disc, background, lit);

  // The vote for centre and scale. About each centre of a grid around the disc's, the edges'
  // distances d and the zones' radii rho match at scale k where log d = log k + log rho: a
  // histogram of log d, read at log k + log rho for every rho, scores each k at once. The
  // centre and scale that match the most of the zones' edges win, each edge's count taken by
  // its square root so that many points on one or two circles do not outvote the others.
  const double semiDiameter = test.diameterMm() / 2.0, k0 = disc.radius / radii.back();
  constexpr double kBin = 0.002;  // of log distance
  const double lowest = std::log(0.8 * k0 * radii.front()) - 0.01, highest = std::log(1.25 * k0 * radii.back()) + 0.01;
  const int bins = static_cast<int>((highest - lowest) / kBin) + 1;
  std::vector<double> histogram(static_cast<std::size_t>(bins));
  const double window = std::max(10.0, 0.06 * disc.radius);
  double k = k0, cx = disc.x, cy = disc.y, most = -1.0;
  // The best scale about the disc's own centre too: the outline's centre is often right where
  // the vote's winner is a chance alignment of edges.
  double kAtDisc = k0, mostAtDisc = -1.0;
  for (double dy = -window; dy <= window; dy += 1.0) {
    for (double dx = -window; dx <= window; dx += 1.0) {
      std::fill(histogram.begin(), histogram.end(), 0.0);
      for (const EdgeAt& e : edges) {
        const double d = std::hypot(e.x - disc.x - dx, e.y - disc.y - dy);
        // Each edge counts within kMatchPixels of its distance.
        const double spread = kMatchPixels / d / kBin;
        const int centre = static_cast<int>((std::log(d) - lowest) / kBin);
        for (int b = centre - static_cast<int>(spread); b <= centre + static_cast<int>(spread); ++b) {
          if (b >= 0 && b < bins) histogram[static_cast<std::size_t>(b)] += 1.0;
        }
      }
      for (double logK = std::log(0.8 * k0); logK <= std::log(1.25 * k0); logK += kBin) {
        double score = 0.0;
        for (const double rho : radii) {
          const int b = static_cast<int>((logK + std::log(rho) - lowest) / kBin);
          if (b >= 0 && b < bins) score += std::sqrt(histogram[static_cast<std::size_t>(b)]);
        }
        if (score > most) most = score, k = std::exp(logK), cx = disc.x + dx, cy = disc.y + dy;
        if (dx == 0.0 && dy == 0.0 && score > mostAtDisc) mostAtDisc = score, kAtDisc = std::exp(logK);
      }
    }
  }
  // Matching and fitting in turn, the match's reach narrowing to three robust standard
  // deviations of the residuals (at least a pixel), from the vote's winner and from the disc's
  // centre: the start whose fit matches the more edges (the closer, when as many) wins.
  struct Refined {
    Circle fit;
    std::vector<EdgeAt> matched;
    double sigma = 0.0;
  };
  const auto refine = [&](Circle fit) -> std::optional<Refined> {
    double sigma = 0.0;
    std::vector<EdgeAt> matched;
    for (int round = 0; round < 8; ++round) {
      matched.clear();
      for (EdgeAt e : edges) {
        const double reach = round == 0 ? kMatchPixels : std::max(1.0, 3.0 * sigma);
        if (const auto rho = Nearest(radii, e, fit.cx, fit.cy, fit.k, reach)) {
          e.rhoMm = *rho;
          matched.push_back(e);
        }
      }
      const auto next = FitScale(matched, fit, std::nullopt);
      if (!next || matched.size() < 12) return std::nullopt;
      fit = *next;
      std::vector<double> spread;
      for (const EdgeAt& e : matched)
        spread.push_back(std::abs(std::hypot(e.x - fit.cx, e.y - fit.cy) - fit.k * e.rhoMm));
      std::nth_element(spread.begin(), spread.begin() + spread.size() / 2, spread.end());
      sigma = 1.4826 * spread[spread.size() / 2];
    }
    return Refined{fit, std::move(matched), sigma};
  };
  std::optional<Refined> best = refine({cx, cy, k});
  if (const std::optional<Refined> atDisc = refine({disc.x, disc.y, kAtDisc})) {
    if (!best || atDisc->matched.size() > best->matched.size() ||
        (atDisc->matched.size() == best->matched.size() && atDisc->sigma < best->sigma)) {
      best = atDisc;
    }
  }
  if (!best) return std::nullopt;
  const Circle fit = best->fit;
  const std::vector<EdgeAt>& matched = best->matched;
  // The scale's standard error by the jackknife over the zone edges matched: the fit again
  // with each edge left out in turn. An edge that the light misplaces (an opening dimmed by
  // the mirror's own shading at its end) then shows in it.
  std::vector<double> scales;
  for (const double rho : radii) {
    if (const auto without = FitScale(matched, fit, rho)) scales.push_back(without->k);
  }
  if (scales.size() < 3 || !std::isfinite(fit.k) || !(fit.k > 0.0)) return std::nullopt;
  double mean = 0.0, squares = 0.0;
  for (const double v : scales) mean += v / static_cast<double>(scales.size());
  for (const double v : scales) squares += (v - mean) * (v - mean);
  const double kError =
      std::sqrt(squares * (static_cast<double>(scales.size()) - 1.0) / static_cast<double>(scales.size()));
  return DiscScale{{fit.cx, fit.cy, fit.k * semiDiameter}, kError * semiDiameter, ScaleSource::Openings};
}

}  // namespace zonalyst
