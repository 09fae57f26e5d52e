#pragma once

#include <functional>

#include "ui/panel/PanelId.h"
#include "ui/prompt/Prompter.h"
#include "core/BesselTable.h"
#include "core/MirrorTest.h"
#include "core/SetupValidation.h"

namespace zonalyst::ui {

// The checks that guard a switch away from the panel on show, those of its row
// (WindowPanel::checksOnLeaving: the setup and readings panels); other panels check
// nothing. Each finding is shown as its message box (the focal-ratio question with OK and
// Cancel, the others with OK and the critical icon); a refusal puts the focus through
// focusFinding. Returns true when the user must fix something.
bool ValidateSetup(const MirrorTest& test, Panel panelOnShow, Prompter& prompter,
                   const std::function<void(const SetupFinding&, SetupScope)>& focusFinding);

// Before an analysis panel shows the test: when the setup checks accept it but its
// readings do not reduce to a surface (values no mirror has), shows kIrreducibleReadings
// with the critical icon and returns true. A setup that the checks refuse is left to them.
bool RefuseIrreducible(const MirrorTest& test, const BesselTable& bessel, Prompter& prompter);

}  // namespace zonalyst::ui
