#include "UserFolders.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace zonalyst::ui {

bool IsWritableFolder(const QString& folder) {
  const QFileInfo info(folder);
  constexpr QFile::Permissions kAnyWrite = QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther;
  return info.isDir() && info.isWritable() && (info.permissions() & kAnyWrite) != 0;
}

QString DocumentsFolder() {
  const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  if (!documents.isEmpty() && QFileInfo(documents).isDir()) return documents;
  return QDir::homePath();
}

QString StartFolder(const QString& programFolder) {
  return IsWritableFolder(programFolder) ? programFolder : DocumentsFolder();
}

}  // namespace zonalyst::ui
