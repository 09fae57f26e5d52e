#include "ContrastCrossing.h"
#include "ZoneMeter.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace zonalyst {

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
    if (metered.status == NullStatus::Read) {
      const CurveNull null = FindCurveNull(result.positions, zone.contrast, difference);
      zone.status = null.status;
      if (null.status == NullStatus::Read) {
        zone.reading = null.position;
        zone.uncertainty = null.uncertainty;
      }
    }
    result.zones.push_back(std::move(zone));
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
