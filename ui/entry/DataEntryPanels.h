#pragma once

#include "platform/Clipboard.h"

namespace zonalyst::ui {

class FilePanel;
class MainWindow;
class ReadingsPanel;
class SetupPanel;

struct DataEntryPanels {
  FilePanel* files = nullptr;
  SetupPanel* setup = nullptr;
  ReadingsPanel* readings = nullptr;
};

// Puts the load, setup and readings panels into the window's frames 1 to 3, with the
// unsaved-changes dialog, the help line and the hooks the window calls them by.
DataEntryPanels InstallDataEntryPanels(MainWindow& window, platform::Clipboard& clipboard);

}  // namespace zonalyst::ui
