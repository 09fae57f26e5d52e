#include "Artwork.h"

#include <QPainter>
#include <QPainterPath>

namespace zonalyst::ui {

QPixmap MirrorArtwork(int side) {
  QPixmap pixmap(side, side);
  pixmap.fill(QColor(16, 24, 48));
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.scale(side / 64.0, side / 64.0);
  // The light cone from the mirror to the knife edge.
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(255, 230, 120, 110));
  painter.drawPolygon(QPolygonF({QPointF(50, 10), QPointF(50, 54), QPointF(10, 32)}));
  // The concave mirror.
  QPainterPath mirror;
  mirror.moveTo(48, 8);
  mirror.quadTo(56, 32, 48, 56);
  mirror.lineTo(54, 56);
  mirror.quadTo(62, 32, 54, 8);
  mirror.closeSubpath();
  painter.setBrush(QColor(200, 210, 230));
  painter.drawPath(mirror);
  // The knife edge.
  painter.setBrush(QColor(230, 60, 50));
  painter.drawPolygon(QPolygonF({QPointF(6, 40), QPointF(12, 32), QPointF(12, 40)}));
  return pixmap;
}

}  // namespace zonalyst::ui
