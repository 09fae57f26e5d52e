#pragma once

#include "core/ZoneMeter.h"
#include "live/FrameMailbox.h"
#include "live/LiveClock.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace zonalyst::live {

// Where the meter looks: the zones' windows (placed once for frames of one size, whenever
// the disc or the mask changes) and the disc, whose clipped pixels it counts.
struct MeterLayout {
  ZoneMeter meter;
  PhotoDisc disc;
};

// A frame as the meter's worker leaves it: grey, metered with the layout in force, and
// stamped when it arrived and when the metering ended.
struct MeteredFrame {
  long number = 0;         // its place among the frames that arrived: a gap where one was dropped
  double time = 0.0;       // arrival, seconds on the live clock
  double meteredAt = 0.0;  // when the metering ended, same clock
  std::shared_ptr<const GreyFrame> grey;
  std::uint16_t white = 255;
  std::vector<ZoneBalance> zones;  // in the order of the layout's zones; empty without a layout
  double clipped = 0.0;            // the part of the disc's pixels at white, 0..1
  bool kept = false;               // kept by the keeper (a sweep keeps every Nth frame)
  std::string file;                // where the frame was recorded; empty when it was not
  std::string error;               // why the frame could not be turned grey
};

// The part of the disc's pixels (those whose centre lies inside it) at white or above.
double ClippedShare(const GreyFrame& frame, const PhotoDisc& disc, std::uint16_t white);

// The worker that turns frames grey and meters them, on a thread of its own: frames come in
// through a one-slot mailbox (the newest wins, the others are counted dropped), and every
// frame metered waits, in order, for the window to take it.
class MeterWorker {
 public:
  struct Counts {
    long arrived = 0;
    long dropped = 0;
    long metered = 0;
  };
  // Runs on the worker for each frame metered, before the window sees it (the recorder
  // writes frames there, off the window's thread, and names their files).
  using Keeper = std::function<void(MeteredFrame&)>;

  explicit MeterWorker(const LiveClock& clock);
  ~MeterWorker();
  MeterWorker(const MeterWorker&) = delete;
  MeterWorker& operator=(const MeterWorker&) = delete;

  // Where sources hand their frames.
  FrameSink sink();
  void setLayout(std::shared_ptr<const MeterLayout> layout);
  void setKeeper(Keeper keeper);
  // Called on the worker after each frame is metered, so that the window takes it at once
  // rather than at its next repaint; none by default.
  void setOnMetered(std::function<void()> onMetered);
  // The frames metered since the last call, in order.
  std::vector<MeteredFrame> take();
  Counts counts() const;
  // Ends the worker's thread; frames handed over later are dropped.
  void stop();

 private:
  void run();

  const LiveClock& clock_;
  FrameMailbox mailbox_;
  mutable std::mutex mutex_;
  std::shared_ptr<const MeterLayout> layout_;
  Keeper keeper_;
  std::function<void()> onMetered_;
  std::vector<MeteredFrame> done_;
  long metered_ = 0;
  std::thread thread_;
};

}  // namespace zonalyst::live
