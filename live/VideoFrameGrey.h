#pragma once

#include "core/PhotoReadings.h"
#include "live/LiveFrame.h"

#include <QVideoFrame>

#include <optional>

namespace zonalyst::live {

// Turns a camera's frames into grey, straight from the mapped planes: the luma plane of
// Y8, Y16, NV12, NV21, YUV420P, YV12 and YUV422P frames, every other byte of YUYV and UYVY
// (their luma), and the photo grey rule for 32-bit RGB frames (the channel with the widest
// spread inside the lit disc, or their mean; chosen on the first colour frame and kept, so
// that every frame of a run is grey the same way). Any other format (compressed, 10-bit,
// texture-only) gives a message naming it. Luma in video range clips at 235, not 255.
class VideoFrameGrey {
 public:
  DevelopedFrame operator()(const QVideoFrame& frame);

 private:
  std::optional<GreySource> rgbSource_;
};

}  // namespace zonalyst::live
