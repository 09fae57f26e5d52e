#include "AstigmatismRules.h"

#include <algorithm>
#include <cmath>

namespace zonalyst::analysis {

std::optional<double> StartingOrientation(const std::optional<double>& kept, const std::string& fileName) {
  return kept ? kept : OrientationInName(fileName);
}

void TickTestsOfTheOpenMirror(std::vector<OrientationRow>& rows, const std::string& openName) {
  const auto open = std::find_if(rows.begin(), rows.end(),
                                 [&](const OrientationRow& r) { return r.fileName == openName && r.test.has_value(); });
  if (open == rows.end()) return;
  const OrientedTest first{open->fileName, *open->test, 0.0};
  for (OrientationRow& row : rows) {
    if (!row.test) continue;
    const std::string other = WhyNotOneMirror(first, {row.fileName, *row.test, 0.0});
    row.ticked = row.orientationDeg && other.empty();
    if (!other.empty()) row.note = other;
  }
}

std::optional<double> TypedOrientation(const QString& text, QChar separator) {
  QString plain = text.trimmed();
  plain.replace(separator, QLatin1Char('.'));
  bool ok = false;
  const double value = plain.toDouble(&ok);
  if (!ok || !(std::fabs(value) <= 360.0)) return std::nullopt;
  return value;
}

TickedTests TestsToFit(const std::vector<OrientationRow>& rows) {
  TickedTests ticked;
  for (const OrientationRow& row : rows) {
    if (!row.ticked || !row.test) continue;
    if (!row.orientationDeg) {
      ticked.missing = "Type the orientation of " + row.fileName + " in degrees, from -360 to 360";
      return ticked;
    }
    ticked.tests.push_back({row.fileName, *row.test, *row.orientationDeg});
  }
  if (ticked.tests.size() < 2) {
    ticked.missing =
        "Tick two or more tests of this mirror taken at different orientations, and type each "
        "one's orientation in degrees";
  }
  return ticked;
}

std::string PlotFileName(const std::string& openName) {
  const std::size_t dot = openName.rfind('.');
  return (dot == std::string::npos ? openName : openName.substr(0, dot)) + "-astigmatism.png";
}

}  // namespace zonalyst::analysis
