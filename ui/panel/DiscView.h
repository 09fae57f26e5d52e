#pragma once

#include "core/PhotoReadings.h"
#include "ui/panel/rules/DiscDrag.h"

#include <QImage>
#include <QWidget>

#include <vector>

namespace zonalyst::ui {

// The brightest-of-all frame with the disc and the zones' windows drawn over it (read
// zones green, the others grey). The disc moves when dragged from inside and resizes when
// its rim is dragged. The wheel magnifies the view about the mouse, up to 16 screen pixels
// a frame pixel; dragging outside the disc moves a magnified view.
class DiscView final : public QWidget {
  Q_OBJECT
 public:
  explicit DiscView(QWidget* parent = nullptr);

  void setFrame(const GreyFrame& brightest);
  // The next frame of a live view: the view stays magnified where it was while the frames keep
  // their size.
  void replaceFrame(const GreyFrame& frame);
  void setDisc(const PhotoDisc& disc);
  void setZones(const std::vector<ZoneNull>& zones);
  // Where a frame pixel shows in the view.
  panel::FrameFit fit() const;
  // Magnifies the view so that one pixel of the photo's file shows as one screen pixel (at
  // least twice the whole frame's), on the rim's rightmost point; or shows the whole frame.
  void showEdge();
  void showWhole();
  bool magnified() const { return zoom_ > 1.0; }

 signals:
  // The disc as the user's drag leaves it, frame pixels.
  void discMoved(const PhotoDisc& disc);
  void magnifiedChanged(bool magnified);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

 private:
  void zoomTo(double zoom, double centreX, double centreY);

  QImage image_;
  double fileScale_ = 1.0;  // file pixels a frame pixel stands for
  double zoom_ = 1.0;       // 1: the whole frame
  QPointF centre_;          // the frame point in the middle of a magnified view
  PhotoDisc disc_;
  std::vector<ZoneNull> zones_;
  panel::DiscGrab grab_ = panel::DiscGrab::None;
  bool panning_ = false;
  PhotoDisc held_;  // the disc when the mouse took hold of it
  QPointF from_;    // where, frame pixels
};

}  // namespace zonalyst::ui
