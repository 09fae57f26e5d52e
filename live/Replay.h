#pragma once

#include "DialSource.h"
#include "FrameSource.h"
#include "LiveClock.h"
#include "core/KnifeTrack.h"

#include <QTimer>

#include <functional>
#include <memory>
#include <vector>

namespace zonalyst::live {

// A recorded run replayed at its own pace: its frames and its dial's values come again with the
// intervals they were recorded with, from the moment the replay starts.

// The one start that a replay's frames and dial share, so that they stay as aligned as they
// were recorded: the recording's first time falls on the live clock when the first of them starts.
class ReplayPace {
 public:
  ReplayPace(const LiveClock& clock, double firstRecorded) : clock_(clock), first_(firstRecorded) {}
  void start() {
    if (!started_) shift_ = clock_.now() - first_;
    started_ = true;
  }
  // The time on the live clock at which a recorded time comes again.
  double replayed(double recorded) const { return recorded + shift_; }
  const LiveClock& clock() const { return clock_; }

 private:
  const LiveClock& clock_;
  double first_ = 0.0;
  double shift_ = 0.0;
  bool started_ = false;
};

// The timer that wakes a replay when its next recorded time comes again: each time it calls
// `tick` with the live clock's time. Once time is simulated (tests call tick themselves) it
// never runs again.
class ReplayTimer {
 public:
  ReplayTimer(const ReplayPace& pace, std::function<void(double now)> tick);
  ReplayTimer(const ReplayTimer&) = delete;
  ReplayTimer& operator=(const ReplayTimer&) = delete;
  void wakeAt(double recorded);
  void stop() { timer_.stop(); }
  void simulateTime() {
    simulated_ = true;
    timer_.stop();
  }

 private:
  const ReplayPace& pace_;
  QTimer timer_;
  bool simulated_ = false;
};

// A recorded frame: its time on the recording's clock (seconds) and how to read it (on the
// meter's worker).
struct RecordedFrameSource {
  double time = 0.0;
  std::function<DevelopedFrame()> develop;
};

// The recording's frames, each handed over when its time comes again and stamped with it;
// finished() after the last.
class ReplaySource final : public FrameSource {
  Q_OBJECT
 public:
  ReplaySource(std::vector<RecordedFrameSource> frames, std::shared_ptr<ReplayPace> pace, QObject* parent = nullptr);
  bool start(FrameSink sink) override;
  void stop() override;
  // Hands over the frames whose time has come by `now` on the live clock (the timer calls it;
  // tests call it to simulate time).
  void tick(double now);
  // Stops the timer: from here on time is simulated by calling tick().
  void simulateTime() { timer_.simulateTime(); }
  const ReplayPace& pace() const { return *pace_; }

 private:
  void wait();

  std::vector<RecordedFrameSource> frames_;
  std::shared_ptr<ReplayPace> pace_;
  std::size_t next_ = 0;
  FrameSink sink_;
  ReplayTimer timer_;
};

// The recording's dial values (test units), each sent when its time comes again, as a text
// adapter sends it.
class ReplayDial final : public DialSource {
  Q_OBJECT
 public:
  ReplayDial(std::vector<DialSample> values, bool testInInches, std::shared_ptr<ReplayPace> pace,
             QObject* parent = nullptr);
  bool start() override;
  void stop() override;
  // Sends the values whose time has come by `now` on the live clock.
  void tick(double now);
  void simulateTime() { timer_.simulateTime(); }

 private:
  void wait();

  std::vector<DialSample> values_;
  std::shared_ptr<ReplayPace> pace_;
  std::size_t next_ = 0;
  ReplayTimer timer_;
};

}  // namespace zonalyst::live
