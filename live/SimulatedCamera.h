#pragma once

#include "core/MirrorTest.h"
#include "core/PhotoReadings.h"
#include "core/SurfaceReduction.h"

namespace zonalyst::live {

// What a camera behind the knife edge would see of a test's measured mirror: the tester's
// view at a knife position (test units, on the readings' scale) in a frame of width x height
// pixels, the disc (three quarters of the frame's height across) a little off-centre with a
// thin bright rim at its edge, then degraded as the example photo series is: lens blur
// (Gaussian, sigma 1.5 pixels), an exposure that changes from frame to frame (gain 0.85 to
// 1.15 in a fixed irregular order, at 80 % of the range so that nothing clips) and sensor
// noise (Gaussian, a few grey levels, seeded by the frame's number, so the same frame every
// time). Greys 0..255. Safe to use from several threads once made.
class SimulatedCamera {
 public:
  SimulatedCamera(const MirrorTest& test, int width, int height);

  GreyFrame frame(double knife, long frameNumber) const;
  // Where the disc stands in the frames (frame pixels): the truth a found disc is held to.
  const PhotoDisc& disc() const { return disc_; }
  const MirrorTest& test() const { return test_; }
  int width() const { return width_; }
  int height() const { return height_; }

 private:
  MirrorTest test_;
  SurfaceProfile profile_;
  double bestFitRocMm_ = 0.0;
  int width_ = 0;
  int height_ = 0;
  int discSize_ = 0;  // the view's square, pixels
  int left_ = 0;
  int top_ = 0;
  PhotoDisc disc_;
};

}  // namespace zonalyst::live
