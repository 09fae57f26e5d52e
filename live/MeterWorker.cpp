#include "MeterWorker.h"

#include <algorithm>
#include <cmath>

namespace zonalyst::live {

double ClippedShare(const GreyFrame& frame, const PhotoDisc& disc, std::uint16_t white) {
  if (disc.radius <= 0.0 || frame.grey.size() != static_cast<std::size_t>(frame.width) * frame.height) return 0.0;
  long inside = 0, clipped = 0;
  const int y0 = std::max(0, static_cast<int>(disc.y - disc.radius));
  const int y1 = std::min(frame.height, static_cast<int>(std::ceil(disc.y + disc.radius)));
  for (int y = y0; y < y1; ++y) {
    const double dy = y + 0.5 - disc.y;
    const double squared = disc.radius * disc.radius - dy * dy;
    if (squared <= 0.0) continue;
    const double reach = std::sqrt(squared);
    const int x0 = std::max(0, static_cast<int>(std::ceil(disc.x - reach - 0.5)));
    const int x1 = std::min(frame.width, static_cast<int>(std::floor(disc.x + reach - 0.5)) + 1);
    for (int x = x0; x < x1; ++x) {
      ++inside;
      clipped += frame.at(x, y) >= white;
    }
  }
  return inside > 0 ? static_cast<double>(clipped) / static_cast<double>(inside) : 0.0;
}

MeterWorker::MeterWorker(const LiveClock& clock) : clock_(clock), thread_([this] { run(); }) {}

MeterWorker::~MeterWorker() { stop(); }

FrameSink MeterWorker::sink() {
  return [this](ArrivedFrame frame) { mailbox_.put(std::move(frame)); };
}

void MeterWorker::setLayout(std::shared_ptr<const MeterLayout> layout) {
  const std::lock_guard lock(mutex_);
  layout_ = std::move(layout);
}

void MeterWorker::setKeeper(Keeper keeper) {
  const std::lock_guard lock(mutex_);
  keeper_ = std::move(keeper);
}

void MeterWorker::setOnMetered(std::function<void()> onMetered) {
  const std::lock_guard lock(mutex_);
  onMetered_ = std::move(onMetered);
}

std::vector<MeteredFrame> MeterWorker::take() {
  const std::lock_guard lock(mutex_);
  std::vector<MeteredFrame> taken;
  taken.swap(done_);
  return taken;
}

MeterWorker::Counts MeterWorker::counts() const {
  const FrameMailbox::Counts box = mailbox_.counts();
  const std::lock_guard lock(mutex_);
  return {box.arrived, box.dropped, metered_};
}

void MeterWorker::stop() {
  mailbox_.close();
  if (thread_.joinable()) thread_.join();
}

void MeterWorker::run() {
  while (std::optional<ArrivedFrame> arrived = mailbox_.take()) {
    DevelopedFrame developed = arrived->develop();
    MeteredFrame metered;
    metered.number = arrived->number;
    metered.time = arrived->time;
    metered.white = developed.white;
    metered.error = std::move(developed.error);
    std::shared_ptr<const MeterLayout> layout;
    Keeper keeper;
    {
      const std::lock_guard lock(mutex_);
      layout = layout_;
      keeper = keeper_;
    }
    if (metered.error.empty()) {
      if (layout) {
        metered.zones = layout->meter.measure(developed.grey);
        metered.clipped = ClippedShare(developed.grey, layout->disc, developed.white);
      }
      metered.grey = std::make_shared<const GreyFrame>(std::move(developed.grey));
      if (keeper) keeper(metered);
    }
    metered.meteredAt = clock_.now();
    std::function<void()> onMetered;
    {
      const std::lock_guard lock(mutex_);
      ++metered_;
      done_.push_back(std::move(metered));
      onMetered = onMetered_;
    }
    if (onMetered) onMetered();
  }
}

}  // namespace zonalyst::live
