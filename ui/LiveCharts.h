#pragma once

#include <memory>

#include "AnalysisChart.h"
#include "plot/TesterViewChart.h"

namespace zonalyst::ui {

// What the live pictures read from their panel's controls at every drawing.
struct MilliesLacroixControls {
  int shift = 0;  // HScroll1(4), -100..100
};
struct SpotControls {
  double obstruction = 0.0;  // per cent of the diameter used by the next drawing
};
struct StarControls {
  int defocusWaves = 0;
  double obstruction = 33.0;
  bool detail = false;
  bool contrast = false;
};

// Charts of the Millies-Lacroix, spot diffraction and star test panels that draw with the
// current positions of their controls (read through the references given).
std::unique_ptr<AnalysisChart> MakeMilliesLacroixChart(const MilliesLacroixControls& controls);
std::unique_ptr<AnalysisChart> MakeSpotChart(const SpotControls& controls);
std::unique_ptr<AnalysisChart> MakeStarChart(const StarControls& controls);
// The tester's view draws both mirrors at the best-fit radius it is given.
std::unique_ptr<AnalysisChart> MakeTestersViewChart(const plot::TesterControls& controls);

}  // namespace zonalyst::ui
