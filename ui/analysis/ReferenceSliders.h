#pragma once

#include <span>

namespace zonalyst::ui {

class AnalysisPanel;
class StarTestPanel;

// Joins the reference sliders of the panels given (null entries left out) into the array
// HScroll1 with its common handler: every movement first sets "High Detail" by the star
// test's defocus slider, then redraws the slider's own panel.
void JoinReferenceSliders(std::span<AnalysisPanel* const> panels, StarTestPanel& starTest);

}  // namespace zonalyst::ui
