#pragma once

#include "PhotoReadings.h"
#include "TesterView.h"

namespace zonalyst {

// A photograph as the tester's view shows it beside the simulation: the disc (frame
// pixels) scaled to side x side pixels by averaging the frame's pixels under each, its
// brightest pixel made white. What lies outside the disc or the frame is black, as
// around the simulated mirror.
GreyPicture DiscCrop(const GreyFrame& frame, const PhotoDisc& disc, int side);

}  // namespace zonalyst
