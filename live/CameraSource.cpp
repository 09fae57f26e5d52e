#include "CameraSource.h"

#include "live/VideoFrameGrey.h"

#include <QCamera>
#include <QMediaCaptureSession>
#include <QMediaDevices>
#include <QVideoFrameFormat>
#include <QVideoSink>

#include <algorithm>

namespace zonalyst::live {

VideoSinkFeed::VideoSinkFeed(QVideoSink& videoSink, const LiveClock& clock, FrameSink sink, QObject* parent)
    : QObject(parent) {
  // One converter for the run, so that colour frames keep the grey rule of the first.
  auto grey = std::make_shared<VideoFrameGrey>();
  connect(&videoSink, &QVideoSink::videoFrameChanged, this,
          [&clock, sink = std::move(sink), grey](const QVideoFrame& frame) {
            if (!frame.isValid()) return;
            ArrivedFrame arrived;
            arrived.time = clock.now();
            arrived.develop = [frame, grey] { return (*grey)(frame); };
            sink(std::move(arrived));
          });
}

CameraSource::CameraSource(const QCameraDevice& device, const QCameraFormat& format, const LiveClock& clock,
                           QObject* parent)
    : FrameSource(parent), device_(device), format_(format), clock_(clock) {}

CameraSource::~CameraSource() { stop(); }

QList<QCameraDevice> CameraSource::cameras() { return QMediaDevices::videoInputs(); }

QString CameraSource::FormatText(const QCameraFormat& format) {
  return QStringLiteral("%1 x %2, %3 fps, %4")
      .arg(format.resolution().width())
      .arg(format.resolution().height())
      .arg(static_cast<double>(format.maxFrameRate()), 0, 'g', 3)
      .arg(QVideoFrameFormat::pixelFormatToString(format.pixelFormat()));
}

QCameraFormat CameraSource::PreferredFormat(const QCameraDevice& device) {
  const auto grey = [](const QCameraFormat& f) {
    switch (f.pixelFormat()) {
      case QVideoFrameFormat::Format_Y8:
      case QVideoFrameFormat::Format_YUYV:
      case QVideoFrameFormat::Format_UYVY:
      case QVideoFrameFormat::Format_NV12:
      case QVideoFrameFormat::Format_YUV420P:
        return 1;
      default:
        return 0;
    }
  };
  const auto key = [&](const QCameraFormat& f) {
    const int width = f.resolution().width();
    return std::tuple(width <= 1280 ? width : -width, f.maxFrameRate(), grey(f));
  };
  const QList<QCameraFormat> formats = device.videoFormats();
  if (formats.isEmpty()) return {};
  return *std::max_element(formats.begin(), formats.end(),
                           [&](const QCameraFormat& a, const QCameraFormat& b) { return key(a) < key(b); });
}

bool CameraSource::start(FrameSink sink) {
  stop();
  camera_ = std::make_unique<QCamera>(device_);
  if (!format_.isNull()) camera_->setCameraFormat(format_);
  session_ = std::make_unique<QMediaCaptureSession>();
  videoSink_ = std::make_unique<QVideoSink>();
  feed_ = std::make_unique<VideoSinkFeed>(*videoSink_, clock_, std::move(sink));
  session_->setCamera(camera_.get());
  session_->setVideoSink(videoSink_.get());
  connect(camera_.get(), &QCamera::errorOccurred, this, [this](QCamera::Error, const QString& text) {
    emit failed(QStringLiteral("The camera stopped: %1").arg(text));
  });
  camera_->start();
  if (camera_->error() != QCamera::NoError) {
    emit failed(QStringLiteral("The camera could not start: %1").arg(camera_->errorString()));
    stop();
    return false;
  }
  return true;
}

void CameraSource::stop() {
  if (camera_) camera_->stop();
  feed_.reset();  // no frame reaches the sink from here on
  session_.reset();
  videoSink_.reset();
  camera_.reset();
}

ExposureLock CameraSource::lockExposure() {
  const QString still = QStringLiteral(" The readings still hold: only the ratio of a zone's two sides counts.");
  if (!camera_) return {false, QString()};
  if (!camera_->isExposureModeSupported(QCamera::ExposureManual)) {
    return {false, QStringLiteral("This camera's exposure cannot be locked: it sets its own.") + still};
  }
  const float now = camera_->exposureTime();
  camera_->setExposureMode(QCamera::ExposureManual);
  if (!camera_->supportedFeatures().testFlag(QCamera::Feature::ManualExposureTime)) {
    return {true, QStringLiteral("Exposure set to manual; this camera does not let its exposure time be set.")};
  }
  if (now > 0.0f) camera_->setManualExposureTime(now);
  return {true, QStringLiteral("Exposure locked at %1 ms.").arg(static_cast<double>(now) * 1000.0, 0, 'g', 3)};
}

}  // namespace zonalyst::live
