#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace zonalyst::ui {

// Where a test file lives: the folder, ending in the platform's separator, and the name.
struct TestLocation {
  QString folder;
  QString fileName;
  friend bool operator==(const TestLocation&, const TestLocation&) = default;
};

// The test named on the command line (the arguments after the program's own name): one
// argument, split at its last separator into folder and file name with the platform's
// separators; a name without a folder is taken from the working folder. No argument, an
// empty one or more than one name no test.
std::optional<TestLocation> TestFromArguments(const QStringList& arguments, const QString& workingFolder);

}  // namespace zonalyst::ui
