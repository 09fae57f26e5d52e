#pragma once

#include "MirrorTest.h"
#include "TesterView.h"

#include <string>

namespace zonalyst {

// The knife-position slider of the tester's view: whole steps of 0.01 mm (0.0005 inch
// for a test in inches) on the readings' scale, over the span of the zones' average
// readings and a margin on each side of half that span, at least 2 mm (0.08 inch).
// KeAverage must be current.
struct KnifeScale {
  double step = 0.01;  // test units per slider step
  int minimum = 0;     // slider values
  int maximum = 0;
  double reading(int value) const { return value * step; }
  int valueNearest(double reading) const;  // within minimum..maximum
  // The slider values at or just below and above a reading, within what an int holds.
  static int ValueBelow(double reading, double step);
  static int ValueAbove(double reading, double step);
};
KnifeScale KnifeSliderScale(const MirrorTest& test);

// The zone whose average reading lies nearest the reading (the lower zone on a tie).
int NearestZone(const MirrorTest& test, double reading);

// A knife reading and the zone it lies nearest: "36.28 mm, nearest zone 3" (four decimals
// and "inch" for a test in inches). "." is the decimal separator.
std::string KnifeReadingText(const MirrorTest& test, double reading);

// The knife's place in words: "Knife at 36.28 mm on the readings' scale, nearest zone 3"
// ("Grating" for a Ronchigram).
std::string KnifePositionText(const MirrorTest& test, double reading, TesterPattern pattern);

// A length of the tester's settings (mm) in the test's units, as the knife is shown:
// "0.025 mm", or on a test in inches "0.00098 inch" (five decimals at most).
std::string TesterLengthText(const MirrorTest& test, double mm);

// The settings of the view in words: "cut 0.025 mm, slit 0.1 mm, knife from the right",
// or "100 lines per inch, phase 0 mm, grating from the left"; lengths as TesterLengthText.
std::string TesterSettingsText(const MirrorTest& test, const TesterSettings& settings);

// Captions of the two views: "Measured mirror" and "Perfect: K = -1, ROC 2391.41 mm"
// (the desired conic at the best-fit radius, in the test's units).
inline constexpr const char* kMeasuredViewCaption = "Measured mirror";
std::string PerfectViewCaption(const MirrorTest& test, double bestFitRocMm);

}  // namespace zonalyst
