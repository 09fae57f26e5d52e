#pragma once

#include <atomic>
#include <functional>
#include <mutex>

namespace zonalyst::ui {

// A long computation of a panel (the Monte Carlo trials, the best-fit conic search) run on
// a thread of its own, on copies of what it reads, while the window's event loop keeps
// turning: the loop only shows the progress, at a pace the screen can follow.
class WorkerRun {
 public:
  // 25 progress pictures a second: within 10 to 30, whatever the speed of the work.
  static constexpr int kTickMs = 40;

  // Runs work on its thread and turns the event loop until the work has ended; every
  // kTickMs showProgress runs on the event loop. The work looks at stopRequested()
  // between its steps. What the work throws is thrown again here, once it has ended.
  void run(const std::function<void()>& work, const std::function<void()>& showProgress);
  // From the event loop: the work ends at its next look.
  void requestStop() { stop_.store(true, std::memory_order_relaxed); }
  bool stopRequested() const { return stop_.load(std::memory_order_relaxed); }
  bool running() const { return running_; }

 private:
  std::atomic<bool> stop_{false};
  bool running_ = false;
};

// The latest value a worker has published, for the event loop to show.
template <typename T>
class Published {
 public:
  void publish(const T& value) {
    const std::lock_guard lock(mutex_);
    value_ = value;
  }
  T latest() const {
    const std::lock_guard lock(mutex_);
    return value_;
  }

 private:
  mutable std::mutex mutex_;
  T value_{};
};

}  // namespace zonalyst::ui
