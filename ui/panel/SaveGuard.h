#pragma once

#include "ui/prompt/Prompter.h"

#include <QString>

#include <functional>

namespace zonalyst::ui {

// Runs a save that draws a picture or a document and writes it (F9's picture, the mask
// template). Memory running out on the way leaves every file as it was; it is told as
// the command line tells it, "out of memory; nothing was written", in a message box with
// the save's title, and the window goes on.
void SaveGuardingMemory(Prompter& prompter, const QString& title, const std::function<void()>& save);

}  // namespace zonalyst::ui
