#pragma once

#include "ui/prompt/Prompter.h"

#include <string>

namespace zonalyst::ui {

// The message after an exception escaped an event handler (memory ran out, any other
// failure): what stopped and, with a test open, whether to save it at once (Yes, the default).
MessageRequest EscapedFailureReport(const std::string& what, bool testOpen);

}  // namespace zonalyst::ui
