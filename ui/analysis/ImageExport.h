#pragma once

#include "ui/panel/AppState.h"
#include "ui/prompt/Prompter.h"

namespace zonalyst::ui {

class AnalysisPanel;

// F9, "Save as Image": the analysis panel's saved picture (its frame as shown with the
// report of the test below it; for the star test the images at 2, 5 and 10 waves of
// defocus stacked instead), inverted if the user asks, saved under the name chosen in
// the save dialog as GIF (with the progress window and the busy pointer) or PNG.
// Cancelling the dialog saves nothing; a failed write, and memory running out
// (SaveGuardingMemory), are reported.
void SaveImageAndReport(AnalysisPanel& panel, Prompter& prompter, const AppState& state);

}  // namespace zonalyst::ui
