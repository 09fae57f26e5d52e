#include "WindowAssembly.h"

#include "ui/entry/DataEntryPanels.h"
#include "ui/analysis/LivePanels.h"

namespace zonalyst::ui {

void InstallPanels(MainWindow& window, platform::Clipboard& clipboard) {
  InstallDataEntryPanels(window, clipboard);
  InstallLivePanels(window, clipboard);
}

}  // namespace zonalyst::ui
