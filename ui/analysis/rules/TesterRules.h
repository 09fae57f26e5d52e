#pragma once

#include <string>

#include "SliderRules.h"
#include "core/TesterView.h"

namespace zonalyst::analysis {

// The sliders of the tester's view besides the knife's (whose range follows the test):
// cut and slit in thousandths of a millimetre, lines per inch as they are.
inline constexpr SliderRange kCutRange{-500, 500, 25, 10};
inline constexpr SliderRange kSlitRange{5, 1000, 100, 10};
inline constexpr SliderRange kLinesPerInchRange{10, 500, 100, 10};
inline constexpr int kKnifeLargeChange = 10;
inline constexpr double kMmPerCutStep = 0.001;

// The cut slider's position when the knife or the grating is chosen: the knife a quarter
// of the default slit into the beam, the grating at phase 0.
int CutPositionFor(TesterPattern pattern);

// Captions beside the sliders ("0.025 mm", "100 lines per inch"); "." as separator.
std::string MillimetreCaption(int thousandths);
std::string LinesPerInchCaption(int lines);

// Help lines of the controls, shown when they take the focus.
std::string KnifeHelp();
std::string CutHelp();
std::string SlitHelp();
std::string LinesPerInchHelp();
std::string PatternHelp();
std::string SideHelp();

}  // namespace zonalyst::analysis
