#include "ContrastCrossing.h"
#include "ReadingsValidation.h"
#include "ZoneMeter.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <optional>

namespace zonalyst {
namespace {

// A zone whose darker window, at its brightest over the series, stays below this share of the
// way from the background to the brightest any window reaches lies where no frame is lit.
constexpr double kDarkShare = 0.1;

// The median grey of a frame beyond 1.1 radii of the disc; 0 when the disc fills the frame.
double Background(const GreyFrame& frame, const PhotoDisc& disc) {
  std::vector<double> outside;
  for (int y = 0; y < frame.height; y += 2) {
    for (int x = 0; x < frame.width; x += 2) {
      if (std::hypot(x + 0.5 - disc.x, y + 0.5 - disc.y) > 1.1 * disc.radius) outside.push_back(frame.at(x, y));
    }
  }
  if (outside.empty()) return 0.0;
  std::nth_element(outside.begin(), outside.begin() + outside.size() / 2, outside.end());
  return outside[outside.size() / 2];
}

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
    case NullStatus::OnBackground:
      return "on background";
    case NullStatus::OneDirectionOnly:
      return "one direction only";
    case NullStatus::TurnaroundInCrossing:
      return "turnaround in the crossing";
  }
  return "";
}

PhotoReadingsResult ReadPhotoNulls(const MirrorTest& test, const std::vector<GreyFrame>& frames,
                                   const std::vector<double>& positions, const PhotoDisc& disc, bool masked) {
  PhotoReadingsResult result;
  result.positionsProblem = CheckKnifePositions(positions);
  if (result.positionsProblem) return result;
  std::vector<std::size_t> order(std::min(frames.size(), positions.size()));
  std::iota(order.begin(), order.end(), 0);
  std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return positions[a] < positions[b]; });
  for (const std::size_t k : order) result.positions.push_back(positions[k]);
  const bool sameSize = !frames.empty() && std::all_of(frames.begin(), frames.end(), [&](const GreyFrame& f) {
    return f.width == frames[0].width && f.height == frames[0].height &&
           f.grey.size() == static_cast<std::size_t>(f.width) * f.height;
  });
  static const std::vector<GreyFrame> kNone;
  const ZoneMeter meter(test, disc, sameSize && frames.size() == positions.size() ? frames : kNone, masked);
  std::vector<std::vector<ZoneBalance>> balances;  // per frame, in position order
  for (const std::size_t k : order) balances.push_back(meter.measure(frames[k]));
  // Each window at its brightest over the series, and the brightest of them all: at a true null
  // both windows are lit, so a crossing (or several) where one of them is never lit lies on the
  // background.
  std::vector<double> leftLit(meter.zones().size(), 0.0), rightLit(meter.zones().size(), 0.0);
  double lit = 0.0;
  for (const std::vector<ZoneBalance>& frame : balances) {
    for (std::size_t z = 0; z < frame.size(); ++z) {
      leftLit[z] = std::max(leftLit[z], (frame[z].light + frame[z].difference) / 2.0);
      rightLit[z] = std::max(rightLit[z], (frame[z].light - frame[z].difference) / 2.0);
      lit = std::max({lit, leftLit[z], rightLit[z]});
    }
  }
  const double background = balances.empty() ? 0.0 : Background(frames[order.front()], disc);
  const double darkBelow = background + kDarkShare * (lit - background);
  std::vector<double> difference;
  for (std::size_t z = 0; z < meter.zones().size(); ++z) {
    const MeteredZone& metered = meter.zones()[z];
    ZoneNull zone;
    zone.zone = metered.zone;
    zone.radiusMm = metered.radiusMm;
    zone.left = Covering(metered.windows.left);
    zone.right = Covering(metered.windows.right);
    zone.status = metered.status;
    difference.clear();
    for (const std::vector<ZoneBalance>& frame : balances) {
      if (!metered.windows.insideFrame) break;
      zone.contrast.push_back(frame[z].contrast);
      difference.push_back(frame[z].difference);
    }
    if (zone.status == NullStatus::Read) {
      const CurveNull null = FindCurveNull(result.positions, zone.contrast, difference);
      // A reading is a finite knife position or none: positions within the knife's reach give one.
      zone.status =
          null.status == NullStatus::Read && !std::isfinite(null.position) ? NullStatus::NoCrossing : null.status;
      if (zone.status != NullStatus::NoCrossing && std::min(leftLit[z], rightLit[z]) < darkBelow) {
        zone.status = NullStatus::OnBackground;
      }
      if (zone.status == NullStatus::Read) {
        zone.reading = null.position;
        zone.uncertainty = null.uncertainty;
      }
    }
    result.zones.push_back(std::move(zone));
  }
  return result;
}

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

ZoneReadings ReadingsOf(const PhotoReadingsResult& result) {
  ZoneReadings readings;
  for (const ZoneNull& zone : result.zones) {
    readings.resize(std::max(readings.size(), static_cast<std::size_t>(zone.zone)));
    readings[static_cast<std::size_t>(zone.zone - 1)] = zone.reading;
  }
  return readings;
}

}  // namespace zonalyst
