#pragma once

#include <string>

namespace zonalyst::ui {

class MainWindow;

// After an exception escaped an event handler (memory ran out, any other failure): says
// so in a message box and, with a test open, offers to save it at once (Yes saves it as
// leaving the test would, which reports its own failure). The window goes on.
void ReportEscapedFailure(MainWindow& window, const std::string& what);

}  // namespace zonalyst::ui
