#pragma once

#include "Prompter.h"
#include "platform/Settings.h"

#include <QStringList>

#include <string>
#include <vector>

namespace zonalyst::ui {

// Asks for photographs (PNG, JPEG or TIFF) in the prompter's file box: several, or one. The
// box starts in the folder photos were last chosen from (kept in the settings store), else in
// testFolder. Empty when the user cancelled.
QStringList ChoosePhotos(Prompter& prompter, platform::SettingsStore& settings, const QString& title,
                         const QString& testFolder, bool several);

// The paths as the photo layer takes them (UTF-8).
std::vector<std::string> PhotoPaths(const QStringList& paths);

}  // namespace zonalyst::ui
