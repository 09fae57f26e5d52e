#include "XdgFileAssociation.h"

#include "io/FileAccess.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>
#include <QTextStream>

#include <optional>
#include <string_view>
#include <utility>

namespace zonalyst::platform {
namespace {

constexpr const char* kDefaultGroup = "[Default Applications]";

QString UserDataFolder() { return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation); }

// The lines of a desktop file, or nothing when it is missing, unreadable or not a regular
// file (a pipe in its place would block the start-up).
std::optional<QStringList> ReadLines(const QString& path) {
  if (!QFileInfo(path).isFile()) return std::nullopt;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return std::nullopt;
  return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
}

// Writes through the program's one file writer; returns the failure, or an empty text.
std::string WriteBytes(const QString& path, const QByteArray& bytes) {
  if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
    return "could not create the folder \"" + QFileInfo(path).absolutePath().toStdString() + "\"";
  }
  return io::ReplaceFileText(path.toStdString(),
                             std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

// The value of key in [group] of a desktop-style file, or empty.
QString GroupValue(const QStringList& lines, const QString& group, const QString& key) {
  bool inGroup = false;
  for (const QString& raw : lines) {
    const QString line = raw.trimmed();
    if (line.startsWith(QLatin1Char('['))) {
      inGroup = line == group;
    } else if (inGroup && line.section(QLatin1Char('='), 0, 0).trimmed() == key) {
      return line.section(QLatin1Char('='), 1).trimmed();
    }
  }
  return {};
}

// Every mimeapps.list in the order the freedesktop standard reads them.
QStringList MimeAppsLists() {
  QStringList lists;
  const QStringList desktops =
      qEnvironmentVariable("XDG_CURRENT_DESKTOP").toLower().split(QLatin1Char(':'), Qt::SkipEmptyParts);
  for (const QString& folder : QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation)) {
    for (const QString& desktop : desktops) lists << folder + QLatin1Char('/') + desktop + "-mimeapps.list";
    lists << folder + "/mimeapps.list";
  }
  for (const QString& folder : QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation)) {
    lists << folder + "/applications/mimeapps.list";
  }
  return lists;
}

QString DesktopEntryPath(const QString& desktopFile) {
  return QStandardPaths::locate(QStandardPaths::GenericDataLocation, "applications/" + desktopFile);
}

// The first installed default application of a MIME type: its desktop entry's path, or empty.
QString DefaultApplication(const QString& mimeType) {
  for (const QString& list : MimeAppsLists()) {
    const QString value =
        GroupValue(ReadLines(list).value_or(QStringList()), QString::fromLatin1(kDefaultGroup), mimeType);
    for (const QString& desktopFile : value.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
      const QString path = DesktopEntryPath(desktopFile.trimmed());
      if (!path.isEmpty()) return path;
    }
  }
  return {};
}

// Sets key=value in [group] of the lines, adding the group or the key where missing.
QStringList WithGroupValue(QStringList lines, const QString& group, const QString& key, const QString& value) {
  while (!lines.isEmpty() && lines.last().trimmed().isEmpty()) lines.removeLast();
  int groupLine = -1;
  int end = static_cast<int>(lines.size());
  for (int i = 0; i < lines.size(); ++i) {
    const QString line = lines[i].trimmed();
    if (line.startsWith(QLatin1Char('['))) {
      if (groupLine >= 0) {
        end = i;
        break;
      }
      if (line == group) groupLine = i;
    } else if (groupLine >= 0 && line.section(QLatin1Char('='), 0, 0).trimmed() == key) {
      lines[i] = key + QLatin1Char('=') + value;
      return lines;
    }
  }
  if (groupLine < 0) {
    lines << group;
    end = static_cast<int>(lines.size());
  }
  lines.insert(end, key + QLatin1Char('=') + value);
  return lines;
}

// Runs a cache tool of the desktop if it is installed; the lookup works without it too.
void RefreshCache(const QString& tool, const QString& folder) {
  if (!QStandardPaths::findExecutable(tool).isEmpty()) QProcess::execute(tool, {folder});
}

