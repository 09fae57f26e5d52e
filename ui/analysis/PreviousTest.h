#pragma once

#include "core/QualityMetrics.h"
#include "plot/SurfaceErrorChart.h"
#include "ui/panel/AppState.h"

#include <QString>

#include <optional>

namespace zonalyst::ui {

// The test written before the open one in its folder, the one `history` lists before it,
// reduced and measured at its own best-fit radius, so that the surface error panel can
// draw it behind the open test; or, in its legend, why it is not drawn. Read again
// whenever another test is open.
class PreviousTest {
 public:
  PreviousTest() = default;
  PreviousTest(const PreviousTest&) = delete;  // the earlier test points into it
  PreviousTest& operator=(const PreviousTest&) = delete;

  // The previous test and the legend that names it with its file's date. No metrics when
  // there is none, or it does not load, its setup would be refused or its readings are
  // refused: the legend then says so.
  const plot::EarlierTest& readFor(const AppState& state);
  // Forgets what was read, so that the next call reads the folder again.
  void forget() { openTest_.reset(); }

 private:
  std::optional<QString> openTest_;  // folder and name of the open test the rest belongs to
  std::optional<QualityMetrics> metrics_;
  plot::EarlierTest earlier_;
};

}  // namespace zonalyst::ui
