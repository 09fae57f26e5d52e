#include "Replay.h"

#include <algorithm>
#include <cmath>

namespace zonalyst::live {
namespace {

// The timer's wait until `due` on the live clock, whole milliseconds, none below 0.
int MsUntil(double due, const LiveClock& clock) {
  return static_cast<int>(std::max(0.0, std::ceil(1000.0 * (due - clock.now()))));
}

}  // namespace

ReplaySource::ReplaySource(std::vector<RecordedFrameSource> frames, std::shared_ptr<ReplayPace> pace, QObject* parent)
    : FrameSource(parent), frames_(std::move(frames)), pace_(std::move(pace)) {
  timer_.setSingleShot(true);
  timer_.setTimerType(Qt::PreciseTimer);
  connect(&timer_, &QTimer::timeout, this, [this] { tick(pace_->clock().now()); });
}

bool ReplaySource::start(FrameSink sink) {
  sink_ = std::move(sink);
  next_ = 0;
  pace_->start();
  wait();
  return true;
}

void ReplaySource::stop() {
  timer_.stop();
  sink_ = nullptr;
}

void ReplaySource::tick(double now) {
  if (!sink_) return;
  for (; next_ < frames_.size() && pace_->replayed(frames_[next_].time) <= now; ++next_) {
    ArrivedFrame frame;
    frame.time = pace_->replayed(frames_[next_].time);
    frame.develop = frames_[next_].develop;
    sink_(std::move(frame));
  }
  if (next_ == frames_.size()) {
    timer_.stop();
    emit finished();
    return;
  }
  wait();
}

void ReplaySource::wait() {
  if (!simulated_ && next_ < frames_.size())
    timer_.start(MsUntil(pace_->replayed(frames_[next_].time), pace_->clock()));
}

ReplayDial::ReplayDial(std::vector<DialSample> values, bool testInInches, std::shared_ptr<ReplayPace> pace,
                       QObject* parent)
    : DialSource(parent), values_(std::move(values)), pace_(std::move(pace)) {
  testInInches_ = testInInches;
  timer_.setSingleShot(true);
  timer_.setTimerType(Qt::PreciseTimer);
  connect(&timer_, &QTimer::timeout, this, [this] { tick(pace_->clock().now()); });
}

bool ReplayDial::start() {
  next_ = 0;
  pace_->start();
  setState(DialState::Reading, QString());
  wait();
  return true;
}

void ReplayDial::stop() {
  timer_.stop();
  setState(DialState::Idle, QString());
}

void ReplayDial::tick(double now) {
  if (state() != DialState::Reading) return;
  for (; next_ < values_.size() && pace_->replayed(values_[next_].timeS) <= now; ++next_) {
    const DialSample& value = values_[next_];
    // Every digit the recording kept, as a text adapter would send it.
    emit arrived(DialArrival{{pace_->replayed(value.timeS), value.position},
                             DialLineText(value.position, testInInches_, testInInches_ ? 7 : 6)});
  }
  wait();
}

void ReplayDial::wait() {
  if (!simulated_ && next_ < values_.size())
    timer_.start(MsUntil(pace_->replayed(values_[next_].timeS), pace_->clock()));
}

}  // namespace zonalyst::live
