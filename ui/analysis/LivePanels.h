#pragma once

#include "platform/Clipboard.h"

namespace zonalyst::ui {

class MainWindow;
class LivePanel;
class MilliesLacroixPanel;
class OffsetPanel;
class SpotDiffractionPanel;
class StarTestPanel;
class SurfaceErrorPanel;
class TestersViewPanel;

struct LivePanels {
  SurfaceErrorPanel* surface = nullptr;
  MilliesLacroixPanel* milliesLacroix = nullptr;
  OffsetPanel* transverse = nullptr;
  SpotDiffractionPanel* spot = nullptr;
  StarTestPanel* star = nullptr;
  TestersViewPanel* testersView = nullptr;
};

// Puts the live analysis panels into the window's frames 4 to 8 and 10: their sliders joined in
// the array HScroll1 with its common handler, the best-fit conic and Monte Carlo buttons,
// and the image export of F9.
LivePanels InstallLivePanels(MainWindow& window, platform::Clipboard& clipboard);

}  // namespace zonalyst::ui
