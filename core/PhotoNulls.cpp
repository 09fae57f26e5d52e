#include "ContrastCrossing.h"
#include "NullBends.h"
#include "ReadingsValidation.h"
#include "UpperMedian.h"
#include "ZoneMeter.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>
#include <optional>
#include <string>
#include <utility>

namespace zonalyst {

// A zone is read unless the meter leaves it out (its two windows would touch, near the centre,
// or a window falls outside the disc or the frame), or its crossing (or crossings) has a window
// where no frame is lit: its brightest mean over the series below a tenth of the way from the
// background (the first frame's median beyond 1.1 radii) to the brightest any window reaches.
// Such a disc does not fit the photos.
//
// A light that falls off from one side to the other makes one window of every zone darker at
// every knife position and moves every null. Its size is fitted to the zones' windows in the
// frames where each zone is in its transition (LightGradient), with its standard error. From
// kSeenGradient on, and beyond twice its error, it is reported and taken out of the readings
// (each window's greys above the background divided by the light there), and how far the nulls
// move when it moves by its error (at least kGradientFloor) enters the uncertainty. One from
// kSeenGradient on but fitted more loosely is left in the readings, and how far it would move
// each null enters the uncertainty. Behind a mask it is not sought.
//
// The knife edge stands vertical when the light moves from side to side: the zones' left and
// right windows then swing far more across the series than windows as far above and below
// the centre. When the windows above and below swing more than twice as far (the median over
// the zones), the photos were taken with the edge horizontal, or turned, and no zone is read.
//
// The disc's scale enters the uncertainty as the zone is read again on discs whose radius is
// larger and smaller by the radius's uncertainty, and whose centre lies as far to the left and
// right (a side that looks dimmer moves a centre as a rim moves a radius): the nulls' mean
// moves, added in quadrature.

namespace {

constexpr double kDarkShare = 0.1;
constexpr double kTurnedSwing = 2.0;
constexpr double kGradientReach = 0.8;
constexpr double kGradientScanStep = 0.02;
constexpr double kTransitionContrast = 0.72;
constexpr double kGradientFloor = 0.02;
// A gradient this many times its standard error is taken out: at three, gradients of 0.29 fitted
// to 0.1 on frames 0.2 mm apart were left in and moved every null by 0.035 mm.
constexpr double kGradientSureness = 2.0;

// A zone's two windows' mean greys over the frames, in position order.
struct Sides {
  std::vector<double> left, right;
};

// Every zone's sides as the meter sees them in the frames, in the given order; empty for a
// zone whose windows fall outside the frame.
std::vector<Sides> MeasureSides(const ZoneMeter& meter, const std::vector<GreyFrame>& frames,
                                const std::vector<std::size_t>& order) {
  std::vector<Sides> sides(meter.zones().size());
  if (frames.empty()) return sides;
  for (const std::size_t k : order) {
    const std::vector<ZoneBalance> balances = meter.measure(frames[k]);
    for (std::size_t z = 0; z < sides.size(); ++z) {
      if (!meter.zones()[z].windows.insideFrame) continue;
      sides[z].left.push_back((balances[z].light + balances[z].difference) / 2.0);
      sides[z].right.push_back((balances[z].light - balances[z].difference) / 2.0);
    }
  }
  return sides;
}

// The contrast curve with each side's light above the background divided by the light there
// (the background, the camera's own, is not the mirror's light and falls off with it nowhere).
ContrastCurve CurveOf(const Sides& s, const std::vector<double>& positions, double leftLight = 1.0,
                      double rightLight = 1.0, double background = 0.0) {
  ContrastCurve curve;
  curve.positions = positions;
  for (std::size_t k = 0; k < s.left.size(); ++k) {
    const double l = (s.left[k] - background) / leftLight, r = (s.right[k] - background) / rightLight;
    curve.contrast.push_back(l + r > 0.0 ? (l - r) / (l + r) : std::numeric_limits<double>::quiet_NaN());
    curve.difference.push_back(l - r);
  }
  return curve;
}

// How far a curve's contrast swings across the series.
double Swing(const ContrastCurve& curve) {
  double low = 0.0, high = 0.0;
  for (const double c : curve.contrast) {
    if (std::isfinite(c)) low = std::min(low, c), high = std::max(high, c);
  }
  return high - low;
}

// How far a zone's left and right windows lie from the centre across, each over 2R.
std::pair<double, double> AcrossShares(const MeteredZone& zone, double semiDiameter) {
  return {std::abs(zone.gathered[0].x) / (2.0 * semiDiameter), std::abs(zone.gathered[1].x) / (2.0 * semiDiameter)};
}

// The light's fall from the left edge to the right, of its level at the centre:
// light(x) = a (1 - g x / 2R). At every knife position the knife passes a share F of a zone's
// left window's light and 1 - F of its right's (the two see the source's image on either side
// of the edge), so L / (1 + g u) + R / (1 - g v), L and R above the background, is the frame's
// exposure times the zone's own light, whatever F, the exposure and the mirror's
// shading: a product of a frame's and a zone's factor. The g that makes the logarithms of those
// sums over the frames and the zones most nearly a frame's plus a zone's term (a two-way additive
// fit, least squares) is the gradient: scanned, then refined by golden section. u and v are the
// windows' distances from the centre across, over 2R, not the zone's radius: tall windows lie
// nearer the centre (zone 1 of a 252 mm mirror 15 mm across for its radius of 18.7 mm, which
// had read 0.0045 mm low under a 25 % gradient).
struct GradientFit {
  double value = 0.0, error = 0.0;
};
GradientFit LightGradient(const ZoneMeter& meter, const std::vector<Sides>& sides, double semiDiameter,
                          double background) {
  std::vector<std::size_t> used;
  for (std::size_t z = 0; z < sides.size(); ++z) {
    if (meter.zones()[z].status == NullStatus::Read && sides[z].left.size() >= 3) used.push_back(z);
  }
  if (used.size() < 2) return {};
  const std::size_t frames = sides[used.front()].left.size();
  // Only frames where the zone is in its transition: both sides lit, neither saturated.
  struct Entry {
    std::size_t frame, zone;
    double left, right, u, v;
  };
  std::vector<Entry> entries;
  for (std::size_t i = 0; i < used.size(); ++i) {
    const Sides& s = sides[used[i]];
    const auto [u, v] = AcrossShares(meter.zones()[used[i]], semiDiameter);
    for (std::size_t k = 0; k < frames; ++k) {
      const double left = s.left[k] - background, right = s.right[k] - background;
      if (left > 0.0 && right > 0.0 && std::abs(left - right) < kTransitionContrast * (left + right)) {
        entries.push_back({k, i, left, right, u, v});
      }
    }
  }
  if (entries.size() < 3 * used.size()) return {};
  const auto misfit = [&](double g) {
    std::vector<double> m;
    for (const Entry& e : entries) m.push_back(std::log(e.left / (1.0 + g * e.u) + e.right / (1.0 - g * e.v)));
    std::vector<double> zoneTerm(used.size(), 0.0), frameTerm(frames, 0.0);
    for (int round = 0; round < 30; ++round) {
      std::vector<double> sum(frames, 0.0), count(frames, 0.0);
      for (std::size_t n = 0; n < entries.size(); ++n) {
        sum[entries[n].frame] += m[n] - zoneTerm[entries[n].zone];
        count[entries[n].frame] += 1.0;
      }
      for (std::size_t k = 0; k < frames; ++k) frameTerm[k] = count[k] > 0.0 ? sum[k] / count[k] : 0.0;
      std::vector<double> zs(used.size(), 0.0), zc(used.size(), 0.0);
      for (std::size_t n = 0; n < entries.size(); ++n) {
        zs[entries[n].zone] += m[n] - frameTerm[entries[n].frame];
        zc[entries[n].zone] += 1.0;
      }
      for (std::size_t i = 0; i < used.size(); ++i) zoneTerm[i] = zc[i] > 0.0 ? zs[i] / zc[i] : 0.0;
    }
    double total = 0.0;
    for (std::size_t n = 0; n < entries.size(); ++n) {
      const double r = m[n] - zoneTerm[entries[n].zone] - frameTerm[entries[n].frame];
      total += r * r;
    }
    return total;
  };
  double best = 0.0, bestMisfit = misfit(0.0);
  for (double g = -kGradientReach; g <= kGradientReach + 1e-9; g += kGradientScanStep) {
    const double value = misfit(g);
    if (value < bestMisfit) best = g, bestMisfit = value;
  }
  double a = best - kGradientScanStep, b = best + kGradientScanStep;
  const double phi = (std::sqrt(5.0) - 1.0) / 2.0;
  for (int i = 0; i < 30; ++i) {
    const double c = b - phi * (b - a), d = a + phi * (b - a);
    if (misfit(c) < misfit(d)) {
      b = d;
    } else {
      a = c;
    }
  }
  // Its standard error from the misfit's curvature: var = 2 s^2 / misfit'', s^2 the misfit per
  // degree of freedom.
  const double g = (a + b) / 2.0, h = 0.01;
  const double at = misfit(g), curvature = (misfit(g + h) - 2.0 * at + misfit(g - h)) / (h * h);
  std::vector<bool> seen(frames, false);
  for (const Entry& e : entries) seen[e.frame] = true;
  // The additive fit's frame and zone terms (one fewer, a common level being shared) and g.
  const double freedom = static_cast<double>(entries.size()) -
                         static_cast<double>(std::count(seen.begin(), seen.end(), true) + used.size());
  if (!(curvature > 0.0) || freedom < 1.0) return {g, kGradientReach};
  return {g, std::sqrt(2.0 * at / freedom / curvature)};
}

// The median grey of the first frame beyond 1.1 radii of the disc; 0 when the disc fills it.
double Background(const GreyFrame& frame, const PhotoDisc& disc) {
  std::vector<double> outside;
  for (int y = 0; y < frame.height; y += 2) {
    for (int x = 0; x < frame.width; x += 2) {
      if (std::hypot(x + 0.5 - disc.x, y + 0.5 - disc.y) > 1.1 * disc.radius) outside.push_back(frame.at(x, y));
    }
  }
  return UpperMedian(std::move(outside));
}

// The windows turned by 90 degrees about the disc's centre.
WindowRect Turned(const WindowRect& w, const PhotoDisc& disc) {
  return {disc.x - (w.y1 - disc.y), disc.y + (w.x0 - disc.x), disc.x - (w.y0 - disc.y), disc.y + (w.x1 - disc.x)};
}

// Whether the light moves up and down rather than from side to side: windows as far above and
// below the centre as each zone's swing more than kTurnedSwing times as far as its own.
bool LightMovesUpAndDown(const std::vector<GreyFrame>& frames, const PhotoDisc& disc, const ZoneMeter& meter,
                         const std::vector<Sides>& sides, const std::vector<double>& positions,
                         const std::vector<std::size_t>& order) {
  std::vector<double> across, upDown, weights;
  for (std::size_t z = 0; z < sides.size(); ++z) {
    const ZoneWindows& windows = meter.zones()[z].windows;
    if (!windows.insideDisc) continue;
    const WindowRect up = Turned(windows.left, disc), down = Turned(windows.right, disc);
    const auto inFrame = [&](const WindowRect& w) {
      return w.x0 >= 0.0 && w.y0 >= 0.0 && w.x1 <= frames.front().width && w.y1 <= frames.front().height;
    };
    if (!inFrame(up) || !inFrame(down)) continue;
    Sides turned;
    for (const std::size_t k : order) {
      turned.left.push_back(WindowMean(frames[k], up, weights));
      turned.right.push_back(WindowMean(frames[k], down, weights));
    }
    across.push_back(Swing(CurveOf(sides[z], positions)));
    upDown.push_back(Swing(CurveOf(turned, positions)));
  }
  return !upDown.empty() && UpperMedian(upDown) > kTurnedSwing * UpperMedian(across);
}

}  // namespace

bool PhotoReadingsResult::gradientSeen() const {
  return std::abs(lightGradient) >= kSeenGradient && std::abs(lightGradient) > kGradientSureness * lightGradientError;
}

double UncertaintyParts::total() const {
  return std::sqrt(scatter * scatter + spacing * spacing + scale * scale + gradient * gradient + bend * bend);
}

std::string StatusText(NullStatus status) {
  switch (status) {
    case NullStatus::Read:
      return "read";
    case NullStatus::NoCrossing:
      return "no crossing";
    case NullStatus::ManyCrossings:
      return "many crossings";
    case NullStatus::NearCentre:
      return "near centre";
    case NullStatus::OutsideDisc:
      return "outside disc";
    case NullStatus::WeakContrast:
      return "weak contrast";
    case NullStatus::OnBackground:
      return "on background";
    case NullStatus::KnifeNotVertical:
      return "knife not vertical";
    case NullStatus::OneDirectionOnly:
      return "one direction only";
    case NullStatus::TurnaroundInCrossing:
      return "turnaround in the crossing";
  }
  return "";
}

std::string ScaleSourceText(ScaleSource source) {
  switch (source) {
    case ScaleSource::FoundEdge:
      return "found edge";
    case ScaleSource::Openings:
      return "openings";
    case ScaleSource::Given:
      return "given";
  }
  return "";
}

DiscScale EdgeStandsFor(const DiscScale& scale, double edgeDiameterMm, const MirrorTest& test) {
  const double factor = test.diameterMm() / edgeDiameterMm;
  DiscScale standing = scale;
  standing.disc.radius *= factor;
  standing.radiusUncertainty *= factor;
  return standing;
}

namespace {

// The slope of values against the radius squared (a conic's readings run straight there), least
// squares, with its standard error from the values' own uncertainties.
struct Slope {
  double value = 0.0, error = 0.0;
};
std::optional<Slope> SlopeOverRadiusSquared(const std::vector<double>& r2, const std::vector<double>& y,
                                            const std::vector<double>& u) {
  const auto n = static_cast<double>(r2.size());
  if (r2.size() < 3) return std::nullopt;
  double mean = 0.0, meanY = 0.0;
  for (std::size_t k = 0; k < r2.size(); ++k) mean += r2[k] / n, meanY += y[k] / n;
  double sxx = 0.0, sxy = 0.0, variance = 0.0;
  for (std::size_t k = 0; k < r2.size(); ++k) {
    sxx += (r2[k] - mean) * (r2[k] - mean);
    sxy += (r2[k] - mean) * (y[k] - meanY);
    variance += (r2[k] - mean) * (r2[k] - mean) * u[k] * u[k];
  }
  if (!(sxx > 0.0)) return std::nullopt;
  return Slope{sxy / sxx, std::sqrt(variance) / sxx};
}

}  // namespace

bool ReadingsRunAgainstTheTest(const MirrorTest& test, const PhotoReadingsResult& result) {
  if (test.MovingSource == 0) return false;
  std::vector<double> r2, photos, uncertainty, own;
  for (const ZoneNull& zone : result.zones) {
    if (!zone.reading || zone.zone < 1 || zone.zone > test.zones()) continue;
    r2.push_back(zone.radiusMm * zone.radiusMm);
    photos.push_back(*zone.reading * test.mmPerUnit());
    uncertainty.push_back(zone.uncertainty * test.mmPerUnit());
    own.push_back(test.KeAverage[zone.zone] * test.mmPerUnit());
  }
  const std::optional<Slope> seen = SlopeOverRadiusSquared(r2, photos, uncertainty);
  if (!seen) return false;
  // With a moving source a conic's readings run as -K r^2 / 2R: a paraboloid's rise outwards.
  if (!(test.rocMm() > 0.0)) return false;
  double wanted = -test.DesiredConic / (2.0 * test.rocMm());
  if (AnyReading(test)) wanted = SlopeOverRadiusSquared(r2, own, std::vector<double>(own.size(), 0.0))->value;
  return seen->value * wanted < 0.0 && std::abs(seen->value) > 2.0 * seen->error &&
         std::abs(seen->value) > 0.25 * std::abs(wanted);
}

PhotoReadingsResult ReadPhotoNulls(const MirrorTest& test, const std::vector<GreyFrame>& frames,
                                   const std::vector<double>& positions, const DiscScale& scale, bool masked) {
  PhotoReadingsResult result;
  result.positionsProblem = CheckKnifePositions(positions);
  if (result.positionsProblem) return result;
  std::vector<std::size_t> order(std::min(frames.size(), positions.size()));
  std::iota(order.begin(), order.end(), 0);
  std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return positions[a] < positions[b]; });
  for (const std::size_t k : order) result.positions.push_back(positions[k]);
  const PhotoDisc& disc = scale.disc;
  const bool sameSize = !frames.empty() && std::all_of(frames.begin(), frames.end(), [&](const GreyFrame& f) {
    return f.width == frames[0].width && f.height == frames[0].height &&
           f.grey.size() == static_cast<std::size_t>(f.width) * f.height;
  });
  const bool usable = sameSize && frames.size() == positions.size();
  static const std::vector<GreyFrame> kNone;
  const std::vector<GreyFrame>& series = usable ? frames : kNone;
  const ZoneMeter meter(test, disc, series, masked, scale.blurPx);
  const std::vector<Sides> sides = MeasureSides(meter, series, order);

  double lit = 0.0;
  for (const Sides& s : sides) {
    for (const auto* side : {&s.left, &s.right}) {
      if (!side->empty()) lit = std::max(lit, *std::max_element(side->begin(), side->end()));
    }
  }
  const double background = usable && disc.radius > 0.0 ? Background(frames[order.front()], disc) : 0.0;
  const double semiDiameter = test.diameterMm() / 2.0;
  const GradientFit gradient =
      usable && !masked ? LightGradient(meter, sides, semiDiameter, background) : GradientFit{};
  result.lightGradient = gradient.value;
  result.lightGradientError = gradient.error;
  const bool gradientSeen = result.gradientSeen();
  result.knifeVertical = !usable || masked || !LightMovesUpAndDown(frames, disc, meter, sides, result.positions, order);

  // The nulls of every zone on a disc moved by (dx, dr), for the scale's part of the uncertainty.
  const auto nullsOn = [&](double dx, double dr) {
    const ZoneMeter moved(test, {disc.x + dx, disc.y, disc.radius + dr}, series, masked, scale.blurPx);
    std::vector<CurveNull> nulls;
    for (const Sides& s : MeasureSides(moved, series, order))
      nulls.push_back(FindCurveNull(CurveOf(s, result.positions)));
    return nulls;
  };
  std::vector<std::vector<CurveNull>> scaled;
  if (usable && scale.radiusUncertainty > 0.0) {
    const double u = scale.radiusUncertainty;
    for (const auto& [dx, dr] : {std::pair{0.0, -u}, {0.0, u}, {-u, 0.0}, {u, 0.0}}) scaled.push_back(nullsOn(dx, dr));
  }

  for (std::size_t z = 0; z < meter.zones().size(); ++z) {
    const MeteredZone& metered = meter.zones()[z];
    ZoneNull zone;
    zone.zone = metered.zone;
    zone.radiusMm = metered.radiusMm;
    zone.left = Covering(metered.windows.left);
    zone.right = Covering(metered.windows.right);
    zone.status = metered.status;
    const Sides& s = sides[z];
    const ContrastCurve curve = CurveOf(s, result.positions);
    zone.contrast = curve.contrast;
    if (zone.status == NullStatus::Read && !result.knifeVertical) zone.status = NullStatus::KnifeNotVertical;
    if (zone.status != NullStatus::Read) {
      result.zones.push_back(std::move(zone));
      continue;
    }
    const CurveNull null = FindCurveNull(curve);
    // A reading is a finite knife position or none: positions within the knife's reach give one.
    zone.status =
        null.status == NullStatus::Read && !std::isfinite(null.position) ? NullStatus::NoCrossing : null.status;
    // At a true null both windows are as bright: a crossing where one of them is never lit lies
    // on the background.
    const double darker =
        std::min(*std::max_element(s.left.begin(), s.left.end()), *std::max_element(s.right.begin(), s.right.end()));
    if (zone.status != NullStatus::NoCrossing && darker < background + kDarkShare * (lit - background)) {
      zone.status = NullStatus::OnBackground;
    }
    if (zone.status == NullStatus::Read) {
      zone.reading = null.position;
      zone.parts.scatter = null.scatter;
      zone.parts.spacing = null.spacing;
      const auto moved = [&](const CurveNull& other) {
        return other.status == NullStatus::Read ? std::optional(std::abs(other.position - null.position))
                                                : std::nullopt;
      };
      // The null on discs as much larger and smaller, and as far left and right, as the radius
      // is uncertain: the mean move of each pair, added in quadrature.
      const auto pairMove = [&](std::size_t first) {
        double sum = 0.0;
        int count = 0;
        for (std::size_t k = first; k < first + 2 && k < scaled.size(); ++k) {
          if (const auto move = moved(scaled[k][z])) sum += *move, ++count;
        }
        return count > 0 ? sum / count : 0.0;
      };
      zone.parts.scale = std::hypot(pairMove(0), pairMove(2));
      // The light 1 - g x / 2R at the windows: each side's greys divided by it.
      const auto [u, v] = AcrossShares(metered, semiDiameter);
      const auto evenedBy = [&](double g) {
        return FindCurveNull(CurveOf(s, result.positions, 1.0 + g * u, 1.0 - g * v, background));
      };
      if (!gradientSeen && std::abs(gradient.value) >= kSeenGradient) {
        // A gradient fitted too loosely to be taken out may still be there: the null it would move.
        const CurveNull evened = evenedBy(gradient.value);
        zone.parts.gradient = evened.status == NullStatus::Read ? std::abs(evened.position - null.position)
                                                                : null.spacing / kSpacingShare;
      }
      if (gradientSeen) {
        const CurveNull evened = evenedBy(gradient.value);
        if (evened.status == NullStatus::Read) {
          zone.reading = evened.position;
          const double spread = std::max(gradient.error, kGradientFloor);
          double move = 0.0;
          for (const double g : {gradient.value - spread, gradient.value + spread}) {
            const CurveNull other = evenedBy(g);
            move += other.status == NullStatus::Read ? std::abs(other.position - evened.position) / 2.0
                                                     : null.spacing / kSpacingShare / 2.0;
          }
          zone.parts.gradient = move;
        } else {
          // A curve the evening leaves without a null is as uncertain as the frames' spacing.
          zone.parts.gradient = null.spacing / kSpacingShare;
        }
      }
      zone.uncertainty = zone.parts.total();
    }
    result.zones.push_back(std::move(zone));
  }
  if (!(disc.radius > 0.0)) return result;
  // Freed of the windows' average across a bend of the nulls; as much enters the uncertainty.
  std::vector<std::optional<double>> readings;
  for (const ZoneNull& zone : result.zones) readings.push_back(zone.reading);
  const std::vector<double> moves = BendMoves(readings, meter.zones(), semiDiameter);
  for (std::size_t z = 0; z < result.zones.size(); ++z) {
    ZoneNull& zone = result.zones[z];
    if (!zone.reading) continue;
    zone.reading = *zone.reading + moves[z];
    zone.parts.bend = std::abs(moves[z]);
    zone.uncertainty = zone.parts.total();
  }
  return result;
}

ZoneReadings ReadingsOf(const PhotoReadingsResult& result) {
  ZoneReadings readings;
  for (const ZoneNull& zone : result.zones) {
    readings.resize(std::max(readings.size(), static_cast<std::size_t>(zone.zone)));
    readings[static_cast<std::size_t>(zone.zone - 1)] = zone.reading;
  }
  return readings;
}

}  // namespace zonalyst
