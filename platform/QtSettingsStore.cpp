#include "QtSettingsStore.h"

#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QString>

namespace zonalyst::platform {
namespace {

// A settings file is a few hundred bytes; one far larger is no settings file.
constexpr qint64 kMaxSettingsBytes = 1024 * 1024;

QString KeyPath(const std::string& section, const std::string& key) {
  return QString::fromStdString(section) + QLatin1Char('/') + QString::fromStdString(key);
}

bool Usable(const QString& path) {
  const QFileInfo file(path);
  if (path.isEmpty() || !file.exists()) return true;
  return file.isFile() && file.isReadable() && file.size() <= kMaxSettingsBytes;
}

}  // namespace

QString QtSettingsStore::filePath() {
#ifdef _WIN32
  return {};
#else
  // Where QSettings keeps an INI file of the user scope on such systems.
  const QString name = QString::fromLatin1(kSettingsApplication);
  return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QLatin1Char('/') + name +
         QLatin1Char('/') + name + QStringLiteral(".ini");
#endif
}

QtSettingsStore::QtSettingsStore() {
  // QSettings reads its file as it is made: the check comes first.
  if (!Usable(filePath())) return;
  settings_ =
      std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, QString::fromLatin1(kSettingsApplication),
                                  QString::fromLatin1(kSettingsApplication));
}

QtSettingsStore::~QtSettingsStore() = default;

std::string QtSettingsStore::read(const std::string& section, const std::string& key) {
  if (!settings_) return {};
  // A value of another type (a list, a group) is unreadable as a choice and reads as missing.
  const QVariant value = settings_->value(KeyPath(section, key));
  return value.typeId() == QMetaType::QString ? value.toString().toStdString() : std::string();
}

void QtSettingsStore::write(const std::string& section, const std::string& key, const std::string& value) {
  if (!settings_) return;
  settings_->setValue(KeyPath(section, key), QString::fromStdString(value));
  settings_->sync();
}

}  // namespace zonalyst::platform
