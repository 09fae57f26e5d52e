#pragma once

#include "ui/entry/rules/ListPosition.h"
#include "ui/panel/PanelId.h"

#include <QString>

namespace zonalyst::ui {

// The caption of the panel's function button ("(F4) - Surface Error").
QString ButtonCaption(Panel panel);
// The panel's frame caption, followed by the open test's name where the panel names it
// ("Test Setup Panel -- m.fdr").
QString PanelCaption(Panel panel, const QString& fileName);
// The help line the load panel shows on entry.
QString LoadPanelHelp();
// The help line after a step found no test that way: the open one is the last or first.
QString FolderEndHelp(entry::FileStep step);

// Whether the panel's function button can be pressed: Exit and Load always, the others with
// a test open.
bool ButtonEnabled(Panel panel, bool testOpen);

}  // namespace zonalyst::ui
