#include "FrameMailbox.h"

namespace zonalyst::live {

void FrameMailbox::put(ArrivedFrame frame) {
  {
    const std::lock_guard lock(mutex_);
    frame.number = counts_.arrived++;
    if (slot_ || closed_) ++counts_.dropped;
    if (closed_) return;
    slot_ = std::move(frame);
  }
  waiting_.notify_one();
}

std::optional<ArrivedFrame> FrameMailbox::take() {
  std::unique_lock lock(mutex_);
  waiting_.wait(lock, [this] { return slot_.has_value() || closed_; });
  if (closed_) return std::nullopt;
  std::optional<ArrivedFrame> frame = std::move(slot_);
  slot_.reset();
  return frame;
}

void FrameMailbox::close() {
  {
    const std::lock_guard lock(mutex_);
    closed_ = true;
    if (slot_) ++counts_.dropped;
    slot_.reset();
  }
  waiting_.notify_all();
}

FrameMailbox::Counts FrameMailbox::counts() const {
  const std::lock_guard lock(mutex_);
  return counts_;
}

}  // namespace zonalyst::live
