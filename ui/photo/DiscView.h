#pragma once

#include "core/PhotoReadings.h"
#include "ui/photo/rules/DiscDrag.h"

#include <QImage>
#include <QWidget>

#include <vector>

namespace zonalyst::ui {

// The brightest-of-all frame with the disc and the zones' windows drawn over it (read
// zones green, the others grey). The disc moves when dragged from inside and resizes when
// its rim is dragged.
class DiscView final : public QWidget {
  Q_OBJECT
 public:
  explicit DiscView(QWidget* parent = nullptr);

  void setFrame(const GreyFrame& brightest);
  void setDisc(const PhotoDisc& disc);
  void setZones(const std::vector<ZoneNull>& zones);
  // Where a frame pixel shows in the view.
  photos::FrameFit fit() const;

 signals:
  // The disc as the user's drag leaves it, frame pixels.
  void discMoved(const PhotoDisc& disc);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  QImage image_;
  PhotoDisc disc_;
  std::vector<ZoneNull> zones_;
  photos::DiscGrab grab_ = photos::DiscGrab::None;
  PhotoDisc held_;  // the disc when the mouse took hold of it
  QPointF from_;    // where, frame pixels
};

}  // namespace zonalyst::ui
