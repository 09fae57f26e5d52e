#include "NullMeter.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace zonalyst::livetester {

void NullMeter::setFrames(int frames) {
  frames_ = std::clamp(frames, 1, kMostFrames);
  while (static_cast<int>(recent_.size()) > frames_) recent_.pop_front();
}

void NullMeter::add(const std::vector<ZoneBalance>& zones) {
  if (!recent_.empty() && recent_.back().size() != zones.size()) recent_.clear();
  recent_.push_back(zones);
  while (static_cast<int>(recent_.size()) > frames_) recent_.pop_front();
}

std::vector<MeterBar> NullMeter::bars(double threshold) const {
  const std::size_t zones = recent_.empty() ? 0 : recent_.back().size();
  std::vector<MeterBar> bars(zones);
  for (std::size_t z = 0; z < zones; ++z) {
    double sum = 0.0;
    int counted = 0;
    bool null = static_cast<int>(recent_.size()) == frames_;
    for (const std::vector<ZoneBalance>& frame : recent_) {
      const double c = frame[z].contrast;
      null = null && std::abs(c) < threshold;  // false for a frame without a contrast
      if (std::isfinite(c)) sum += c, ++counted;
    }
    bars[z].contrast = counted > 0 ? sum / counted : std::numeric_limits<double>::quiet_NaN();
    bars[z].null = null;
  }
  return bars;
}

}  // namespace zonalyst::livetester
