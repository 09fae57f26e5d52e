#pragma once

#include "core/Astigmatism.h"

#include <QChar>
#include <QString>

#include <optional>
#include <string>
#include <vector>

namespace zonalyst::analysis {

// One test of the folder as the astigmatism dialog lists it.
struct OrientationRow {
  std::string fileName;
  std::optional<MirrorTest> test;  // none when it cannot be analysed
  std::string note;                // why not
  std::optional<double> orientationDeg;
  bool ticked = false;
};

// The orientation a row starts with: the one kept for the file, else the one its name gives.
std::optional<double> StartingOrientation(const std::optional<double>& kept, const std::string& fileName);

// Ticked at first: the tests with an orientation that are of the open test's mirror, mask
// and rig (the open test is the row named openName); the others' notes say why they are not.
void TickTestsOfTheOpenMirror(std::vector<OrientationRow>& rows, const std::string& openName);

// An orientation as typed with the user's decimal separator: a number from -360 to 360
// degrees; none for anything else, an empty box included.
std::optional<double> TypedOrientation(const QString& text, QChar separator);

// The ticked tests with their orientations, or what the user still has to do (`missing`).
struct TickedTests {
  std::vector<OrientedTest> tests;
  std::string missing;
};
TickedTests TestsToFit(const std::vector<OrientationRow>& rows);

// The name the plot is proposed under: the open test's name with "-astigmatism.png".
std::string PlotFileName(const std::string& openName);

}  // namespace zonalyst::analysis
