#include "QtSettingsStore.h"

#include <QSettings>
#include <QString>

namespace zonalyst::platform {
namespace {

QString KeyPath(const std::string& section, const std::string& key) {
  return QString::fromStdString(section) + QLatin1Char('/') + QString::fromStdString(key);
}

}  // namespace

QtSettingsStore::QtSettingsStore()
    : settings_(std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                            QString::fromLatin1(kSettingsApplication),
                                            QString::fromLatin1(kSettingsApplication))) {}

QtSettingsStore::~QtSettingsStore() = default;

std::string QtSettingsStore::read(const std::string& section, const std::string& key) {
  // A value of another type (a list, a group) is unreadable as a choice and reads as missing.
  const QVariant value = settings_->value(KeyPath(section, key));
  return value.typeId() == QMetaType::QString ? value.toString().toStdString() : std::string();
}

void QtSettingsStore::write(const std::string& section, const std::string& key, const std::string& value) {
  settings_->setValue(KeyPath(section, key), QString::fromStdString(value));
  settings_->sync();
}

}  // namespace zonalyst::platform
