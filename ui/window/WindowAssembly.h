#pragma once

#include "platform/Clipboard.h"

namespace zonalyst::ui {

class MainWindow;

// Puts every panel into the window's frames: load, setup and readings (1 to 3) and the
// live analysis panels (4 to 8) with the image export of F9.
void InstallPanels(MainWindow& window, platform::Clipboard& clipboard);

}  // namespace zonalyst::ui
