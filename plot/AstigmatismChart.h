#pragma once

#include "PictureSurface.h"
#include "core/Astigmatism.h"

namespace zonalyst::plot {

// The picture of the astigmatism's fit, in picture units.
inline constexpr int kAstigmatismChartWidth = 640;
inline constexpr int kAstigmatismChartHeight = 420;

// Where the chart draws: the plot area in picture units, orientations 0..180 degrees across
// it (a test's orientation taken as a diameter, AsDiameterDeg) and the shifts it spans (test
// units) up it.
struct AstigmatismFrame {
  double left = 80.0, right = 470.0, top = 64.0, base = 350.0;
  double shiftLow = -1.0, shiftHigh = 1.0;
  double step = 0.5;  // between the shift axis's labels

  double x(double angleDeg) const;  // 0..180 degrees
  double y(double shift) const { return base - (base - top) * (shift - shiftLow) / (shiftHigh - shiftLow); }

  // The frame for the fit: every test's and zone's shift and the fitted curve, within whole
  // round steps.
  static AstigmatismFrame For(const AstigmatismFit& fit);
};

// Clears the picture and draws each test's shift against its orientation (a cross; a repeat
// ringed), each zone's shifts as dots in its colour, the fitted curve with the axis of the
// longer radius when three orientations determine it, the figures above and a legend of the
// zones' own amplitudes.
void DrawAstigmatism(PictureSurface& s, const AstigmatismFit& fit);

}  // namespace zonalyst::plot
