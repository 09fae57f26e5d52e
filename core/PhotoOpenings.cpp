#include "GreyAt.h"
#include "PhotoReadings.h"
#include "UpperMedian.h"

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
// deviations off dropped), after k is first found by a vote: of the centres within a quarter
// of the radius of the disc's and the scales from 0.8 to 1.25 times the disc's, the pair that
// puts the most points within 1.5 pixels of a known radius. The fit starts both from the
// vote's winner and from the disc's own centre, and keeps the one that matches more points
// within a common reach: a chance alignment of edges may win the vote. A centre found far from
// the disc's seeks the edges again from there. A fit whose edges scatter by more than a pixel
// and 0.4 % of the radius (robust standard deviation) has not found the openings: none.
//
// Along each radius the light begins and ends where the grey crosses half-way between the
// background and the level of the lit run it bounds (linear interpolation between samples a
// quarter pixel apart, sought outwards from a few pixels inside the run), so a dim opening
// keeps its edges where they are. The brightest-of-all frame lights an opening evenly only where
// some frame lit all of it near its edge: one that the knife's shadow crossed in every frame that
// lit it (an outer zone on the side lit only by the series' last frames) shows a ramp of light
// there, which moves its edge by up to half a pixel; such openings, told by their falls'
// asymmetry, are left out of the fit, as are the rays along an opening's sides, dimmed by the
// blur. The radius's uncertainty is the fit's standard error of k times the test's semi-diameter.

