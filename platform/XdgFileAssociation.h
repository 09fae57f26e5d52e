#pragma once

#include "FileAssociation.h"

#include <QString>

namespace zonalyst::platform {

// The association by the freedesktop.org standards, all at user level: a MIME type for
// "*.fdr" under $XDG_DATA_HOME/mime, a desktop entry under $XDG_DATA_HOME/applications,
// and that entry as the type's default application in $XDG_DATA_HOME/applications/mimeapps.list.
// The lookup asks the MIME database for the type of a ".fdr" name and the mimeapps lists
// (configuration folders first, then data folders) for its default application.
class XdgFileAssociation final : public FileAssociation {
 public:
  // programPath: the absolute path of the running program, written into the desktop entry.
  explicit XdgFileAssociation(QString programPath);

  AssociationLookup find() override;
  std::string registerAssociation() override;

  static constexpr const char* kMimeType = "application/x-zonalyst-test";  // as data/zonalyst-mime.xml defines it
  static constexpr const char* kDesktopFile = "zonalyst.desktop";

 private:
  QString programPath_;
};

// The Exec line of the desktop entry: the program path and the file placeholder, the path
// quoted so that folders with blanks work.
QString DesktopExecLine(const QString& programPath);
// The program of an Exec line (its first word, quotes removed), or empty.
QString ExecProgram(const QString& execLine);

}  // namespace zonalyst::platform
