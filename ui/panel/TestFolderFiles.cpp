#include "TestFolderFiles.h"

#include <QDir>

namespace zonalyst::ui {

QStringList TestFilesIn(const QString& folder) {
  return QDir(folder).entryList({QStringLiteral("*.fdr")}, QDir::Files | QDir::Readable, QDir::Name);
}

QString PreviousTestFile(const QString& folder, const QString& fileName) {
  const QStringList names = TestFilesIn(folder);
  const qsizetype at = names.indexOf(fileName);
  return at > 0 ? names[at - 1] : QString();
}

}  // namespace zonalyst::ui
