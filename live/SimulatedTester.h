#pragma once

#include "live/FrameSource.h"
#include "live/LiveClock.h"
#include "live/SimulatedCamera.h"

#include <QTimer>

#include <functional>
#include <map>
#include <memory>

namespace zonalyst::live {

// How the simulated rig behaves: its frames' size and rate, and the camera's latency (a
// frame shows the knife where it stood that long before the frame arrived, as a real
// camera's frames lag the dial).
struct SimulatedRig {
  int width = 640;
  int height = 480;
  double framesPerSecond = 15.0;
  double latency = 0.1;  // seconds
};

// The simulated tester as a frame source: the open test's mirror seen through the knife,
// which the user moves (the slider and the keys set it) or a scripted path moves (tests).
// Frames are drawn on the meter's worker; the timer only stamps them.
class SimulatedTester final : public FrameSource {
  Q_OBJECT
 public:
  SimulatedTester(const MirrorTest& test, const LiveClock& clock, const SimulatedRig& rig = {},
                  QObject* parent = nullptr);

  // The knife moved to reading (test units) now.
  void setKnife(double reading);
  // The knife's position at a time of the live clock, from its path (scripted) or from where
  // it was set last before that time.
  double knifeAt(double time) const;
  // A scripted path: the knife's position at each time of the live clock.
  void setPath(std::function<double(double time)> path) { path_ = std::move(path); }

  bool start(FrameSink sink) override;
  void stop() override;
  // Hands the sink the frame that arrives at time (the timer calls it with the clock's time;
  // tests call it to simulate time).
  void tick(double time);
  // Stops the timer, the sink kept: from here on time is simulated by calling tick().
  void simulateTime() { timer_.stop(); }

  const SimulatedCamera& camera() const { return *camera_; }
  const SimulatedRig& rig() const { return rig_; }

 private:
  const LiveClock& clock_;
  SimulatedRig rig_;
  std::shared_ptr<const SimulatedCamera> camera_;
  std::function<double(double)> path_;
  std::map<double, double> settings_;  // time on the live clock -> knife set then
  FrameSink sink_;
  QTimer timer_;
  long frames_ = 0;
};

}  // namespace zonalyst::live
