#include "TesterRules.h"

#include "core/NumberText.h"

namespace zonalyst::analysis {

int CutPositionFor(TesterPattern pattern) {
  return pattern == TesterPattern::Foucault ? kCutRange.initial : 0;
}

std::string MillimetreCaption(int thousandths) { return FormatFixed(thousandths * kMmPerCutStep, 3) + " mm"; }

std::string LinesPerInchCaption(int lines) { return std::to_string(lines) + " lines per inch"; }

std::string KnifeHelp() {
  return "Use Arrow keys or Mouse to move the knife along the axis. Its position is a reading on the same scale, "
         "in the same units, as the readings typed on F3: a zone looks evenly grey at its own average reading";
}

std::string CutHelp() {
  return "Use Arrow keys or Mouse to set how far the knife edge stands past the axis into the beam (mm), "
         "or the phase of the grating";
}

std::string SlitHelp() { return "Use Arrow keys or Mouse to set the width of the slit light source (mm)"; }

std::string LinesPerInchHelp() { return "Use Arrow keys or Mouse to set the lines per inch of the Ronchi grating"; }

std::string PatternHelp() {
  return "Foucault shows the shadows behind a knife edge, Ronchi the bands behind a grating at the same place";
}

std::string SideHelp() { return "Check to bring the knife edge (or the grating) in from the left instead of the right"; }

}  // namespace zonalyst::analysis
