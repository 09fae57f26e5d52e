#pragma once

#include <QString>

namespace zonalyst::ui {

// True when the folder exists and this user may create files in it. The permission bits
// are read as well as tried, so that a folder without write permission counts as closed
// even to an administrator.
bool IsWritableFolder(const QString& folder);

// The user's documents folder, or the home folder when there is none.
QString DocumentsFolder();

// Where the load panel starts without a test open: the program's own folder when it is
// writable (a build tree), else the user's documents folder.
QString StartFolder(const QString& programFolder);

}  // namespace zonalyst::ui
