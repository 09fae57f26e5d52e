#pragma once

#include "PictureSurface.h"

#include <QColor>
#include <QPointF>

#include <functional>
#include <vector>

class QPainter;

namespace zonalyst::plot {

QColor ToQColor(Rgb colour);

// Fills the polygon through `corners`, each placed on the device by `toDevice`. Nothing is
// drawn for fewer than three corners, or when a corner is not finite or lies so far away
// (beyond 1e6 picture units) that it would overflow the rasteriser: no chart draws there.
void FillPolygon(QPainter& painter, const std::vector<PicturePoint>& corners, Rgb colour,
                 const std::function<QPointF(const PicturePoint&)>& toDevice);

}  // namespace zonalyst::plot
