#pragma once

#include "PictureSurface.h"
#include "core/SpotDiffraction.h"

#include <string>

namespace zonalyst::plot {

// Geometry of the spot profile: ten lambda/D across 600 units from left, five decades
// of intensity over the 200 units from top down to floor (40 units a decade).
struct SpotScale {
  int cx = 0, left = 0, top = 0, floor = 0, midY = 0;
  explicit SpotScale(const PictureSurface& s);
  // Height of an intensity; 1e-5 and below (exact zeros included) sit on the floor.
  double y(double intensity) const;
  double x(int j) const { return left + 6.0 * j; }
};

// Label of the horizontal grid line m (0..10): the decade -m/2, "0" for the top line.
std::string SpotGridLabel(int m);

// Draws the spot profile picture: log grid, the ideal curve in green and the measured
// one in red, and the two axis titles. The legend is not part of the picture.
void DrawSpotDiffraction(PictureSurface& s, const SpotDiffraction& spot);

// Prints text one character per line downwards at x, the column centred on centreY,
// the characters 1/1.5 of the height of "X" apart.
void PrintVertical(PictureSurface& s, const std::string& text, double x, double centreY);

}  // namespace zonalyst::plot
