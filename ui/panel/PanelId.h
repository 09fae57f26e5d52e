#pragma once

#include "plot/Panel.h"

namespace zonalyst::ui {

// The panels, the same for the window and the command line's pictures.
using plot::IndexOf;
using plot::Panel;

}  // namespace zonalyst::ui
