#include "Settings.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cmath>

namespace zonalyst::platform {
namespace {

// A path as one key of the store: no separator of sections or groups ("/", "\\") in it.
std::string OrientationKey(const std::string& testPath) {
  constexpr char kHex[] = "0123456789ABCDEF";
  std::string key;
  for (const char c : testPath) {
    const auto byte = static_cast<unsigned char>(c);
    const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
    if (plain || c == '.' || c == '-' || c == '_') {
      key += c;
    } else {
      key += {'%', kHex[byte >> 4], kHex[byte & 0xF]};
    }
  }
  return key;
}

}  // namespace

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

std::optional<double> ReadOrientation(SettingsStore& store, const std::string& testPath) {
  const std::string text = store.read(kOrientationSection, OrientationKey(testPath));
  double degrees = 0.0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), degrees);
  if (text.empty() || error != std::errc() || end != text.data() + text.size() || !(std::fabs(degrees) <= 360.0)) {
    return std::nullopt;
  }
  return degrees;
}

void WriteOrientation(SettingsStore& store, const std::string& testPath, double degrees) {
  std::array<char, 32> text{};
  const auto end = std::to_chars(text.data(), text.data() + text.size(), degrees).ptr;
  store.write(kOrientationSection, OrientationKey(testPath), std::string(text.data(), end));
}

}  // namespace zonalyst::platform
