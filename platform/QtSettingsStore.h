#pragma once

#include "Settings.h"

#include <QString>

#include <memory>

class QSettings;

namespace zonalyst::platform {

// The settings store of the user's desktop: an INI file of the application "Zonalyst" in
// the user's configuration folder ($XDG_CONFIG_HOME on Linux, the roaming profile on Windows).
// When something other than a readable regular file of sane size stands at that path (a
// pipe would block the start-up for ever), the store is empty and keeps nothing: the
// program starts with the defaults and says nothing.
class QtSettingsStore final : public SettingsStore {
 public:
  // Where the file is looked for; empty where no such check is needed (Windows keeps
  // the file in the user's profile, which holds no pipes or devices).
  static QString filePath();

  QtSettingsStore();
  ~QtSettingsStore() override;
  QtSettingsStore(const QtSettingsStore&) = delete;
  QtSettingsStore& operator=(const QtSettingsStore&) = delete;

  std::string read(const std::string& section, const std::string& key) override;
  void write(const std::string& section, const std::string& key, const std::string& value) override;

 private:
  std::unique_ptr<QSettings> settings_;
};

}  // namespace zonalyst::platform
