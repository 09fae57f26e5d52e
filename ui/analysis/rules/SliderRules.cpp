#include "SliderRules.h"

#include <array>

namespace zonalyst::analysis {
namespace {

constexpr std::array<SliderRange, kReferenceSliderCount> kReferenceSliders = {{
    {0, 3000, 1500, 10},
    {0, 3000, 1500, 10},
    {0, 3000, 1500, 10},
    {0, 20, 20, 2},
    {-100, 100, 0, 10},
}};

}  // namespace

SliderRange ReferenceSliderRange(int index) {
  return index >= 0 && index < kReferenceSliderCount ? kReferenceSliders[index] : SliderRange{};
}

std::string ReferenceSliderHelp(int index) {
  switch (index) {
    case kSurfaceSlider:
    case kTransverseSlider:
    case kSpotSlider:
      return "Offsetting ROC can help during figuring, Shorter ROC effectively raises center of mirror";
    case kDefocusSlider:
      return "Use Arrow keys or Mouse to select waves of defocus for star test";
    case kMilliesLacroixSlider:
      return "Use Arrow Keys or Mouse to adjust Max RTA offset value";
    default:
      return {};
  }
}

std::string MilliesLacroixNote() {
  return "NOTE, These plots DO NOT represent the surface profile of your optic.\r\n"
         "For further information, ask in an online discussion group of telescope mirror makers.";
}

std::string SpotObstructionHelp() { return "Select amount of Central Obstruction (% diameter), "; }

std::string StarObstructionHelp() {
  return "33% obstruction is good for comparing to Velmar's Star test instructions, Else enter your actual "
         "obstruction\r\nObstruction is the percent diameter of the primary, and is also used in creating the "
         "ideal image";
}

std::string ContrastHelp() { return "Selecting High Contrast will Stretch highest value in image to White"; }

std::string BestFitConicHelp() {
  return "This will find the best fit conic constant for your current knife entry data\r\n"
         "This might be usefull when figuring to show if your Over / Under corrected ";
}

StarSliders StarFirstVisit(StarSliders shown, int firstObstruction) {
  if (shown.defocusWaves == kReferenceSliders[kDefocusSlider].max) shown.defocusWaves = 0;
  if (shown.obstruction == kStarObstructionRange.initial) shown.obstruction = firstObstruction;
  return shown;
}

std::string DefocusCaption(int waves) { return std::to_string(waves) + " Waves Defocus"; }

std::string ObstructionCaption(int percent) { return std::to_string(percent) + "%"; }

}  // namespace zonalyst::analysis
