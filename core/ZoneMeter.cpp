#include "ZoneMeter.h"

#include <algorithm>
#include <cmath>

namespace zonalyst {

namespace {

GatheredArea Gathered(const WindowRect& window, const PhotoDisc& disc, double mmPerPixel, double blurPx) {
  return {.x = ((window.x0 + window.x1) / 2.0 - disc.x) * mmPerPixel,
          .halfWidth = (window.x1 - window.x0) / 2.0 * mmPerPixel,
          .y = ((window.y0 + window.y1) / 2.0 - disc.y) * mmPerPixel,
          .halfHeight = (window.y1 - window.y0) / 2.0 * mmPerPixel,
          .blurMm = blurPx * mmPerPixel};
}

}  // namespace

ZoneMeter::ZoneMeter(const MirrorTest& test, const PhotoDisc& disc, const std::vector<GreyFrame>& frames, bool masked,
                     double blurPx) {
  const bool usable = !frames.empty() && disc.radius > 0.0 && test.Diameter > 0.0;
  if (usable) {
    width_ = frames.front().width;
    height_ = frames.front().height;
  }
  for (int z = 1; z <= test.zones(); ++z) {
    MeteredZone zone;
    zone.zone = z;
    zone.radiusMm = test.effectiveRadius(z) * test.mmPerUnit();
    if (usable) {
      zone.windows = PlaceZoneWindows(test, z, disc, frames, masked, blurPx);
      const double mmPerPixel = test.diameterMm() / 2.0 / disc.radius;
      zone.gathered = {Gathered(zone.windows.left, disc, mmPerPixel, blurPx),
                       Gathered(zone.windows.right, disc, mmPerPixel, blurPx)};
      if (zone.windows.left.x1 >= zone.windows.right.x0) {
        zone.status = NullStatus::NearCentre;
      } else if (zone.windows.insideDisc) {
        zone.status = NullStatus::Read;
      }
    }
    zones_.push_back(zone);
  }
}

std::vector<ZoneBalance> ZoneMeter::measure(const GreyFrame& frame) const {
  std::vector<ZoneBalance> balances(zones_.size());
  const bool sameSize = frame.width == width_ && frame.height == height_ &&
                        frame.grey.size() == static_cast<std::size_t>(frame.width) * frame.height;
  if (!sameSize) return balances;
  std::vector<double> weights;
  for (std::size_t k = 0; k < zones_.size(); ++k) {
    const ZoneWindows& windows = zones_[k].windows;
    if (!windows.insideFrame) continue;
    const double l = WindowMean(frame, windows.left, weights);
    const double r = WindowMean(frame, windows.right, weights);
    if (l + r > 0.0) balances[k].contrast = (l - r) / (l + r);
    balances[k].difference = l - r;
    balances[k].light = l + r;
  }
  return balances;
}

}  // namespace zonalyst
