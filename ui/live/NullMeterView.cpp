#include "NullMeterView.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace zonalyst::ui {

NullMeterView::NullMeterView(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("picNullMeter"));
  setMinimumSize(260, 200);
  setToolTip(QStringLiteral("Each zone's contrast (L - R) / (L + R): the bar shrinks to the middle line at the null"));
}

void NullMeterView::show(const std::vector<livetester::MeterBar>& bars, const std::vector<MeteredZone>& zones,
                         double scale) {
  bars_ = bars;
  zones_ = zones;
  scale_ = scale;
  update();
}

void NullMeterView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().base());
  const int rows = static_cast<int>(zones_.size());
  if (rows == 0) return;
  const QFontMetrics metrics(font());
  const int label = metrics.horizontalAdvance(QStringLiteral("15")) + 8;
  const int mark = metrics.horizontalAdvance(QStringLiteral("null")) + 8;
  const double left = label, right = width() - mark;
  const double middle = (left + right) / 2.0, half = (right - left) / 2.0;
  const double row = std::min(24.0, static_cast<double>(height()) / rows);
  painter.setPen(palette().text().color());
  painter.drawLine(QPointF(middle, 0), QPointF(middle, row * rows));
  for (int z = 0; z < rows; ++z) {
    const double top = z * row;
    const bool readable = zones_[static_cast<std::size_t>(z)].status == NullStatus::Read;
    painter.setPen(readable ? palette().text().color() : QColor(150, 150, 150));
    painter.drawText(QRectF(0, top, label - 4, row), Qt::AlignRight | Qt::AlignVCenter, QString::number(z + 1));
    if (static_cast<std::size_t>(z) >= bars_.size()) continue;
    const livetester::MeterBar& bar = bars_[static_cast<std::size_t>(z)];
    if (!std::isfinite(bar.contrast)) continue;
    const double length = std::clamp(bar.contrast / scale_, -1.0, 1.0) * half;
    const QColor colour = !readable ? QColor(170, 170, 170) : bar.null ? QColor(0, 170, 0) : QColor(40, 90, 200);
    painter.fillRect(QRectF(std::min(middle, middle + length), top + row * 0.2, std::abs(length), row * 0.6), colour);
    if (bar.null) {
      painter.setPen(QColor(0, 140, 0));
      painter.drawText(QRectF(right + 4, top, mark, row), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("null"));
    }
  }
}

}  // namespace zonalyst::ui
