#include "ZoneMeter.h"

#include <algorithm>
#include <cmath>

namespace zonalyst {

namespace {

// The spread (standard deviation) of r^2 over the points a window gathers light from, mm^2: x
// uniform over c +- w, y over a +- h, r^2 = x^2 + y^2, each moved by a blur of s in x and y
// (adding 4 (c^2 + a^2) s^2 to the variance, to first order).
double SquareSpread(const WindowRect& window, const PhotoDisc& disc, double mmPerPixel, double blurPx) {
  const double c = std::abs((window.x0 + window.x1) / 2.0 - disc.x), w = (window.x1 - window.x0) / 2.0;
  const double a = (window.y0 + window.y1) / 2.0 - disc.y, h = (window.y1 - window.y0) / 2.0;
  const double variance = 4.0 * c * c * w * w / 3.0 + 4.0 * a * a * h * h / 3.0 + 4.0 * std::pow(h, 4) / 45.0 +
                          4.0 * (c * c + a * a) * blurPx * blurPx;
  return std::sqrt(variance) * mmPerPixel * mmPerPixel;
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
      zone.squareSpreadMm2 = std::max(SquareSpread(zone.windows.left, disc, mmPerPixel, blurPx),
                                      SquareSpread(zone.windows.right, disc, mmPerPixel, blurPx));
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
