#include "StarTestChart.h"

#include "PictureSizes.h"
#include "core/Constants.h"
#include "core/NumberText.h"

#include <algorithm>

namespace zonalyst::plot {

StarLayout::StarLayout(const PictureSurface& s) : gap((s.scaleWidth() - 600) / 4), cy(s.scaleHeight() / 2) {
  x[0] = gap + 100;
  x[1] = 2 * gap + 300;
  x[2] = 3 * gap + 500;
}

std::string StarTestTitle(const StarTestLabels& labels) {
  const std::string eyepiece = FormatRounded(((labels.displayRocMm / 2.0) / labels.diameterMm) / 2.0, 1);
  if (labels.defocusWaves == 0) return "Airy Disk Representation, using a " + eyepiece + "mm Eyepiece";
  return std::to_string(labels.defocusWaves) + " Waves Defocus Star test Simulation, using a " + eyepiece +
         "mm Eyepiece";
}

std::string FocalShiftText(double defocusMm, bool inches) {
  if (inches) return FormatRounded(defocusMm / 2.0 / kMmPerInch, 4) + " Inches";
  return FormatRounded(defocusMm / 2.0, 3) + "mm";
}

void DrawStarTest(PictureSurface& s, const StarTestImages& images, const StarTestLabels& labels) {
  const StarLayout layout(s);
  s.clear();
  // Left inside focus, middle the perfect mirror, right outside focus.
  for (int j = 0; j <= kGridLast; ++j) {
    for (int p = 0; p < 3; ++p) {
      const int grey = images.rings[p][j];
      if (grey == kNotPainted) continue;
      // Two outlines a quarter pixel either side of radius j: single outlines a whole
      // pixel apart leave unpainted pixels between them, these two fill the ring.
      s.circle(layout.x[p], layout.cy, std::max(0.0, j - 0.25), RingColour(grey));
      s.circle(layout.x[p], layout.cy, j + 0.25, RingColour(grey));
    }
  }
  const Rgb frames[3] = {kRed, kGreen, kRed};
  for (int p = 0; p < 3; ++p) s.circle(layout.x[p], layout.cy, 102, frames[p]);

  const char* captions[3] = {"Inside Focus", "In/Outside Focus for Perfect Mirror!", "Outside Focus"};
  const std::string shift = FocalShiftText(images.defocusMm, labels.inches);
  const double lineHeight = s.textHeight("T");
  for (int p = 0; p < 3; ++p) {
    s.setTextColour(frames[p]);
    PrintCentred(s, shift, layout.x[p], layout.cy + 113);
    PrintCentred(s, captions[p], layout.x[p], layout.cy + 113 + lineHeight);
  }

  s.setTextColour(kWhite);
  s.setFontSize(kStarTitlePoints);
  const std::string title = StarTestTitle(labels);
  PrintCentred(s, title, layout.x[1], (layout.cy - 103) / 2.0 - s.textHeight(title) / 2.0);
  s.setFontSize(kPictureFontPoints);
}

}  // namespace zonalyst::plot
