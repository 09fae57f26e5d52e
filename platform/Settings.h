#pragma once

#include <optional>
#include <string>

namespace zonalyst::platform {

// Where the program keeps its four user choices: application "Zonalyst", section "Global".
inline constexpr const char* kSettingsApplication = "Zonalyst";
inline constexpr const char* kSettingsSection = "Global";
inline constexpr const char* kKeyShowSplash = "Show_Splash";
inline constexpr const char* kKeyShowExit = "Show_Exit";
inline constexpr const char* kKeyShowMcDialog = "Show_MC_Dialog";
inline constexpr const char* kKeyNoFileAss = "No_File_ass";
// The paper of the last mask template, "A4" or "Letter", stored as soon as it is chosen.
inline constexpr const char* kKeyMaskPaper = "Mask_Paper";
// The folder photographs were last chosen from, stored as soon as they are chosen.
inline constexpr const char* kKeyPhotoFolder = "Photo_Folder";

// The orientation of the mirror, in degrees, that a test was taken at, kept per test file
// because the file has no place for it: in section "Orientation", the key the file's
// absolute path with every byte other than a letter, digit, ".", "-" or "_" as %XX.
inline constexpr const char* kOrientationSection = "Orientation";

// The four choices kept between runs; all false on a first run.
struct Settings {
  bool showSplash = false;    // the splash closes by itself after one second
  bool showExit = false;      // Esc exits after the half-second countdown
  bool showMcDialog = false;  // no explanation window after a Monte Carlo run
  bool noFileAss = false;     // the file association is not offered at start-up
  friend bool operator==(const Settings&, const Settings&) = default;
};

// A per-user store of text values by section and key (the application is the store's own).
class SettingsStore {
 public:
  virtual ~SettingsStore() = default;
  // The stored text, or an empty text when the key is missing or unreadable.
  virtual std::string read(const std::string& section, const std::string& key) = 0;
  virtual void write(const std::string& section, const std::string& key, const std::string& value) = 0;
};

// "True" or "False", the form every choice is stored in.
std::string SettingText(bool value);
// Only "True" reads as true (whatever the case); anything else, missing included, is false.
bool SettingValue(const std::string& text);

Settings ReadSettings(SettingsStore& store);
void WriteSettings(SettingsStore& store, const Settings& settings);
// The one choice that is also stored on its own, as soon as its check boxes change.
void WriteShowMcDialog(SettingsStore& store, bool value);

// The orientation kept for the test file at the absolute path; none when none is kept or
// what is kept is not an angle from -360 to 360 degrees.
std::optional<double> ReadOrientation(SettingsStore& store, const std::string& testPath);
void WriteOrientation(SettingsStore& store, const std::string& testPath, double degrees);

}  // namespace zonalyst::platform
