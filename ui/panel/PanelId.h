#pragma once

#include "plot/Panel.h"

namespace zonalyst::ui {

// The panels by number, the same for the window and the command line's pictures.
using plot::IsAnalysisPanel;
using plot::kPanelCount;
using plot::Panel;
using enum plot::Panel;

}  // namespace zonalyst::ui
