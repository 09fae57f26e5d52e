#include "LiveSession.h"

namespace zonalyst::live {

LiveSession::LiveSession(const LiveClock& clock, QObject* parent) : QObject(parent), clock_(clock), worker_(clock) {}

LiveSession::~LiveSession() { end(); }

bool LiveSession::setFrameSource(std::unique_ptr<FrameSource> source) {
  if (frames_) frames_->stop();
  frames_ = std::move(source);
  if (!frames_) return true;
  connect(frames_.get(), &FrameSource::failed, this, &LiveSession::frameSourceFailed);
  return frames_->start(worker_.sink());
}

bool LiveSession::setDialSource(std::unique_ptr<DialSource> dial) {
  if (dial_) dial_->stop();
  dial_ = std::move(dial);
  if (!dial_) return true;
  connect(dial_.get(), &DialSource::arrived, this, [this](const DialArrival& value) {
    dialValues_.push_back(value);
    emit dialArrived(value);
  });
  connect(dial_.get(), &DialSource::refused, this, [this](const QString& sent, const QString& problem) {
    ++refused_;
    emit dialRefused(sent, problem);
  });
  connect(dial_.get(), &DialSource::stateChanged, this, &LiveSession::dialStateChanged);
  return dial_->start();
}

void LiveSession::clearDialValues() {
  dialValues_.clear();
  refused_ = 0;
}

void LiveSession::end() {
  if (frames_) frames_->stop();
  if (dial_) dial_->stop();
  worker_.stop();
  frames_.reset();
  dial_.reset();
}

}  // namespace zonalyst::live
