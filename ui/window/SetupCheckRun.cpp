#include "SetupCheckRun.h"

#include "WindowPanels.h"
#include "core/ReadingsValidation.h"

namespace zonalyst::ui {
namespace {

MessageRequest Refusal(const std::string& message, const std::string& title) {
  MessageRequest request;
  request.text = QString::fromStdString(message);
  if (!title.empty()) request.title = QString::fromStdString(title);
  request.icon = MessageIcon::Critical;
  return request;
}

std::optional<ReadingsRefusal> RefuseReadings(MirrorTest test, const BesselTable& bessel) {
  SurfaceAnalysis analysis(bessel);
  return AnalyseReadings(test, analysis);
}

}  // namespace

bool ValidateSetup(const MirrorTest& test, const BesselTable& bessel, Panel panelOnShow, Prompter& prompter,
                   const std::function<void(entry::FixPlace)>& fix) {
  const std::optional<SetupScope> scope = WindowPanelOf(panelOnShow).checksOnLeaving;
  if (!scope) return false;
  for (const SetupFinding& finding : CheckSetup(test, *scope)) {
    if (finding.question) {
      MessageRequest request;
      request.text = QString::fromStdString(finding.message);
      request.title = QString::fromStdString(finding.title);
      request.buttons = MessageButtons::OkCancel;
      if (prompter.message(request) == MessageAnswer::Ok) continue;
    } else {
      prompter.message(Refusal(finding.message, finding.title));
    }
    fix(entry::RefusalPlace(finding, *scope));
    return true;
  }
  if (*scope != SetupScope::ReadingsPanel) return false;
  // The readings it shows; values too large to compute with are mended on the setup panel,
  // and a test without readings is no fault of the readings panel's.
  const std::optional<ReadingsRefusal> refusal = RefuseReadings(test, bessel);
  if (!refusal || refusal->check == ReadingsRefusal::Check::NoReadings) return false;
  const entry::FixPlace place = entry::RefusalPlace(*refusal);
  if (!place.onReadingsPanel) return false;
  prompter.message(Refusal(refusal->message, {}));
  fix(place);
  return true;
}

AnalysisCheck CheckBeforeAnalysis(const MirrorTest& test, const BesselTable& bessel) {
  for (const SetupFinding& finding : CheckSetup(test, SetupScope::SetupPanel)) {
    if (finding.question) continue;
    return {entry::RefusalPlace(finding, SetupScope::SetupPanel), Refusal(finding.message, finding.title)};
  }
  const std::optional<ReadingsRefusal> refusal = RefuseReadings(test, bessel);
  if (!refusal) return {};
  if (refusal->check == ReadingsRefusal::Check::NoReadings) return {std::nullopt, {}, true};
  return {entry::RefusalPlace(*refusal), Refusal(refusal->message, {})};
}

}  // namespace zonalyst::ui
