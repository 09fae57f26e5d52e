#include "SimulatedTester.h"

#include <cmath>

namespace zonalyst::live {
namespace {

// How long the knife's past settings are kept: well beyond any latency.
constexpr double kKeptSeconds = 5.0;

}  // namespace

SimulatedTester::SimulatedTester(const MirrorTest& test, const LiveClock& clock, const SimulatedRig& rig,
                                 QObject* parent)
    : FrameSource(parent),
      clock_(clock),
      rig_(rig),
      camera_(std::make_shared<const SimulatedCamera>(test, rig.width, rig.height)) {
  timer_.setTimerType(Qt::PreciseTimer);
  connect(&timer_, &QTimer::timeout, this, [this] { tick(clock_.now()); });
  double middle = 0.0;
  for (int z = 1; z <= test.zones(); ++z) middle += test.KeAverage[z] / test.zones();
  settings_[-1e300] = middle;
}

void SimulatedTester::setKnife(double reading) {
  const double now = clock_.now();
  settings_[now] = reading;
  // Forget what no frame can show any more, keeping the setting in force then.
  auto keep = settings_.upper_bound(now - kKeptSeconds);
  if (keep != settings_.begin()) settings_.erase(settings_.begin(), std::prev(keep));
}

double SimulatedTester::knifeAt(double time) const {
  if (path_) return path_(time);
  auto at = settings_.upper_bound(time);
  return at == settings_.begin() ? at->second : std::prev(at)->second;
}

bool SimulatedTester::start(FrameSink sink) {
  sink_ = std::move(sink);
  timer_.start(static_cast<int>(std::lround(1000.0 / rig_.framesPerSecond)));
  return true;
}

void SimulatedTester::stop() {
  timer_.stop();
  sink_ = nullptr;
}

void SimulatedTester::tick(double time) {
  if (!sink_) return;
  const double knife = knifeAt(time - rig_.latency);
  const long number = frames_++;
  ArrivedFrame frame;
  frame.time = time;
  frame.develop = [camera = camera_, knife, number] {
    DevelopedFrame developed;
    developed.grey = camera->frame(knife, number);
    return developed;
  };
  sink_(std::move(frame));
}

}  // namespace zonalyst::live
