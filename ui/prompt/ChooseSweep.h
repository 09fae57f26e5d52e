#pragma once

#include "Prompter.h"
#include "platform/Settings.h"

#include <QString>

#include <optional>

namespace zonalyst::ui {

// A recorded sweep's two files: the frames listed with their times, and the dial's log.
struct SweepFiles {
  QString frameList, dialLog;
};

// Asks in the prompter's file box for a sweep's list of frames, then for its dial log beside
// it, the boxes' titles starting with purpose. The first box starts in the folder photos were
// last chosen from (kept in the settings store), else in testFolder. None when the user
// cancelled either.
std::optional<SweepFiles> ChooseSweep(Prompter& prompter, platform::SettingsStore& settings, const QString& testFolder,
                                      const QString& purpose = QStringLiteral("Read from Sweep"));

}  // namespace zonalyst::ui
