#include "DiscView.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace zonalyst::ui {
namespace {

// The rim is taken hold of within this many screen pixels.
constexpr double kRimReach = 6.0;
// A notch of the wheel magnifies by this much; a frame pixel shows at most this large.
constexpr double kZoomStep = 1.25;
constexpr double kLargestPixel = 16.0;

// The frame as 8-bit grey, its brightest value white.
QImage GreyImage(const GreyFrame& frame) {
  QImage image(frame.width, frame.height, QImage::Format_Grayscale8);
  if (image.isNull() || frame.grey.empty()) return {};
  const double brightest = std::max<double>(1.0, *std::max_element(frame.grey.begin(), frame.grey.end()));
  for (int y = 0; y < frame.height; ++y) {
    uchar* line = image.scanLine(y);
    for (int x = 0; x < frame.width; ++x) line[x] = static_cast<uchar>(255.0 * frame.at(x, y) / brightest + 0.5);
  }
  return image;
}

}  // namespace

DiscView::DiscView(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("picDisc"));
  setFixedSize(360, 360);
  setMouseTracking(true);
  setToolTip(QStringLiteral("Drag the disc to move it, its rim to resize it; the wheel magnifies the view"));
}

void DiscView::setFrame(const GreyFrame& brightest) {
  image_ = GreyImage(brightest);
  fileScale_ = brightest.scale;
  showWhole();
}

void DiscView::replaceFrame(const GreyFrame& frame) {
  if (image_.width() != frame.width || image_.height() != frame.height) {
    setFrame(frame);
    return;
  }
  image_ = GreyImage(frame);
  fileScale_ = frame.scale;
  update();
}

void DiscView::setDisc(const PhotoDisc& disc) {
  disc_ = disc;
  update();
}

void DiscView::setZones(const std::vector<ZoneNull>& zones) {
  zones_ = zones;
  update();
}

panel::FrameFit DiscView::fit() const {
  return panel::FrameFit::Zoomed(image_.width(), image_.height(), width(), height(), zoom_, centre_.x(), centre_.y());
}

void DiscView::zoomTo(double zoom, double centreX, double centreY) {
  const double whole = panel::FrameFit::Of(image_.width(), image_.height(), width(), height()).scale;
  const bool wasMagnified = magnified();
  zoom_ = std::clamp(zoom, 1.0, std::max(1.0, kLargestPixel / whole));
  if (magnified() != wasMagnified) emit magnifiedChanged(magnified());
  centre_ = QPointF(centreX, centreY);
  // The centre as the view shows it, kept within the frame.
  const panel::FrameFit f = fit();
  centre_ = QPointF(f.toFrameX(width() / 2.0), f.toFrameY(height() / 2.0));
  update();
}

void DiscView::showEdge() {
  if (image_.isNull()) return;
  const double whole = panel::FrameFit::Of(image_.width(), image_.height(), width(), height()).scale;
  zoomTo(std::max(2.0, fileScale_ / whole), disc_.x + disc_.radius, disc_.y);
}

void DiscView::showWhole() { zoomTo(1.0, 0.0, 0.0); }

void DiscView::wheelEvent(QWheelEvent* event) {
  if (image_.isNull()) return;
  const panel::FrameFit before = fit();
  const QPointF mouse = event->position();
  const QPointF held(before.toFrameX(mouse.x()), before.toFrameY(mouse.y()));
  const double zoom = zoom_ * std::pow(kZoomStep, event->angleDelta().y() / 120.0);
  const double whole = panel::FrameFit::Of(image_.width(), image_.height(), width(), height()).scale;
  const double scale = whole * std::clamp(zoom, 1.0, std::max(1.0, kLargestPixel / whole));
  // The frame point under the mouse stays under it.
  zoomTo(zoom, held.x() + (width() / 2.0 - mouse.x()) / scale, held.y() + (height() / 2.0 - mouse.y()) / scale);
  event->accept();
}

void DiscView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::black);
  if (image_.isNull()) return;
  const panel::FrameFit f = fit();
  // Only the frame's pixels in view, each a square of its own once magnified.
  painter.setRenderHint(QPainter::SmoothPixmapTransform, f.scale < 1.0);
  const QRectF frameInView =
      QRectF(f.toFrameX(0), f.toFrameY(0), width() / f.scale, height() / f.scale).intersected(QRectF(image_.rect()));
  const QRect source = frameInView.toAlignedRect().intersected(image_.rect());
  painter.drawImage(
      QRectF(f.toViewX(source.left()), f.toViewY(source.top()), source.width() * f.scale, source.height() * f.scale),
      image_, source);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setBrush(Qt::NoBrush);
  for (const ZoneNull& zone : zones_) {
    painter.setPen(QPen(zone.status == NullStatus::Read ? QColor(0, 220, 0) : QColor(150, 150, 150), 1));
    for (const PixelWindow& w : {zone.left, zone.right}) {
      painter.drawRect(QRectF(f.toViewX(w.x0), f.toViewY(w.y0), (w.x1 - w.x0) * f.scale, (w.y1 - w.y0) * f.scale));
    }
  }
  painter.setPen(QPen(QColor(255, 255, 0), 1.5));
  const QPointF centre(f.toViewX(disc_.x), f.toViewY(disc_.y));
  painter.drawEllipse(centre, disc_.radius * f.scale, disc_.radius * f.scale);
  painter.drawLine(centre - QPointF(5, 0), centre + QPointF(5, 0));
  painter.drawLine(centre - QPointF(0, 5), centre + QPointF(0, 5));
}

void DiscView::mousePressEvent(QMouseEvent* event) {
  const panel::FrameFit f = fit();
  if (image_.isNull() || event->button() != Qt::LeftButton) return;
  from_ = QPointF(f.toFrameX(event->position().x()), f.toFrameY(event->position().y()));
  held_ = disc_;
  grab_ = panel::GrabAt(disc_, from_.x(), from_.y(), kRimReach / f.scale);
  panning_ = grab_ == panel::DiscGrab::None && magnified();
}

void DiscView::mouseMoveEvent(QMouseEvent* event) {
  const panel::FrameFit f = fit();
  const double x = f.toFrameX(event->position().x());
  const double y = f.toFrameY(event->position().y());
  if (panning_) {
    zoomTo(zoom_, centre_.x() - (x - from_.x()), centre_.y() - (y - from_.y()));
    return;
  }
  if (grab_ == panel::DiscGrab::None) {
    // Shows what a press would take hold of.
    const panel::DiscGrab under =
        image_.isNull() ? panel::DiscGrab::None : panel::GrabAt(disc_, x, y, kRimReach / f.scale);
    setCursor(under == panel::DiscGrab::Rim      ? Qt::SizeFDiagCursor
              : under == panel::DiscGrab::Centre ? Qt::SizeAllCursor
                                                 : Qt::ArrowCursor);
    return;
  }
  disc_ = panel::Dragged(held_, grab_, from_.x(), from_.y(), x, y);
  update();
  emit discMoved(disc_);
}

void DiscView::mouseReleaseEvent(QMouseEvent*) {
  grab_ = panel::DiscGrab::None;
  panning_ = false;
}

}  // namespace zonalyst::ui
