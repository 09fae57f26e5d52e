#pragma once

#include "PhotoReadings.h"
#include "PhotoWindows.h"

#include <array>
#include <limits>
#include <vector>

namespace zonalyst {

// How bright each zone's left side is against its right in the frames of one camera: the
// zones' windows placed once, then any frame measured. Photo series, recorded sweeps and the
// live tester all read their zones through it.
//
// A zone's contrast is c = (L - R) / (L + R), L and R the mean greys of its left and right
// windows. A gain common to the frame cancels in the ratio, so frames taken at different
// exposures are compared as they are. Which side turns bright first depends on the side the
// knife enters from; the null, where c changes sign, does not.

// A zone's balance in one frame.
struct ZoneBalance {
  double contrast = std::numeric_limits<double>::quiet_NaN();  // c; not a number where both windows
                                                               // are black or outside the frame
  double difference = 0.0;                                     // L - R, grey levels
  double light = 0.0;                                          // L + R, grey levels
};

// Where a window gathers its light on the mirror, millimetres from the disc's centre: a
// rectangle, each point of it spread further by the lens's blur.
struct GatheredArea {
  double x = 0.0, halfWidth = 0.0;
  double y = 0.0, halfHeight = 0.0;
  double blurMm = 0.0;  // the blur's standard deviation
};

// A zone as the meter measures it.
struct MeteredZone {
  int zone = 0;           // 1..ZoneCount
  double radiusMm = 0.0;  // effective radius
  ZoneWindows windows;
  // Read when the zone can be read; NearCentre where its two windows would touch (the knife
  // then darkens both at once); OutsideDisc when a window falls outside the disc or the frame.
  NullStatus status = NullStatus::OutsideDisc;
  // Where its left and right windows gather their light.
  std::array<GatheredArea, 2> gathered;
};

class ZoneMeter {
 public:
  // The windows of every zone of the test on frames of the size of `frames` (all one size),
  // whose disc is given; with masked, inside the mask's openings as those frames show them lit
  // (the series itself, or its brightest-of-all frame). Without frames, or without a disc,
  // every zone is outside the disc. blurPx: the lens's blur (DiscScale), 0 when not known.
  ZoneMeter(const MirrorTest& test, const PhotoDisc& disc, const std::vector<GreyFrame>& frames, bool masked,
            double blurPx = 0.0);

  const std::vector<MeteredZone>& zones() const { return zones_; }

  // Each zone's balance in a frame of that size, in the order of zones().
  std::vector<ZoneBalance> measure(const GreyFrame& frame) const;

 private:
  std::vector<MeteredZone> zones_;
  int width_ = 0, height_ = 0;
};

}  // namespace zonalyst
