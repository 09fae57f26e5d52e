#include "KnifeTrack.h"

#include <algorithm>
#include <cmath>

namespace zonalyst {

KnifeTrack::KnifeTrack(std::vector<DialSample> samples, double mmPerUnit)
    : samples_(std::move(samples)), deadBand_(kDeadBandMm / mmPerUnit), turn_(kTurnMm / mmPerUnit) {
  std::stable_sort(samples_.begin(), samples_.end(),
                   [](const DialSample& a, const DialSample& b) { return a.timeS < b.timeS; });
  // Of two values at one time the later given stands: keep the last of each run.
  std::vector<DialSample> unique;
  for (std::size_t k = 0; k < samples_.size(); ++k) {
    if (k + 1 < samples_.size() && samples_[k + 1].timeS == samples_[k].timeS) continue;
    unique.push_back(samples_[k]);
  }
  samples_ = std::move(unique);
  findGaps();
  findPasses();
}

void KnifeTrack::findGaps() {
  for (std::size_t k = 0; k + 1 < samples_.size(); ++k) {
    if (samples_[k + 1].timeS - samples_[k].timeS > kLongestGapS) {
      gaps_.push_back({samples_[k].timeS, samples_[k + 1].timeS});
    }
  }
}

void KnifeTrack::findPasses() {
  const auto x = [this](std::size_t k) { return samples_[k].position; };
  // The zigzag: the turnarounds, and the track's first and last extremes.
  std::vector<std::size_t> pivots;
  int heading = 0;
  std::size_t low = 0, high = 0, extreme = 0;
  for (std::size_t k = 1; k < samples_.size(); ++k) {
    if (heading == 0) {
      if (x(k) > x(high)) high = k;
      if (x(k) < x(low)) low = k;
      if (x(high) - x(low) >= turn_) {
        heading = high > low ? 1 : -1;
        pivots.push_back(high > low ? low : high);
        extreme = high > low ? high : low;
      }
    } else if (heading * (x(k) - x(extreme)) > 0.0) {
      extreme = k;
    } else if (heading * (x(extreme) - x(k)) >= turn_) {
      pivots.push_back(extreme);
      heading = -heading;
      extreme = k;
    }
  }
  if (heading != 0) pivots.push_back(extreme);

  for (std::size_t p = 0; p + 1 < pivots.size(); ++p) {
    const std::size_t a = pivots[p], b = pivots[p + 1];
    std::size_t start = a;
    for (std::size_t k = a; k <= b; ++k) {
      if (std::abs(x(k) - x(a)) <= deadBand_) start = k;
    }
    std::size_t end = b;
    for (std::size_t k = b + 1; k-- > start;) {
      if (std::abs(x(k) - x(b)) <= deadBand_) end = k;
    }
    if (end <= start) continue;
    passes_.push_back(
        {x(b) > x(a) ? Travel::In : Travel::Out, samples_[start].timeS, samples_[end].timeS, x(start), x(end)});
  }
}

double KnifeTrack::interpolated(double timeS) const {
  if (timeS <= samples_.front().timeS) return samples_.front().position;
  if (timeS >= samples_.back().timeS) return samples_.back().position;
  const auto after = std::upper_bound(samples_.begin(), samples_.end(), timeS,
                                      [](double t, const DialSample& s) { return t < s.timeS; });
  const DialSample& b = *after;
  const DialSample& a = *(after - 1);
  return a.position + (b.position - a.position) * (timeS - a.timeS) / (b.timeS - a.timeS);
}

std::optional<double> KnifeTrack::positionAt(double timeS) const {
  if (samples_.empty() || !(timeS >= samples_.front().timeS && timeS <= samples_.back().timeS)) return std::nullopt;
  const auto after = std::upper_bound(samples_.begin(), samples_.end(), timeS,
                                      [](double t, const DialSample& s) { return t < s.timeS; });
  if (after != samples_.end() && timeS > (after - 1)->timeS && after->timeS - (after - 1)->timeS > kLongestGapS) {
    return std::nullopt;
  }
  return interpolated(timeS);
}

Travel KnifeTrack::travelAt(double timeS) const {
  if (samples_.size() < 2 || !(timeS >= samples_.front().timeS && timeS <= samples_.back().timeS)) {
    return Travel::Still;
  }
  const double travel = interpolated(timeS + kSmoothingS / 2.0) - interpolated(timeS - kSmoothingS / 2.0);
  if (travel > deadBand_) return Travel::In;
  if (travel < -deadBand_) return Travel::Out;
  return Travel::Still;
}

double KnifeTrack::speedAt(double timeS) const {
  if (samples_.size() < 2 || !(timeS >= samples_.front().timeS && timeS <= samples_.back().timeS)) return 0.0;
  const double from = std::max(samples_.front().timeS, timeS - kSmoothingS / 2.0);
  const double to = std::min(samples_.back().timeS, timeS + kSmoothingS / 2.0);
  return to > from ? std::abs(interpolated(to) - interpolated(from)) / (to - from) : 0.0;
}

std::optional<double> KnifeTrack::timeAt(const KnifePass& pass, double position) const {
  const auto first = std::lower_bound(samples_.begin(), samples_.end(), pass.startS,
                                      [](const DialSample& s, double t) { return s.timeS < t; });
  for (auto a = first; a != samples_.end() && a + 1 != samples_.end() && a->timeS < pass.endS; ++a) {
    const DialSample& b = *(a + 1);
    const double low = std::min(a->position, b.position), high = std::max(a->position, b.position);
    if (position < low || position > high) continue;
    if (high == low) return a->timeS;
    return a->timeS + (b.timeS - a->timeS) * (position - a->position) / (b.position - a->position);
  }
  return std::nullopt;
}

std::optional<std::size_t> KnifeTrack::passAt(double timeS) const {
  for (std::size_t p = 0; p < passes_.size(); ++p) {
    if (timeS >= passes_[p].startS && timeS <= passes_[p].endS) return p;
  }
  return std::nullopt;
}

}  // namespace zonalyst
