#pragma once

#include "PhotoReadings.h"

#include <vector>

namespace zonalyst {

// A window of a frame in pixel coordinates (pixel (i, j) covers [i, i + 1) x [j, j + 1)).
struct WindowRect {
  double x0 = 0.0, y0 = 0.0, x1 = 0.0, y1 = 0.0;
};

// A zone's two windows, and whether they lie inside the frame and inside the lit disc (or
// the mask's openings).
struct ZoneWindows {
  WindowRect left, right;
  bool insideFrame = false;
  bool insideDisc = false;
};

// The windows of zone z (1..N) of the test in frames of the series (all the same size) whose
// disc is given; with masked, inside the zone's openings as the frames show them. blurPx: the
// lens's blur (a Gaussian's standard deviation, pixels), 0 when not known.
ZoneWindows PlaceZoneWindows(const MirrorTest& test, int zone, const PhotoDisc& disc,
                             const std::vector<GreyFrame>& frames, bool masked, double blurPx = 0.0);

// The pixels a window touches.
PixelWindow Covering(const WindowRect& window);

// The mean grey over the window, each pixel weighted by the part of it inside the window;
// weights are scratch space reused between calls.
double WindowMean(const GreyFrame& frame, const WindowRect& window, std::vector<double>& weights);

}  // namespace zonalyst
