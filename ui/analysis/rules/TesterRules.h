#pragma once

#include "SliderRules.h"
#include "core/TesterView.h"

#include <string>

namespace zonalyst::analysis {

// The cut (or phase) and slit sliders, in the test's units as the knife is: steps of a
// thousandth of a millimetre, or on a test in inches of a ten-thousandth of an inch.
struct TesterLengthSliders {
  SliderRange cut;
  SliderRange slit;
  double mmPerStep = 0.0;
};
TesterLengthSliders LengthSlidersFor(bool inches);

// The lines per inch of the grating, as they are.
inline constexpr SliderRange kLinesPerInchRange{10, 500, 100, 10};
inline constexpr int kKnifeLargeChange = 10;

// The cut slider's position when the knife or the grating is chosen: the knife a quarter
// of the default slit into the beam, the grating at phase 0.
int CutPositionFor(TesterPattern pattern, const TesterLengthSliders& sliders);

// The heading of the cut slider: "Cut" for the knife, "Phase" for the grating.
const char* CutHeading(TesterPattern pattern);

// "100 lines per inch".
std::string LinesPerInchCaption(int lines);

// Help lines of the controls, shown when they take the focus.
std::string KnifeHelp();
std::string CutHelp();
std::string SlitHelp();
std::string LinesPerInchHelp();
std::string PatternHelp();
std::string SideHelp();

}  // namespace zonalyst::analysis
