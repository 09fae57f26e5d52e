#pragma once

#include <QString>
#include <QStringList>

namespace zonalyst::ui {

// The test files of a folder as the load panel lists them: readable "*.fdr" files by name.
QStringList TestFilesIn(const QString& folder);

}  // namespace zonalyst::ui
