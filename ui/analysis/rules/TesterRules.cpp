#include "TesterRules.h"

#include "core/Constants.h"

namespace zonalyst::analysis {

TesterLengthSliders LengthSlidersFor(bool inches) {
  // About the same lengths either way: a cut of 0.5 mm (0.02 inch) each side of the axis,
  // a slit up to 1 mm (0.04 inch), the knife 25 micrometres (0.001 inch) into the beam
  // and a slit of 0.1 mm (0.004 inch) at first.
  if (inches) return {{-200, 200, 10, 10}, {2, 400, 40, 10}, kMmPerInch / 10000.0};
  return {{-500, 500, 25, 10}, {5, 1000, 100, 10}, 0.001};
}

int CutPositionFor(TesterPattern pattern, const TesterLengthSliders& sliders) {
  return pattern == TesterPattern::Foucault ? sliders.cut.initial : 0;
}

const char* CutHeading(TesterPattern pattern) { return pattern == TesterPattern::Foucault ? "Cut" : "Phase"; }

std::string LinesPerInchCaption(int lines) { return std::to_string(lines) + " lines per inch"; }

std::string KnifeHelp() {
  return "Use Arrow keys or Mouse to move the knife along the axis. Its position is a reading on the same scale, "
         "in the same units, as the readings typed on F3: a zone looks evenly grey at its own average reading";
}

std::string CutHelp() {
  return "Use Arrow keys or Mouse to set how far the knife edge stands past the axis into the beam, "
         "or the phase of the grating, in the units of the test";
}

std::string SlitHelp() {
  return "Use Arrow keys or Mouse to set the width of the slit light source, in the units of the test";
}

std::string LinesPerInchHelp() { return "Use Arrow keys or Mouse to set the lines per inch of the Ronchi grating"; }

std::string PatternHelp() {
  return "Foucault shows the shadows behind a knife edge, Ronchi the bands behind a grating at the same place";
}

std::string SideHelp() {
  return "Check to bring the knife edge (or the grating) in from the left instead of the right";
}

}  // namespace zonalyst::analysis
