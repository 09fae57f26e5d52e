#include "TesterControls.h"

#include "Constants.h"
#include "NumberText.h"

#include <algorithm>
#include <cmath>

namespace zonalyst {
namespace {

std::string UnitName(const MirrorTest& test) { return test.inInches() ? "inch" : "mm"; }

std::string ReadingText(const MirrorTest& test, double reading) {
  return FormatFixed(reading, test.inInches() ? 4 : 2) + " " + UnitName(test);
}

// Slider values are ints: a reading far out on the scale is clamped to what they hold.
constexpr double kLimit = 1e9;

}  // namespace

int KnifeScale::valueNearest(double reading) const {
  const double value = std::nearbyint(reading / step);
  if (!(value > minimum)) return minimum;
  if (!(value < maximum)) return maximum;
  return static_cast<int>(value);
}

int KnifeScale::ValueBelow(double reading, double step) {
  return static_cast<int>(std::clamp(std::floor(reading / step), -kLimit, kLimit));
}

int KnifeScale::ValueAbove(double reading, double step) {
  return static_cast<int>(std::clamp(std::ceil(reading / step), -kLimit, kLimit));
}

KnifeScale KnifeSliderScale(const MirrorTest& test) {
  KnifeScale scale;
  scale.step = test.inInches() ? 0.0005 : 0.01;
  const int zones = test.zones();
  const auto first = test.KeAverage.begin() + 1;
  const auto [low, high] = std::minmax_element(first, first + zones);
  const double margin = std::max((*high - *low) / 2.0, test.inInches() ? 0.08 : 2.0);
  scale.minimum = KnifeScale::ValueBelow(*low - margin, scale.step);
  scale.maximum = KnifeScale::ValueAbove(*high + margin, scale.step);
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

std::string TesterLengthText(const MirrorTest& test, double mm) {
  if (!test.inInches()) return FormatGeneral(mm) + " mm";
  return FormatRounded(mm / kMmPerInch, 5) + " inch";
}

std::string TesterSettingsText(const MirrorTest& test, const TesterSettings& settings) {
  const std::string side = settings.side == EntrySide::Left ? "left" : "right";
  if (settings.pattern == TesterPattern::Foucault) {
    return "cut " + TesterLengthText(test, settings.cutMm) + ", slit " + TesterLengthText(test, settings.slitMm) +
           ", knife from the " + side;
  }
  return FormatGeneral(settings.linesPerInch) + " lines per inch, phase " + TesterLengthText(test, settings.cutMm) +
         ", grating from the " + side;
}

std::string PerfectViewCaption(const MirrorTest& test, double bestFitRocMm) {
  return "Perfect: K = " + FormatGeneral(test.DesiredConic) + ", ROC " +
         FormatFixed(bestFitRocMm / test.mmPerUnit(), test.inInches() ? 3 : 2) + " " + UnitName(test);
}

}  // namespace zonalyst
