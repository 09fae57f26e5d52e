#pragma once

#include "ui/panel/AppState.h"
#include "ui/prompt/Prompter.h"

#include <QString>

namespace zonalyst::ui {

// Loads a test into the record and names it the open one; on failure shows the load
// message with its reason and returns false, the open test left as it was.
bool OpenTest(AppState& state, Prompter& prompter, const QString& folder, const QString& fileName);

// Makes a new test the open one, to be written as fileName in folder: a new test's values
// (ResetToNewTestDefaults), the light source kept from the test before.
void OpenNewTest(AppState& state, const QString& folder, const QString& fileName);

// The full path of a test file, as the user's messages name it.
QString TestFilePath(const QString& folder, const QString& fileName);

}  // namespace zonalyst::ui
