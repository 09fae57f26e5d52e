#pragma once

#include "live/LiveFrame.h"

#include <condition_variable>
#include <mutex>
#include <optional>

namespace zonalyst::live {

// The one-slot mailbox between the sources and the meter's worker: a frame put while another
// waits replaces it (the newest frame wins), and the one replaced counts as dropped, so that
// a slow meter shows the present instead of falling behind. Every frame put is either taken
// or counted dropped.
class FrameMailbox {
 public:
  struct Counts {
    long arrived = 0;  // frames put
    long dropped = 0;  // replaced before they were taken
  };

  void put(ArrivedFrame frame);
  // The waiting frame, waiting for one if none; none once closed.
  std::optional<ArrivedFrame> take();
  // Wakes the taker; frames put from here on are dropped.
  void close();
  Counts counts() const;

 private:
  mutable std::mutex mutex_;
  std::condition_variable waiting_;
  std::optional<ArrivedFrame> slot_;
  Counts counts_;
  bool closed_ = false;
};

}  // namespace zonalyst::live
