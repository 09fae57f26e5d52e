#pragma once

#include "plot/Panel.h"

namespace zonalyst::ui {

// The panels, the same for the window and the command line's pictures.
using plot::kPanelCount;
using plot::Panel;
using plot::RowIndex;

}  // namespace zonalyst::ui
