#pragma once

#include "PictureSurface.h"
#include "core/StarTest.h"

#include <string>

namespace zonalyst::plot {

// Where the three 200-pixel images stand: equal gaps g beside and between them.
struct StarLayout {
  int gap = 0, cy = 0;
  int x[3] = {0, 0, 0};  // centres of the left, middle and right image
  explicit StarLayout(const PictureSurface& s);
};

// Grey of a ring level 0..255.
inline Rgb RingColour(int grey) {
  const auto c = static_cast<std::uint8_t>(grey);
  return Rgb{c, c, c};
}

// What the captions and the title need besides the images.
struct StarTestLabels {
  int defocusWaves = 0;       // the slider value
  double displayRocMm = 0.0;  // best-fit radius, for the eyepiece focal length
  double diameterMm = 0.0;
  bool inches = false;  // the focal shift is shown in inches
};

// "Airy Disk Representation, using a 25mm Eyepiece" at 0 waves, else
// "5 Waves Defocus Star test Simulation, using a 25mm Eyepiece".
std::string StarTestTitle(const StarTestLabels& labels);

// The focal shift d/2 under each image: "0.55mm" or "0.0217 Inches".
std::string FocalShiftText(double defocusMm, bool inches);

// Draws the three star images with their frames, captions and title.
void DrawStarTest(PictureSurface& s, const StarTestImages& images, const StarTestLabels& labels);

}  // namespace zonalyst::plot
