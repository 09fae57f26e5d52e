#pragma once

#include <QString>
#include <QStringList>

namespace zonalyst::ui {

// The test files of a folder as the load panel lists them: readable "*.fdr" files by name.
QStringList TestFilesIn(const QString& folder);

// The test listed just before fileName in its folder, the one Z opens; empty when the
// test is first or not listed.
QString PreviousTestFile(const QString& folder, const QString& fileName);

}  // namespace zonalyst::ui
