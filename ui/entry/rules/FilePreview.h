#pragma once

#include <QString>

#include <string>

namespace zonalyst::entry {

// The preview labels lblData(1) to (3) of a test file; lblData(0), the modification
// time, belongs to the widget that knows the user's date format.
struct FilePreview {
  QString diameter;  // "Mirror Diameter:" and the diameter with its unit
  QString roc;       // "Mirror ROC:" and the radius of curvature with its unit
  QString zones;     // "Number of Zones" and the zone count
};

// The preview from the first two lines of a test file. Lines that cannot be read as
// three numbers each show "unreadable" in place of every value.
FilePreview PreviewOfLines(const std::string& line0, const std::string& line1, const QString& separator);

// The preview of the file at `path`; a file that cannot be opened is unreadable too.
FilePreview PreviewOfFile(const std::string& path, const QString& separator);

}  // namespace zonalyst::entry
