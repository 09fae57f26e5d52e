#pragma once

#include <QString>

namespace zonalyst::ui {

// Indices of the ten panels and their function buttons.
enum Panel : int {
  kExitPanel = 0,
  kLoadPanel = 1,
  kSetupPanel = 2,
  kReadingsPanel = 3,
  kSurfaceErrorPanel = 4,
  kMilliesLacroixPanel = 5,
  kTransverseErrorPanel = 6,
  kDiffractionPanel = 7,
  kStarTestPanel = 8,
  kSaveImagePanel = 9,
  kTestersViewPanel = 10,
};
inline constexpr int kPanelCount = 11;

bool IsAnalysisPanel(int panel);

// The caption of function button i ("(F4) - Surface Error").
QString ButtonCaption(int panel);
// The frame caption of panel i; panels 2 to 8 name the open test ("Test Setup Panel -- m.fdr").
QString PanelCaption(int panel, const QString& fileName);
// The tooltip of the image button.
QString SaveImageTooltip();
// The help line the load panel shows on entry.
QString LoadPanelHelp();

// Whether function button i can be pressed: Exit and Load always, the others with a test open.
bool ButtonEnabled(int panel, bool testOpen);

}  // namespace zonalyst::ui