namespace {

constexpr double kReachDegrees = 40.0;
constexpr double kSampleStep = 0.25;  // pixels
constexpr double kMatchPixels = 1.5;
constexpr double kEndReach = 10.0;      // pixels inside a lit run's end that tell its level there
constexpr double kSearchShare = 0.25;   // of the radius: how far from the disc's centre the vote looks
constexpr double kAgainShare = 0.02;    // of the radius: a centre moved this far seeks the edges again
constexpr double kLikeScore = 0.8;      // two fits' scores this near match alike
constexpr double kLooseEdges = 0.004;   // of the radius, and a pixel: the most a fit's edges may scatter
constexpr double kLeastShare = 0.5;     // of the edges seen from a fit's centre, those it must match
constexpr double kUnevenFall = 0.2;     // log of the ratio of a fall's halves that shows uneven light
constexpr double kSharpFall = 1.0;      // pixels: a fall too sharp for its halves to tell
constexpr double kDimEdge = 0.9;        // of an opening's median lit level: an edge along its side
constexpr double kLeastEven = 0.5;      // of the edges matched: too few even ones tell a smeared frame
constexpr double kTenthsApart = 2.563;  // sigmas between a Gaussian fall's 10 % and 90 % points
constexpr double kSharpSigma = 0.33;    // pixels: an unblurred edge's fall as a sigma, sampled here

struct EdgeAt {
  double x = 0.0, y = 0.0;  // frame pixels
  int ray = 0;
  double along = 0.0;  // pixels from the disc's centre along the ray
  bool right = false;  // of the centre
  bool litInside = false;
  double litFall = 0.0, darkFall = 0.0;  // pixels from half-way to a tenth from the lit level and from the dark
  double level = 0.0;                    // the lit level next to it
  double rhoMm = 0.0;                    // the zone edge it lies on, once matched
};

// Where the light begins and ends along the radii near the horizontal diameter.
std::vector<EdgeAt> OpeningEdges(const GreyFrame& frame, const PhotoDisc& disc, double background, double lit) {
  std::vector<EdgeAt> edges;
  const double low = background + 0.25 * (lit - background);
  const int samples = static_cast<int>(1.1 * disc.radius / kSampleStep);
  const int perSide = std::max(40, static_cast<int>(disc.radius * kReachDegrees * std::numbers::pi / 180.0 / 4.0));
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
        // Sought outwards from kEndReach inside the run (the run's first or last sample above
        // the low threshold is often still below half-way), or from its brightest sample there
        // when that point is not above half-way (a narrow opening).
        struct Crossing {
          double at = 0.0, litFall = 0.0, darkFall = 0.0, level = 0.0;
        };
        const auto cross = [&](int step) -> std::optional<Crossing> {
          const double level = step < 0 ? levelAt(start, start + near) : levelAt(k - near, k);
          const double half = (level + background) / 2.0;
          const auto [first, last] =
              step < 0 ? std::pair(start, std::min(start + near, k)) : std::pair(std::max(k - near, start), k);
          int from = step < 0 ? last - 1 : first;
          if (profile[from] < half) {
            from =
                static_cast<int>(std::max_element(profile.begin() + first, profile.begin() + last) - profile.begin());
          }
          // Where the grey crosses a level between sample m and the next one along step.
          const auto crossingFrom = [&](int m, int along, double grey) -> std::optional<double> {
            for (; m >= 1 && m + 1 < samples && std::abs(m - from) < near + 40; m += along) {
              const double a0 = profile[m], a1 = profile[m + along];
              if ((a0 >= grey) != (a1 >= grey)) return m + along * (a0 - grey) / (a0 - a1);
            }
            return std::nullopt;
          };
          const auto at = crossingFrom(from, step, half);
          if (!at) return std::nullopt;
          const int before = static_cast<int>(std::floor(*at)), after = before + 1;
          const int litSample = step > 0 ? before : after, darkSample = step > 0 ? after : before;
          // The fall's two halves, each sought from across the half-way crossing.
          const auto lit = crossingFrom(darkSample, -step, background + 0.9 * (level - background));
          const auto dark = crossingFrom(litSample, step, background + 0.1 * (level - background));
          return Crossing{*at * kSampleStep, lit ? std::abs(*at - *lit) * kSampleStep : 0.0,
                          dark ? std::abs(*dark - *at) * kSampleStep : 0.0, level};
        };
        for (const int step : {-1, 1}) {
          if (const auto c = cross(step)) {
            edges.push_back({disc.x + c->at * cx, disc.y + c->at * cy, ray, c->at, side == 0.0, step > 0, c->litFall,
                             c->darkFall, c->level, 0.0});
          }
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

// An opening that no frame lights evenly up to its edge (the knife's shadow crossed it in every
// frame that lit it there) has light that ramps toward the edge or away from it, and the
// half-way crossing moves off the edge by up to half a pixel. A blurred edge of even light falls
// symmetrically about half-way: an opening's edge (one zone edge, one side of the centre, lit on
// the same side) whose falls from half-way to a tenth of the way to the lit level and to the dark
// differ by more than kUnevenFall (medians over the edge) is left out. So are the points of an
// edge dimmer than kDimEdge of its median: rays along the opening's sides, where blur takes light.
std::vector<EdgeAt> EvenEdges(std::vector<EdgeAt> matched) {
  struct Opening {
    double rhoMm;
    bool right, litInside;
    std::vector<double> ratios, falls, levels;
    bool even = false;
    double level = 0.0;
  };
  std::vector<Opening> openings;
  const auto openingOf = [&](const EdgeAt& e) {
    return std::find_if(openings.begin(), openings.end(), [&](const Opening& o) {
      return o.rhoMm == e.rhoMm && o.right == e.right && o.litInside == e.litInside;
    });
  };
  for (const EdgeAt& e : matched) {
    auto at = openingOf(e);
    if (at == openings.end()) at = openings.insert(openings.end(), Opening{e.rhoMm, e.right, e.litInside, {}, {}, {}});
    if (e.litFall > 0.0 && e.darkFall > 0.0) at->ratios.push_back(e.litFall / e.darkFall);
    at->falls.push_back(e.litFall + e.darkFall);
    at->levels.push_back(e.level);
  }
  for (Opening& o : openings) {
    o.even = UpperMedian(o.falls) < kSharpFall ||
             (!o.ratios.empty() && std::abs(std::log(UpperMedian(o.ratios))) <= kUnevenFall);
    o.level = UpperMedian(o.levels);
  }
  std::erase_if(matched, [&](const EdgeAt& e) {
    const Opening& o = *openingOf(e);
    return !o.even || e.level < kDimEdge * o.level;
  });
  return matched;
}

// A fit of centre and scale with the edges it matched and the robust spread of their
// residuals, pixels.
struct Refined {
  Circle fit;
  std::vector<EdgeAt> matched;
  double sigma = 0.0;
  double share = 0.0;  // of the edges seen, those matched
};

// Matching and fitting in turn from a start, the match's reach narrowing to three robust
// standard deviations of the residuals (at least a pixel).
std::optional<Refined> Refine(const std::vector<EdgeAt>& edges, const std::vector<double>& radii, Circle fit) {
  double sigma = 0.0;
  std::vector<EdgeAt> matched;
  std::size_t onCircles = 0;  // edges matched, even or not
  for (int round = 0; round < 8; ++round) {
    matched.clear();
    for (EdgeAt e : edges) {
      const double reach = round == 0 ? kMatchPixels : std::max(1.0, 3.0 * sigma);
      if (const auto rho = Nearest(radii, e, fit.cx, fit.cy, fit.k, reach)) {
        e.rhoMm = *rho;
        matched.push_back(e);
      }
    }
    onCircles = matched.size();
    // Where most edges fall unevenly, the brightest-of-all frame is smeared (frames that shook,
    // not yet aligned): all of them then (60 to 86 % are even on steady degraded series).
    std::vector<EdgeAt> even = EvenEdges(matched);
    if (static_cast<double>(even.size()) >= kLeastEven * static_cast<double>(onCircles)) matched = std::move(even);
    const auto next = FitScale(matched, fit, std::nullopt);
    if (!next || matched.size() < 12) return std::nullopt;
    fit = *next;
    std::vector<double> spread;
    for (const EdgeAt& e : matched)
      spread.push_back(std::abs(std::hypot(e.x - fit.cx, e.y - fit.cy) - fit.k * e.rhoMm));
    sigma = 1.4826 * UpperMedian(std::move(spread));
  }
  const double share = static_cast<double>(onCircles) / static_cast<double>(edges.size());
  return Refined{fit, std::move(matched), sigma, share};
}

// Of two fits, the one that matches the zones' edges clearly better within a common reach:
// three times the tighter fit's spread (a loose fit whose reach has grown to many pixels
// matches many edges by chance), each zone edge's count taken by its square root as in the
// vote (the edges of many openings outweigh many points on a few circles). Of two that match
// alike, the tighter.
const std::optional<Refined>& Better(const std::optional<Refined>& a, const std::optional<Refined>& b) {
  if (!a || !b) return a ? a : b;
  const double reach = std::max(1.0, 3.0 * std::min(a->sigma, b->sigma));
  const auto score = [&](const Refined& r) {
    std::vector<std::pair<double, int>> counts;
    for (const EdgeAt& e : r.matched) {
      if (std::abs(std::hypot(e.x - r.fit.cx, e.y - r.fit.cy) - r.fit.k * e.rhoMm) > reach) continue;
      const auto at = std::find_if(counts.begin(), counts.end(), [&](const auto& c) { return c.first == e.rhoMm; });
      if (at == counts.end()) {
        counts.emplace_back(e.rhoMm, 1);
      } else {
        ++at->second;
      }
    }
    double sum = 0.0;
    for (const auto& c : counts) sum += std::sqrt(c.second);
    return sum;
  };
  const double sa = score(*a), sb = score(*b);
  if (sb < kLikeScore * sa || sa < kLikeScore * sb) return sb > sa ? b : a;
  return b->sigma < a->sigma ? b : a;
}

// The vote for centre and scale, then the fit, from the edges seen from a disc. About each
// centre of a grid around the disc's, the edges' distances d and the zones' radii rho match at
// scale k where log d = log k + log rho: a histogram of log d, read at log k + log rho for
// every rho, scores each k at once. The centre and scale that match the most of the zones'
// edges win, each edge's count taken by its square root so that many points on one or two
// circles do not outvote the others. The grid reaches a quarter of the radius either way (an
// outline of a few openings may put the disc's centre far off), coarse first, then finer
// about each winner down to a pixel. The fit starts both from the vote's
// winner and from the disc's own centre (the outline's centre is often right where the vote's
// winner is a chance alignment of edges), and the better stands.
std::optional<Refined> MatchOpenings(const GreyFrame& brightest, const PhotoDisc& disc,
                                     const std::vector<double>& radii, double background, double lit) {
  const double k0 = disc.radius / radii.back();
  // Edges nearer the centre than any zone's edge can be at the scales tried (the apex of a
  // central opening, its straight sides) only clutter the vote.
  std::vector<EdgeAt> edges = OpeningEdges(brightest, disc, background, lit);
  std::erase_if(edges, [&](const EdgeAt& e) { return e.along < 0.7 * k0 * radii.front(); });
  constexpr double kBin = 0.002;  // of log distance
  const double lowest = std::log(0.8 * k0 * radii.front()) - 0.01, highest = std::log(1.25 * k0 * radii.back()) + 0.01;
  const int bins = static_cast<int>((highest - lowest) / kBin) + 1;
  std::vector<double> histogram(static_cast<std::size_t>(bins));
  struct Vote {
    double score = -1.0, k = 0.0, cx = 0.0, cy = 0.0;
  };
  // The best scale about centre (cx, cy), each edge counting within reach pixels of its distance.
  const auto vote = [&](double cx, double cy, double reach) {
    std::fill(histogram.begin(), histogram.end(), 0.0);
    for (const EdgeAt& e : edges) {
      const double d = std::hypot(e.x - cx, e.y - cy);
      const double spread = reach / d / kBin;
      const int centre = static_cast<int>((std::log(d) - lowest) / kBin);
      for (int b = centre - static_cast<int>(spread); b <= centre + static_cast<int>(spread); ++b) {
        if (b >= 0 && b < bins) histogram[static_cast<std::size_t>(b)] += 1.0;
      }
    }
    Vote best{-1.0, k0, cx, cy};
    for (double logK = std::log(0.8 * k0); logK <= std::log(1.25 * k0); logK += kBin) {
      double score = 0.0;
      for (const double rho : radii) {
        const int b = static_cast<int>((logK + std::log(rho) - lowest) / kBin);
        if (b >= 0 && b < bins) score += std::sqrt(histogram[static_cast<std::size_t>(b)]);
      }
      if (score > best.score) best = {score, std::exp(logK), cx, cy};
    }
    return best;
  };
  // Coarse to fine: a grid 3 % of the radius apart over the whole reach, then a third as far
  // apart about its winner, and so on down to a pixel.
  double step = std::max(1.0, std::round(0.03 * disc.radius)), span = std::max(10.0, kSearchShare * disc.radius);
  Vote fine{-1.0, k0, disc.x, disc.y};
  for (;;) {
    const int reach = static_cast<int>(std::ceil(span / step));
    const double cx = fine.cx, cy = fine.cy;
    Vote level;
    for (int j = -reach; j <= reach; ++j) {
      for (int i = -reach; i <= reach; ++i) {
        const Vote v = vote(cx + i * step, cy + j * step, kMatchPixels + (step - 1.0) / 2.0);
        if (v.score > level.score) level = v;
      }
    }
    fine = level;
    if (step == 1.0) break;
    span = step;
    step = std::max(1.0, std::round(step / 3.0));
  }
  return Better(Refine(edges, radii, {fine.cx, fine.cy, fine.k}),
                Refine(edges, radii, {disc.x, disc.y, vote(disc.x, disc.y, kMatchPixels).k}));
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
  std::optional<Refined> best = MatchOpenings(brightest, disc, radii, background, lit);
  // The edges were sought along radii from the disc's centre: from a centre far off, seek them
  // again from the centre fitted.
  if (best && std::hypot(best->fit.cx - disc.x, best->fit.cy - disc.y) > kAgainShare * disc.radius) {
    const PhotoDisc fitted{best->fit.cx, best->fit.cy, best->fit.k * radii.back()};
    best = Better(best, MatchOpenings(brightest, fitted, radii, background, lit));
  }
  // Edges that scatter by many pixels about the best circles are not the openings' edges.
  if (!best || best->sigma > 1.0 + kLooseEdges * disc.radius) return std::nullopt;
  // Edges seen from the centre fitted lie at the zones' radii, nearly all of them, when the fit
  // is the openings' (91 to 99 % on degraded synthetic series): a fit that matches few of them
  // has put a few edges on the zones' circles by chance (20 %, its centre 130 pixels off).
  if (best->share < kLeastShare) return std::nullopt;
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
  const double semiDiameter = test.diameterMm() / 2.0;
  // The lens's blur from the falls' width, less what the pixels and the sampling give a sharp edge.
  std::vector<double> falls;
  for (const EdgeAt& e : matched) falls.push_back(e.litFall + e.darkFall);
  const double fallSigma = UpperMedian(falls) / kTenthsApart;
  DiscScale scale{{fit.cx, fit.cy, fit.k * semiDiameter}, kError * semiDiameter, ScaleSource::Openings};
  scale.blurPx = std::sqrt(std::max(0.0, fallSigma * fallSigma - kSharpSigma * kSharpSigma));
  return scale;
}

}  // namespace zonalyst
