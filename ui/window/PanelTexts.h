#pragma once

#include <QString>

#include "ui/panel/PanelId.h"

namespace zonalyst::ui {

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
