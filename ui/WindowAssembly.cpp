#include "WindowAssembly.h"

#include "DataEntryPanels.h"
#include "LivePanels.h"

namespace zonalyst::ui {

void InstallPanels(MainWindow& window, platform::Clipboard& clipboard) {
  InstallDataEntryPanels(window, clipboard);
  InstallLivePanels(window, clipboard);
}

}  // namespace zonalyst::ui
