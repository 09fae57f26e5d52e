#pragma once

#include "live/FrameSource.h"
#include "live/LiveClock.h"

#include <QCameraDevice>
#include <QCameraFormat>
#include <QList>
#include <QString>

#include <memory>

class QCamera;
class QMediaCaptureSession;
class QVideoSink;

namespace zonalyst::live {

// Hands the frames that reach a video sink to a frame sink, stamped on the live clock at
// arrival; they become grey on the worker by VideoFrameGrey. The camera feeds its sink
// through this, and tests push hand-made frames into a real sink.
class VideoSinkFeed final : public QObject {
  Q_OBJECT
 public:
  VideoSinkFeed(QVideoSink& videoSink, const LiveClock& clock, FrameSink sink, QObject* parent = nullptr);
};

// What a camera can do about its exposure, said plainly for the window.
struct ExposureLock {
  bool locked = false;
  QString text;
};

// A camera chosen from QMediaDevices::videoInputs() in one of its formats (size, frame
// rate, pixel format), through a capture session into a video sink.
class CameraSource final : public FrameSource {
  Q_OBJECT
 public:
  CameraSource(const QCameraDevice& device, const QCameraFormat& format, const LiveClock& clock,
               QObject* parent = nullptr);
  ~CameraSource() override;

  static QList<QCameraDevice> cameras();
  // A format's text for lists: "640 x 480, 30 fps, YUYV".
  static QString FormatText(const QCameraFormat& format);
  // The format read best: the largest at most 1280 pixels wide, then the fastest, then a
  // format VideoFrameGrey reads without colour.
  static QCameraFormat PreferredFormat(const QCameraDevice& device);

  bool start(FrameSink sink) override;
  void stop() override;
  // Manual exposure first, then the time it has now, where the camera allows.
  ExposureLock lockExposure();

 private:
  QCameraDevice device_;
  QCameraFormat format_;
  const LiveClock& clock_;
  std::unique_ptr<QCamera> camera_;
  std::unique_ptr<QMediaCaptureSession> session_;
  std::unique_ptr<QVideoSink> videoSink_;
  std::unique_ptr<VideoSinkFeed> feed_;
};

}  // namespace zonalyst::live
