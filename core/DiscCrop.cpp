#include "DiscCrop.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace zonalyst {

GreyPicture DiscCrop(const GreyFrame& frame, const PhotoDisc& disc, int side) {
  GreyPicture picture;
  picture.size = side;
  picture.grey.assign(static_cast<std::size_t>(side) * side, 0);
  if (side <= 0 || frame.width <= 0 || frame.height <= 0 || !(disc.radius > 0.0)) return picture;
  const double step = 2.0 * disc.radius / side;  // frame pixels per picture pixel
  const double left = disc.x - disc.radius;
  const double top = disc.y - disc.radius;
  // The frame's pixels [from, to) under picture pixel i along one axis, at least one.
  const auto span = [step](double origin, int i, int extent) {
    const auto from = static_cast<int>(std::floor(origin + i * step));
    const auto to = std::max(from + 1, static_cast<int>(std::floor(origin + (i + 1) * step)));
    return std::pair{std::clamp(from, 0, extent), std::clamp(to, 0, extent)};
  };
  std::vector<double> mean(picture.grey.size(), 0.0);
  double brightest = 0.0;
  for (int j = 0; j < side; ++j) {
    const auto [y0, y1] = span(top, j, frame.height);
    for (int i = 0; i < side; ++i) {
      const auto [x0, x1] = span(left, i, frame.width);
      const bool onDisc = std::hypot(i + 0.5 - side / 2.0, j + 0.5 - side / 2.0) <= side / 2.0;
      if (x0 >= x1 || y0 >= y1 || !onDisc) continue;
      double sum = 0.0;
      for (int y = y0; y < y1; ++y) {
        for (int x = x0; x < x1; ++x) sum += frame.at(x, y);
      }
      const double value = sum / ((x1 - x0) * (y1 - y0));
      mean[static_cast<std::size_t>(j) * side + i] = value;
      brightest = std::max(brightest, value);
    }
  }
  if (brightest <= 0.0) return picture;
  for (std::size_t n = 0; n < mean.size(); ++n) {
    picture.grey[n] = static_cast<std::uint8_t>(std::nearbyint(255.0 * mean[n] / brightest));
  }
  return picture;
}

}  // namespace zonalyst
