#pragma once

#include <functional>

#include "Prompter.h"
#include "core/MirrorTest.h"
#include "core/SetupValidation.h"

namespace zonalyst::ui {

// The checks that guard a switch away from the setup (panel 2) or readings (panel 3)
// panel; with any other panel on show nothing is checked. Each finding is shown as its
// message box (the focal-ratio question with OK and Cancel, the others with OK and the
// critical icon); a refusal puts the focus through focusFinding. Returns true when the
// user must fix something.
bool ValidateSetup(const MirrorTest& test, int panelOnShow, Prompter& prompter,
                   const std::function<void(const SetupFinding&, SetupScope)>& focusFinding);

}  // namespace zonalyst::ui
