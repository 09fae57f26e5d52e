#pragma once

#include <QString>
#include <optional>

#include "ui/panel/AppState.h"
#include "core/QualityMetrics.h"

namespace zonalyst::ui {

// The test before the open one in its folder (the one Z opens), reduced and measured at
// its own best-fit radius, so that the surface error panel can draw it behind the open
// test. Read again whenever another test is open.
class PreviousTest {
 public:
  // The previous test's metrics, or none when there is no previous test, it does not load
  // or its setup would be refused.
  const QualityMetrics* metricsFor(const AppState& state);
  // Its file name; empty when there is none.
  const QString& name() const { return name_; }
  // Forgets what was read, so that the next call reads the folder again.
  void forget() { openTest_.clear(); }

 private:
  QString openTest_;  // folder and name of the open test the metrics belong to
  QString name_;
  std::optional<QualityMetrics> metrics_;
};

}  // namespace zonalyst::ui
