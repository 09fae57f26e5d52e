#pragma once

#include "core/ZoneMeter.h"
#include "ui/live/rules/NullMeter.h"

#include <QWidget>

#include <vector>

namespace zonalyst::ui {

// The null meter: a row per zone, its averaged contrast c as a bar from the middle (right
// for c > 0, left for c < 0) on a scale of +-scale, "null" beside it when marked; zones the
// meter cannot read (near the centre, outside the disc) are grey.
class NullMeterView final : public QWidget {
  Q_OBJECT
 public:
  explicit NullMeterView(QWidget* parent = nullptr);
  void show(const std::vector<livetester::MeterBar>& bars, const std::vector<MeteredZone>& zones, double scale);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::vector<livetester::MeterBar> bars_;
  std::vector<MeteredZone> zones_;
  double scale_ = 0.2;
};

}  // namespace zonalyst::ui
