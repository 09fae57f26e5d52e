#pragma once

#include <string>

namespace zonalyst::analysis {

// Range, starting position and large change of a slider (the small change is always 1).
struct SliderRange {
  int min = 0;
  int max = 0;
  int initial = 0;
  int largeChange = 1;
};

// The shared slider array HScroll1: 0 surface error, 1 transverse error, 2 spot
// diffraction (radius offsets of 0.001 mm), 3 star test (waves of defocus),
// 4 Millies-Lacroix (reference shift of 0.01 mm).
inline constexpr int kReferenceSliderCount = 5;
inline constexpr int kSurfaceSlider = 0;
inline constexpr int kTransverseSlider = 1;
inline constexpr int kSpotSlider = 2;
inline constexpr int kDefocusSlider = 3;
inline constexpr int kMilliesLacroixSlider = 4;
SliderRange ReferenceSliderRange(int index);

// The central obstruction sliders, per cent of the diameter: scrlF6Obst of the spot
// panel starts at 0, HScroll2 of the star test at 99 (moved to 33 on the first visit).
inline constexpr SliderRange kSpotObstructionRange{0, 99, 0, 10};
inline constexpr SliderRange kStarObstructionRange{0, 99, 99, 10};

// The help line of a slider of HScroll1 when it takes the focus.
std::string ReferenceSliderHelp(int index);
// The note of the Millies-Lacroix panel (LblML), two lines joined by CR LF.
std::string MilliesLacroixNote();

std::string SpotObstructionHelp();
std::string StarObstructionHelp();
std::string ContrastHelp();
std::string BestFitConicHelp();

// Where the star test's sliders stand after entering the panel: a defocus left at 20
// goes to 0 and an obstruction left at 99 to firstObstruction; other positions stay.
struct StarSliders {
  int defocusWaves = 0;
  int obstruction = 0;
  friend bool operator==(const StarSliders&, const StarSliders&) = default;
};
StarSliders StarFirstVisit(StarSliders shown, int firstObstruction);

// Captions beside the sliders.
inline constexpr const char* kDefocusHeading = "DeFocus Amount";
std::string DefocusCaption(int waves);        // "5 Waves Defocus"
std::string ObstructionCaption(int percent);  // "33%"

}  // namespace zonalyst::analysis
