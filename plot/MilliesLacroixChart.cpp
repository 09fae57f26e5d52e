#include "MilliesLacroixChart.h"

#include "core/NumberText.h"
#include "core/Rounding.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace zonalyst::plot {

namespace {

constexpr Rgb kZoneLine{128, 128, 0};

struct Frame {
  int xc, ym, top, base;
  explicit Frame(const PictureSurface& s)
      : xc(s.scaleWidth() / 2), ym(s.scaleHeight() / 2), top((s.scaleHeight() - 200) / 2), base(top + 200) {}
};

void DrawTornado(PictureSurface& s, const Frame& f, const MirrorTest& test, const MilliesLacroix& ml) {
  const TornadoScale scale = TornadoScale::For(ml);
  for (int k = 0; k <= 10; ++k) {
    const double y = f.ym + (k - 5) * scale.gridStep * scale.unitsPer;
    s.line(f.xc + 30, y, f.xc + 300, y, kGridGrey);
    PrintRightAligned(s, FormatFixed(-RoundHalfEven((k - 5) * scale.gridStep, 3), 3), f.xc + 28, y);
  }

  const double semi = test.Diameter / 2.0;
  const double allowance = 2.0 * test.Roc * ml.rta;
  for (int i = EnvelopeStart(test.effectiveRadius(1), test.Diameter); i <= 99; ++i) {
    const double a = allowance / (i / 100.0 * semi) * scale.unitsPer;
    const double b = allowance / ((i + 1) / 100.0 * semi) * scale.unitsPer;
    s.line(f.xc + 3 * i, f.ym - a, f.xc + 3 * (i + 1), f.ym - b, kGreen);
    s.line(f.xc + 3 * i, f.ym + a, f.xc + 3 * (i + 1), f.ym + b, kGreen);
  }

  s.setTextColour(kYellow);
  const double textH = s.textHeight("Z");
  for (int z = 1; z <= ml.zoneCount; ++z) {
    const double xz = f.xc + test.effectiveRadius(z) / semi * 300.0;
    const double yz = f.ym - ml.dev[z] * scale.unitsPer;
    s.circle(xz, yz, 3, kYellow);
    PrintCentred(s, std::to_string(z), xz, f.top - textH);
    PrintCentred(s, "Z", xz, f.top - 1.7 * textH);
    s.line(xz, yz - 5, xz, f.top, kZoneLine);
  }

  s.setTextColour(kWhite);
  PrintCentred(s, "M-L Tornado (MaxRTA = " + FormatRounded(ml.maxRta, 1) + ")", f.xc + 150, f.base + textH);
}

void DrawCorrection(PictureSurface& s, const Frame& f, const MilliesLacroix& ml) {
  const CorrectionScale scale = CorrectionScale::For(ml);
  if (!scale.drawn()) return;
  for (int k = 0; k <= 10; ++k) {
    const double y = f.base - 20 * k;
    s.line(f.xc - 30, y, f.xc - 300, y, kGridGrey);
    PrintRightAligned(s, FormatRounded(k / 10.0 * scale.percent, 0) + "%", f.xc - 302, y);
  }
  const double full = f.base - 100.0 * scale.unitsPerPercent;
  s.line(f.xc - 30, full, f.xc - 300, full, kGreen);

  s.setTextColour(kYellow);
  const double textH = s.textHeight("Z");
  const int w = scale.barWidth;
  for (int z = 2; z <= ml.zoneCount; ++z) {
    const int left = f.xc - 300 + (z - 2) * w;
    const double barTop = f.base - 100.0 * ml.ratio[z] * scale.unitsPerPercent;
    for (int j = 5; j <= w - 5; ++j) {
      const auto b = static_cast<std::uint8_t>(BarShade(j, w));
      s.line(left + j, f.base, left + j, barTop, Rgb{0, b, b});
    }
    PrintCentred(s, "Z", left + w / 2.0, barTop - 1.7 * textH);
    PrintCentred(s, std::to_string(z), left + w / 2.0, barTop - textH);
  }

  // The captions keep the colour of the bar labels before them.
  PrintCentred(s, "Percentage of Desired Correction", f.xc - 150, f.base);
  PrintCentred(s, "Between Zone and Zone -1", f.xc - 150, f.base + textH);
}

}  // namespace

TornadoScale TornadoScale::For(const MilliesLacroix& ml) {
  double range = ml.tol[1] > ml.largestDev ? ml.tol[1] : ml.largestDev;
  const double rounded = RoundHalfEven(range, 2);
  range = rounded < range ? rounded + 0.01 : rounded;
  TornadoScale scale;
  scale.range = range;
  // A range of 0 (no allowance, no deviation) would divide by zero: keep the scale at 0.
  if (range > 0.0) scale.unitsPer = 100.0 / range;
  scale.gridStep = range / 5.0;
  return scale;
}

CorrectionScale CorrectionScale::For(const MilliesLacroix& ml) {
  CorrectionScale scale;
  double percent = RoundHalfEven(100.0 * ml.largestRatio);
  if (percent == 0.0) return scale;
  const double whole = std::floor(percent);
  if (std::fmod(whole, 50.0) != 0.0) percent = (std::floor(whole / 50.0) + 1.0) * 50.0;
  scale.percent = percent;
  scale.unitsPerPercent = 200.0 / percent;
  scale.barWidth = static_cast<int>(std::floor(270.0 / (ml.zoneCount - 1)));
  return scale;
}

int BarShade(int j, int barWidth) {
  const double half = barWidth / 2.0;
  return static_cast<int>(std::floor(255.0 - 255.0 * std::pow(std::fabs((j - half) / half), 0.75)));
}

int EnvelopeStart(double firstZoneRadius, double diameter) {
  const double start = std::floor(firstZoneRadius / (diameter / 2.0) * 100.0 - 5.0);
  if (std::isnan(start)) return 100;
  return static_cast<int>(std::clamp(start, 1.0, 100.0));
}

void DrawMilliesLacroix(PictureSurface& s, const MirrorTest& test, const MilliesLacroix& ml) {
  const Frame f(s);
  s.clear();
  s.setTextColour(kWhite);
  DrawTornado(s, f, test, ml);
  DrawCorrection(s, f, ml);
}

}  // namespace zonalyst::plot