// The MIME type definition, the one also installed with the program.
QByteArray MimePackage() {
  QFile file(QStringLiteral(":/zonalyst/zonalyst-mime.xml"));
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString DesktopEntry(const QString& programPath) {
  return QStringLiteral(
             "[Desktop Entry]\n"
             "Type=Application\n"
             "Name=Zonalyst\n"
             "Comment=Foucault knife-edge test reduction\n"
             "Exec=%1\n"
             "Icon=zonalyst\n"
             "Terminal=false\n"
             "Categories=Science;Astronomy;\n"
             "MimeType=%2;\n")
      .arg(DesktopExecLine(programPath), QString::fromLatin1(XdgFileAssociation::kMimeType));
}

}  // namespace

QString DesktopExecLine(const QString& programPath) {
  // Inside a quoted argument ", `, $ and \ are escaped with a backslash, and the file's
  // string escaping doubles every backslash once more.
  QString quoted;
  for (const QChar c : programPath) {
    if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$')) {
      quoted += QStringLiteral("\\\\");
    } else if (c == QLatin1Char('\\')) {
      quoted += QStringLiteral("\\\\\\");
    }
    quoted += c;
  }
  return QLatin1Char('"') + quoted + QStringLiteral("\" %f");
}

QString ExecProgram(const QString& execLine) {
  QString line = execLine.trimmed();
  line.replace(QStringLiteral("\\\\"), QStringLiteral("\\"));
  QString program;
  if (line.startsWith(QLatin1Char('"'))) {
    for (int i = 1; i < line.size(); ++i) {
      if (line[i] == QLatin1Char('\\') && i + 1 < line.size()) {
        program += line[++i];
      } else if (line[i] == QLatin1Char('"')) {
        break;
      } else {
        program += line[i];
      }
    }
    return program;
  }
  return line.section(QLatin1Char(' '), 0, 0);
}

XdgFileAssociation::XdgFileAssociation(QString programPath) : programPath_(std::move(programPath)) {}

AssociationLookup XdgFileAssociation::find() {
  const QMimeType type =
      QMimeDatabase().mimeTypeForFile(QString::fromLatin1(kProbeFileName), QMimeDatabase::MatchExtension);
  const QString entry = type.isDefault() ? QString() : DefaultApplication(type.name());
  if (entry.isEmpty()) return {false, kNoAssociation};
  const QString program = ExecProgram(
      GroupValue(ReadLines(entry).value_or(QStringList()), QStringLiteral("[Desktop Entry]"), QStringLiteral("Exec")));
  const bool associated =
      QFileInfo(program).fileName().compare(QFileInfo(programPath_).fileName(), Qt::CaseInsensitive) == 0;
  return {associated, program.toStdString()};
}

std::string XdgFileAssociation::registerAssociation() {
  const QString data = UserDataFolder();
  const QString mimeApps = data + "/applications/mimeapps.list";
  // The user's own defaults are kept: a list that exists but cannot be read is not rewritten.
  const std::optional<QStringList> defaults = ReadLines(mimeApps);
  if (!defaults && QFileInfo::exists(mimeApps)) return "could not read \"" + mimeApps.toStdString() + "\"";
  const QString list = WithGroupValue(defaults.value_or(QStringList()), QString::fromLatin1(kDefaultGroup),
                                      QString::fromLatin1(kMimeType), QString::fromLatin1(kDesktopFile))
                           .join(QLatin1Char('\n')) +
                       QLatin1Char('\n');
  const QString desktopEntry = data + "/applications/" + kDesktopFile;
  for (const auto& [path, bytes] :
       {std::pair{data + "/mime/packages/zonalyst.xml", MimePackage()},
        std::pair{desktopEntry, DesktopEntry(programPath_).toUtf8()}, std::pair{mimeApps, list.toUtf8()}}) {
    if (std::string problem = WriteBytes(path, bytes); !problem.empty()) return problem;
  }
  RefreshCache(QStringLiteral("update-mime-database"), data + "/mime");
  RefreshCache(QStringLiteral("update-desktop-database"), data + "/applications");
  return {};
}

}  // namespace zonalyst::platform
