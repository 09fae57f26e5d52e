#pragma once

#include <functional>

#include "AnalysisPanel.h"

namespace zonalyst::ui {

// The metrics of an earlier test to draw behind the open one, or none.
using EarlierMetrics = std::function<const QualityMetrics*()>;

// The surface error chart, with an earlier test's curve behind it whenever `earlier` gives one.
std::unique_ptr<AnalysisChart> MakeSurfaceErrorChart(EarlierMetrics earlier);

// The picture, result labels and chart of analysis panel 4..8.
AnalysisPanelLayout AnalysisPanelFor(int panel);

}  // namespace zonalyst::ui
