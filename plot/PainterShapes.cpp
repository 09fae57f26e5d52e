#include "PainterShapes.h"

#include <QPainter>
#include <QPolygonF>

#include <cmath>

namespace zonalyst::plot {
namespace {

constexpr double kFarAway = 1e6;

bool Drawable(const PicturePoint& p) {
  return std::isfinite(p.x) && std::isfinite(p.y) && std::abs(p.x) <= kFarAway && std::abs(p.y) <= kFarAway;
}

}  // namespace

QColor ToQColor(Rgb colour) { return QColor(colour.r, colour.g, colour.b); }

void FillPolygon(QPainter& painter, const std::vector<PicturePoint>& corners, Rgb colour,
                 const std::function<QPointF(const PicturePoint&)>& toDevice) {
  if (corners.size() < 3) return;
  QPolygonF polygon;
  for (const PicturePoint& corner : corners) {
    if (!Drawable(corner)) return;
    polygon << toDevice(corner);
  }
  painter.setPen(Qt::NoPen);
  painter.setBrush(ToQColor(colour));
  painter.drawPolygon(polygon);
  painter.setBrush(Qt::NoBrush);
}

}  // namespace zonalyst::plot
