#pragma once

#include "live/DialSource.h"
#include "live/FrameSource.h"
#include "live/LiveClock.h"
#include "live/MeterWorker.h"

#include <QObject>

#include <memory>
#include <vector>

namespace zonalyst::live {

// A live session: one frame source and one dial source on one clock, the worker that meters
// the frames, and every dial value read. The window takes the metered frames on a timer;
// the dial's values arrive on the window's thread as the port delivers them. Ending the
// session stops the source and the worker and releases the port.
class LiveSession final : public QObject {
  Q_OBJECT
 public:
  explicit LiveSession(const LiveClock& clock, QObject* parent = nullptr);
  ~LiveSession() override;

  const LiveClock& clock() const { return clock_; }
  MeterWorker& worker() { return worker_; }
  const MeterWorker& worker() const { return worker_; }

  // Stops the source in use and starts this one (none: no frames); false when it could not start.
  bool setFrameSource(std::unique_ptr<FrameSource> source);
  FrameSource* frameSource() const { return frames_.get(); }
  // Stops the dial in use and starts this one (none: positions typed for each step).
  bool setDialSource(std::unique_ptr<DialSource> dial);
  DialSource* dialSource() const { return dial_.get(); }

  // Every dial value read, in order, and the lines refused.
  const std::vector<DialArrival>& dialValues() const { return dialValues_; }
  int refusedDialLines() const { return refused_; }
  void clearDialValues();

  // Ends the sources and the worker.
  void end();

 signals:
  void dialArrived(const zonalyst::live::DialArrival& value);
  void dialRefused(const QString& sent, const QString& problem);
  void dialStateChanged(zonalyst::live::DialState state, const QString& text);
  void frameSourceFailed(const QString& text);

 private:
  const LiveClock& clock_;
  MeterWorker worker_;
  std::unique_ptr<FrameSource> frames_;
  std::unique_ptr<DialSource> dial_;
  std::vector<DialArrival> dialValues_;
  int refused_ = 0;
};

}  // namespace zonalyst::live
