#pragma once

#include <memory>

#include "Settings.h"

class QSettings;

namespace zonalyst::platform {

// The settings store of the user's desktop: an INI file of the application "Zonalyst" in
// the user's configuration folder ($XDG_CONFIG_HOME on Linux, the roaming profile on Windows).
class QtSettingsStore final : public SettingsStore {
 public:
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
