#include "Settings.h"

#include <algorithm>
#include <cctype>

namespace zonalyst::platform {

std::string SettingText(bool value) { return value ? "True" : "False"; }

bool SettingValue(const std::string& text) {
  std::string lower = text;
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return lower == "true";
}

Settings ReadSettings(SettingsStore& store) {
  auto get = [&store](const char* key) { return SettingValue(store.read(kSettingsSection, key)); };
  return {get(kKeyShowSplash), get(kKeyShowExit), get(kKeyShowMcDialog), get(kKeyNoFileAss)};
}

void WriteSettings(SettingsStore& store, const Settings& settings) {
  store.write(kSettingsSection, kKeyShowSplash, SettingText(settings.showSplash));
  store.write(kSettingsSection, kKeyShowExit, SettingText(settings.showExit));
  WriteShowMcDialog(store, settings.showMcDialog);
  store.write(kSettingsSection, kKeyNoFileAss, SettingText(settings.noFileAss));
}

void WriteShowMcDialog(SettingsStore& store, bool value) {
  store.write(kSettingsSection, kKeyShowMcDialog, SettingText(value));
}

}  // namespace zonalyst::platform
