#include "SteppedRun.h"

#include <algorithm>
#include <cmath>

namespace zonalyst::livetester {

GreyFrame MeanFrame(const std::vector<std::shared_ptr<const GreyFrame>>& frames) {
  if (frames.empty()) return {};
  if (frames.size() == 1) return *frames.front();
  const GreyFrame& first = *frames.front();
  std::vector<double> sum(first.grey.size(), 0.0);
  std::uint16_t brightest = 0;
  for (const auto& frame : frames) {
    if (frame->grey.size() != sum.size()) continue;
    for (std::size_t p = 0; p < sum.size(); ++p) {
      sum[p] += frame->grey[p];
      brightest = std::max(brightest, frame->grey[p]);
    }
  }
  const double scale = (brightest <= 255 ? 256.0 : 1.0) / static_cast<double>(frames.size());
  GreyFrame mean = first;
  for (std::size_t p = 0; p < sum.size(); ++p)
    mean.grey[p] = static_cast<std::uint16_t>(std::nearbyint(sum[p] * scale));
  return mean;
}

std::vector<std::shared_ptr<const GreyFrame>> FramesAtRest(const std::deque<TimedFrame>& frames, int count,
                                                           double restingSince) {
  if (count < 1 || static_cast<int>(frames.size()) < count) return {};
  const auto first = frames.end() - count;
  if (first->time < restingSince + kFrameLagSeconds) return {};
  std::vector<std::shared_ptr<const GreyFrame>> atRest;
  for (auto frame = first; frame != frames.end(); ++frame) atRest.push_back(frame->frame);
  return atRest;
}

bool SteppedRun::record(Step step) {
  const auto same =
      std::find_if(steps_.begin(), steps_.end(), [&](const Step& s) { return s.position == step.position; });
  if (same != steps_.end()) {
    *same = std::move(step);
    return true;
  }
  steps_.push_back(std::move(step));
  return false;
}

std::optional<PhotoReadingsResult> SteppedRun::readings(const MirrorTest& test, const PhotoDisc& disc,
                                                        bool masked) const {
  if (steps_.size() < 2) return std::nullopt;
  std::vector<GreyFrame> frames;
  std::vector<double> positions;
  for (const Step& step : steps_) {
    frames.push_back(*step.frame);
    positions.push_back(step.position);
  }
  return ReadPhotoNulls(test, frames, positions, GivenScale(disc), masked);
}

std::optional<double> DialSettling::feed(double time, double position) {
  if (value_ != position) {
    value_ = position;
    since_ = time;
    return std::nullopt;
  }
  if (time - since_ < kSettleSeconds || recorded_ == position) return std::nullopt;
  recorded_ = position;
  return position;
}

}  // namespace zonalyst::livetester
