#pragma once

#include "core/PhotoReadings.h"

namespace zonalyst::panel {

// How a frame of width x height pixels fits a view of viewWidth x viewHeight, whole and
// centred: view = left + frame * scale (and top likewise).
struct FrameFit {
  double scale = 1.0;
  double left = 0.0;
  double top = 0.0;
  static FrameFit Of(int width, int height, int viewWidth, int viewHeight);
  // The same frame magnified `zoom` times (at least 1, the whole frame) about the frame point
  // (centreX, centreY), which shows in the middle of the view; moved, where it must be, so
  // that the view shows no more beyond the frame's edges than the whole frame would.
  static FrameFit Zoomed(int width, int height, int viewWidth, int viewHeight, double zoom, double centreX,
                         double centreY);
  double toViewX(double x) const { return left + x * scale; }
  double toViewY(double y) const { return top + y * scale; }
  double toFrameX(double x) const { return (x - left) / scale; }
  double toFrameY(double y) const { return (y - top) / scale; }
};

// What a press of the mouse takes hold of: the rim when it lands within `reach` of it,
// the disc (to move it) inside, nothing outside. Frame pixels.
enum class DiscGrab { None, Centre, Rim };
DiscGrab GrabAt(const PhotoDisc& disc, double x, double y, double reach);

// The disc held at (fromX, fromY) and dragged to (toX, toY): moved by the drag when its
// centre is held, its radius reaching the mouse (at least 2 pixels) when its rim is.
PhotoDisc Dragged(const PhotoDisc& disc, DiscGrab grab, double fromX, double fromY, double toX, double toY);

}  // namespace zonalyst::panel
