#pragma once

#include <chrono>

namespace zonalyst::live {

// The one clock that stamps every frame and every dial value of a live session: seconds
// since the clock was made, monotonic (never set back by the system's time of day), so that
// a frame's time and a dial value's time can be compared directly. Tests drive a clock of
// their own to simulate time.
class LiveClock {
 public:
  LiveClock() : start_(std::chrono::steady_clock::now()) {}
  virtual ~LiveClock() = default;
  LiveClock(const LiveClock&) = delete;
  LiveClock& operator=(const LiveClock&) = delete;

  virtual double now() const {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
  }

 private:
  std::chrono::steady_clock::time_point start_;
};

}  // namespace zonalyst::live
