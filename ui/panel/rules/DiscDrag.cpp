#include "DiscDrag.h"

#include <algorithm>
#include <cmath>

namespace zonalyst::panel {

// A disc smaller than this cannot hold two windows of two pixels each side of its centre.
constexpr double kSmallestRadius = 2.0;

FrameFit FrameFit::Of(int width, int height, int viewWidth, int viewHeight) {
  if (width <= 0 || height <= 0) return {};
  FrameFit fit;
  fit.scale = std::min(static_cast<double>(viewWidth) / width, static_cast<double>(viewHeight) / height);
  fit.left = (viewWidth - width * fit.scale) / 2.0;
  fit.top = (viewHeight - height * fit.scale) / 2.0;
  return fit;
}

FrameFit FrameFit::Zoomed(int width, int height, int viewWidth, int viewHeight, double zoom, double centreX,
                          double centreY) {
  FrameFit fit = Of(width, height, viewWidth, viewHeight);
  if (width <= 0 || height <= 0 || !(zoom > 1.0)) return fit;
  fit.scale *= zoom;
  // Along each axis: the frame's centre when it is narrower than the view, else a centre
  // that keeps the view within the frame.
  const auto place = [&fit](double centre, int extent, int view) {
    const double half = view / 2.0 / fit.scale;
    const double kept = extent * fit.scale <= view ? extent / 2.0 : std::clamp(centre, half, extent - half);
    return view / 2.0 - kept * fit.scale;
  };
  fit.left = place(centreX, width, viewWidth);
  fit.top = place(centreY, height, viewHeight);
  return fit;
}

DiscGrab GrabAt(const PhotoDisc& disc, double x, double y, double reach) {
  const double distance = std::hypot(x - disc.x, y - disc.y);
  if (std::abs(distance - disc.radius) <= reach) return DiscGrab::Rim;
  return distance < disc.radius ? DiscGrab::Centre : DiscGrab::None;
}

PhotoDisc Dragged(const PhotoDisc& disc, DiscGrab grab, double fromX, double fromY, double toX, double toY) {
  PhotoDisc moved = disc;
  switch (grab) {
    case DiscGrab::None:
      break;
    case DiscGrab::Centre:
      moved.x += toX - fromX;
      moved.y += toY - fromY;
      break;
    case DiscGrab::Rim:
      moved.radius = std::max(kSmallestRadius, std::hypot(toX - disc.x, toY - disc.y));
      break;
  }
  return moved;
}

}  // namespace zonalyst::panel
