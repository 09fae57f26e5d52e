#pragma once

#include "AnalysisPanel.h"

namespace zonalyst::ui {

// The picture, result labels and chart of analysis panel 4..8.
AnalysisPanelLayout AnalysisPanelFor(int panel);

}  // namespace zonalyst::ui
