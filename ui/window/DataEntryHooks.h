#pragma once

#include <functional>

#include "core/SetupValidation.h"
#include "ui/entry/rules/ListPosition.h"

namespace zonalyst::ui {

// What the window asks of the setup, readings and file panels. Each hook may stay empty.
struct DataEntryHooks {
  // Empties every setup box and readings cell on screen (the record is not touched).
  std::function<void()> clearEntryFields;
  // Puts the focus where the user fixes the failed check of the setup or readings panel.
  std::function<void(const SetupFinding& finding, SetupScope scope)> focusFinding;
  // Steps to the next or previous test file of the load panel's list: keys X and Z.
  std::function<void(entry::FileStep step)> stepTestFile;
};

}  // namespace zonalyst::ui
