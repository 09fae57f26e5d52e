#include "TestFolderFiles.h"

#include <QDir>

namespace zonalyst::ui {

QStringList TestFilesIn(const QString& folder) {
  return QDir(folder).entryList({QStringLiteral("*.fdr")}, QDir::Files | QDir::Readable, QDir::Name);
}

}  // namespace zonalyst::ui
