#include "ContrastCrossing.h"
#include "PhotoWindows.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>

namespace zonalyst {

// The contrast of a frame is c = (L - R) / (L + R), L and R the mean greys of a zone's left
// and right windows. A gain common to the frame cancels in the ratio, so frames taken at
// different exposures are compared as they are. Which side turns bright first depends on the
// side the knife enters from; the null, where c changes sign, does not.
//
// Zones inside 0.35 of the mirror's radius get no reading: their two windows nearly meet and
// the knife darkens both at once.

namespace {

constexpr double kInnermostReadFraction = 0.35;

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
  }
  return "";
}

PhotoReadingsResult ReadPhotoNulls(const MirrorTest& test, const std::vector<GreyFrame>& frames,
                                   const std::vector<double>& positions, const PhotoDisc& disc, bool masked) {
  PhotoReadingsResult result;
  std::vector<std::size_t> order(std::min(frames.size(), positions.size()));
  std::iota(order.begin(), order.end(), 0);
  std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return positions[a] < positions[b]; });
  for (const std::size_t k : order) result.positions.push_back(positions[k]);
  const bool sameSize = !frames.empty() && std::all_of(frames.begin(), frames.end(), [&](const GreyFrame& f) {
    return f.width == frames[0].width && f.height == frames[0].height &&
           f.grey.size() == static_cast<std::size_t>(f.width) * f.height;
  });
  const bool usable = sameSize && frames.size() == positions.size() && disc.radius > 0.0 && test.Diameter > 0.0;
  std::vector<double> weights, difference;
  for (int z = 1; z <= test.zones(); ++z) {
    ZoneNull zone;
    zone.zone = z;
    zone.radiusMm = test.effectiveRadius(z) * test.mmPerUnit();
    zone.status = NullStatus::OutsideDisc;
    if (usable) {
      const ZoneWindows windows = PlaceZoneWindows(test, z, disc, frames, masked);
      zone.left = Covering(windows.left);
      zone.right = Covering(windows.right);
      difference.clear();
      for (const std::size_t k : order) {
        if (!windows.insideFrame) break;
        const double l = WindowMean(frames[k], windows.left, weights);
        const double r = WindowMean(frames[k], windows.right, weights);
        zone.contrast.push_back(l + r > 0.0 ? (l - r) / (l + r) : std::numeric_limits<double>::quiet_NaN());
        difference.push_back(l - r);
      }
      if (zone.radiusMm < kInnermostReadFraction * test.diameterMm() / 2.0) {
        zone.status = NullStatus::NearCentre;
      } else if (windows.insideDisc) {
        const CurveNull null = FindCurveNull(result.positions, zone.contrast, difference);
        zone.status = null.status;
        if (null.status == NullStatus::Read) {
          zone.reading = null.position;
          zone.uncertainty = null.uncertainty;
        }
      }
    }
    result.zones.push_back(std::move(zone));
  }
  return result;
}

}  // namespace zonalyst
