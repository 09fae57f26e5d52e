#include "Replay.h"

#include <algorithm>
#include <cmath>

namespace zonalyst::live {

ReplayTimer::ReplayTimer(const ReplayPace& pace, std::function<void(double now)> tick) : pace_(pace) {
  timer_.setSingleShot(true);
  timer_.setTimerType(Qt::PreciseTimer);
  QObject::connect(&timer_, &QTimer::timeout, [this, tick = std::move(tick)] { tick(pace_.clock().now()); });
}

void ReplayTimer::wakeAt(double recorded) {
  if (simulated_) return;
  // Whole milliseconds, none below 0.
  const double due = pace_.replayed(recorded) - pace_.clock().now();
  timer_.start(static_cast<int>(std::max(0.0, std::ceil(1000.0 * due))));
}

ReplaySource::ReplaySource(std::vector<RecordedFrameSource> frames, std::shared_ptr<ReplayPace> pace, QObject* parent)
    : FrameSource(parent),
      frames_(std::move(frames)),
      pace_(std::move(pace)),
      timer_(*pace_, [this](double now) { tick(now); }) {}

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
  if (next_ < frames_.size()) timer_.wakeAt(frames_[next_].time);
}

ReplayDial::ReplayDial(std::vector<DialSample> values, bool testInInches, std::shared_ptr<ReplayPace> pace,
                       QObject* parent)
    : DialSource(parent),
      values_(std::move(values)),
      pace_(std::move(pace)),
      timer_(*pace_, [this](double now) { tick(now); }) {
  testInInches_ = testInInches;
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
  if (next_ < values_.size()) timer_.wakeAt(values_[next_].timeS);
}

}  // namespace zonalyst::live
