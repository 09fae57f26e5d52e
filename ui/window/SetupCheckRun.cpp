#include "SetupCheckRun.h"

#include <algorithm>

#include "WindowPanels.h"
#include "core/SurfaceAnalysis.h"

namespace zonalyst::ui {

bool ValidateSetup(const MirrorTest& test, Panel panelOnShow, Prompter& prompter,
                   const std::function<void(const SetupFinding&, SetupScope)>& focusFinding) {
  const std::optional<SetupScope> scope = WindowPanelOf(panelOnShow).checksOnLeaving;
  if (!scope) return false;
  for (const SetupFinding& finding : CheckSetup(test, *scope)) {
    MessageRequest request;
    request.text = QString::fromStdString(finding.message);
    request.title = QString::fromStdString(finding.title);
    if (finding.question) {
      request.buttons = MessageButtons::OkCancel;
      if (prompter.message(request) == MessageAnswer::Ok) continue;
    } else {
      request.icon = MessageIcon::Critical;
      prompter.message(request);
    }
    if (focusFinding) focusFinding(finding, *scope);
    return true;
  }
  return false;
}

bool RefuseIrreducible(const MirrorTest& test, const BesselTable& bessel, Prompter& prompter) {
  const std::vector<SetupFinding> findings = CheckSetup(test, SetupScope::SetupPanel);
  const bool refusedBySetup =
      std::any_of(findings.begin(), findings.end(), [](const SetupFinding& finding) { return !finding.question; });
  if (refusedBySetup || ReducesToSurface(test, bessel)) return false;
  MessageRequest request;
  request.text = QString::fromLatin1(kIrreducibleReadings);
  request.icon = MessageIcon::Critical;
  prompter.message(request);
  return true;
}

}  // namespace zonalyst::ui
