#include "TesterControls.h"

#include <algorithm>
#include <cmath>

#include "NumberText.h"

namespace zonalyst {
namespace {

std::string UnitName(const MirrorTest& test) { return test.inInches() ? "inch" : "mm"; }

std::string ReadingText(const MirrorTest& test, double reading) {
  return FormatFixed(reading, test.inInches() ? 4 : 2) + " " + UnitName(test);
}

}  // namespace

int KnifeScale::valueNearest(double reading) const {
  const double value = std::nearbyint(reading / step);
  if (!(value > minimum)) return minimum;
  if (!(value < maximum)) return maximum;
  return static_cast<int>(value);
}

KnifeScale KnifeSliderScale(const MirrorTest& test) {
  KnifeScale scale;
  scale.step = test.inInches() ? 0.0005 : 0.01;
  const int zones = test.zones();
  const auto first = test.KeAverage.begin() + 1;
  const auto [low, high] = std::minmax_element(first, first + zones);
  const double margin = std::max((*high - *low) / 2.0, test.inInches() ? 0.08 : 2.0);
  // Slider values are ints: a reading far out on the scale is clamped to what they hold.
  constexpr double kLimit = 1e9;
  scale.minimum = static_cast<int>(std::clamp(std::floor((*low - margin) / scale.step), -kLimit, kLimit));
  scale.maximum = static_cast<int>(std::clamp(std::ceil((*high + margin) / scale.step), -kLimit, kLimit));
  return scale;
}

int NearestZone(const MirrorTest& test, double reading) {
  int nearest = 1;
  for (int z = 2; z <= test.zones(); ++z) {
    if (std::abs(test.KeAverage[z] - reading) < std::abs(test.KeAverage[nearest] - reading)) nearest = z;
  }
  return nearest;
}

std::string KnifeReadingText(const MirrorTest& test, double reading) {
  return ReadingText(test, reading) + ", nearest zone " + std::to_string(NearestZone(test, reading));
}

std::string KnifePositionText(const MirrorTest& test, double reading, TesterPattern pattern) {
  const std::string what = pattern == TesterPattern::Foucault ? "Knife" : "Grating";
  return what + " at " + ReadingText(test, reading) + " on the readings' scale, nearest zone " +
         std::to_string(NearestZone(test, reading));
}

std::string TesterSettingsText(const TesterSettings& settings) {
  const std::string side = settings.side == EntrySide::Left ? "left" : "right";
  if (settings.pattern == TesterPattern::Foucault) {
    return "cut " + FormatGeneral(settings.cutMm) + " mm, slit " + FormatGeneral(settings.slitMm) +
           " mm, knife from the " + side;
  }
  return FormatGeneral(settings.linesPerInch) + " lines per inch, phase " + FormatGeneral(settings.cutMm) +
         " mm, grating from the " + side;
}

std::string PerfectViewCaption(const MirrorTest& test, double bestFitRocMm) {
  return "Perfect: K = " + FormatGeneral(test.DesiredConic) + ", ROC " +
         FormatFixed(bestFitRocMm / test.mmPerUnit(), test.inInches() ? 3 : 2) + " " + UnitName(test);
}

}  // namespace zonalyst
