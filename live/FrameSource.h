#pragma once

#include "live/LiveFrame.h"

#include <QObject>
#include <QString>

namespace zonalyst::live {

// Where a live session's frames come from: a camera, the simulated tester or a recording.
// A source lives on the window's thread, stamps each frame on the live clock as it arrives
// and hands it to the sink at once; the converting to grey waits for the worker.
class FrameSource : public QObject {
  Q_OBJECT
 public:
  using QObject::QObject;
  // Starts handing frames to sink; false (with failed() emitted) when the source cannot start.
  virtual bool start(FrameSink sink) = 0;
  // No frame reaches the sink after this returns; the device is released.
  virtual void stop() = 0;

 signals:
  // The source stopped by itself: the camera went away, the recording ended; text says why.
  void failed(const QString& text);
  void finished();
};

}  // namespace zonalyst::live
