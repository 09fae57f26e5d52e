#pragma once

#include "core/BesselTable.h"
#include "core/MirrorTest.h"
#include "ui/entry/rules/ValidationFocus.h"
#include "ui/panel/PanelId.h"
#include "ui/prompt/Prompter.h"

#include <functional>
#include <optional>

namespace zonalyst::ui {

// The checks that guard a switch away from the panel on show, those of its row
// (WindowPanel::checksOnLeaving: the setup and readings panels); other panels check
// nothing. Each finding is shown as its message box (the focal-ratio question with OK and
// Cancel, the others with OK and the critical icon); a refusal puts the focus through
// fix. Leaving the readings panel also refuses the readings that it shows and that no
// mirror gives (AnalyseReadings). Returns true when the user must fix something.
bool ValidateSetup(const MirrorTest& test, const BesselTable& bessel, Panel panelOnShow, Prompter& prompter,
                   const std::function<void(entry::FixPlace)>& fix);

// What the checks before an analysis found.
struct AnalysisCheck {
  std::optional<entry::FixPlace> refused;  // where to mend it
  MessageRequest refusal;                  // what to tell the user, once the panel where it is mended is on show
  bool noReadings = false;                 // nothing refused, but no reading entered yet
};

// Before an analysis panel shows the test, on every way in, the checks of the command
// line: the setup checks (their refusals; the focal-ratio question is the setup panel's
// to ask) and the readings checks (AnalyseReadings). A refusal is told as its message
// box with the critical icon.
AnalysisCheck CheckBeforeAnalysis(const MirrorTest& test, const BesselTable& bessel);

}  // namespace zonalyst::ui
