#include "SpotDiffractionChart.h"

#include "core/NumberText.h"

#include <cmath>

namespace zonalyst::plot {

SpotScale::SpotScale(const PictureSurface& s)
    : cx(s.scaleWidth() / 2),
      left(cx - 300),
      top((s.scaleHeight() - 200) / 2),
      floor(top + 200),
      midY(s.scaleHeight() / 2) {}

double SpotScale::y(double intensity) const { return intensity > 1e-5 ? top - 40.0 * std::log10(intensity) : floor; }

std::string SpotGridLabel(int m) { return m == 0 ? "0" : FormatGeneral(-m / 2.0); }

void PrintVertical(PictureSurface& s, const std::string& text, double x, double centreY) {
  const double pitch = s.textHeight("X") / 1.5;
  const double first = centreY - pitch * static_cast<double>(text.size()) / 2.0;
  for (std::size_t c = 0; c < text.size(); ++c) {
    s.setTextPosition(x, first + pitch * static_cast<double>(c + 1));
    s.print(text.substr(c, 1));
  }
}

void DrawSpotDiffraction(PictureSurface& s, const SpotDiffraction& spot) {
  const SpotScale scale(s);
  s.clear();
  s.setTextColour(kWhite);
  for (int m = 0; m <= 10; ++m) {
    const int y = scale.top + 20 * m;
    s.line(scale.left, y, scale.left + 600, y, kGridGrey);
    PrintRightAligned(s, SpotGridLabel(m), scale.left - 3, y);
    const int x = scale.left + 60 * m;
    s.line(x, scale.top, x, scale.floor, kGridGrey);
    if (m >= 1) PrintCentred(s, std::to_string(m), x, scale.floor + 3);
  }
  for (int j = 0; j < kGridLast; ++j) {
    s.line(scale.x(j), scale.y(spot.ideal[j]), scale.x(j + 1), scale.y(spot.ideal[j + 1]), kGreen);
  }
  for (int j = 0; j < kGridLast; ++j) {
    s.line(scale.x(j), scale.y(spot.actual[j]), scale.x(j + 1), scale.y(spot.actual[j + 1]), kRed);
  }
  PrintVertical(s, "Log10 of Intensity", scale.cx - 360, scale.midY);
  PrintCentred(s, "Angle from spot center (Times Diameter/Lambda)", scale.cx, scale.floor + 20);
}

}  // namespace zonalyst::plot
