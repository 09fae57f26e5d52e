#pragma once

#include "ui/prompt/Prompter.h"

#include <QString>

#include <optional>

namespace zonalyst::ui {

// Asks for the name of a test file in `folder` (a new test, or "Save Changes As:"):
// refuses invalid names, asks before an existing file is taken. Returns the file name
// with ".fdr", or nothing when the answer was empty.
std::optional<QString> AskTestFileName(Prompter& prompter, const QString& folder);

}  // namespace zonalyst::ui
