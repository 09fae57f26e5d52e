#include "IoTestSupport.h"

#include "tests/support/TestMirror.h"

#include <clocale>
#include <cstdio>
#include <cstdlib>

namespace zonalyst::io::iotest {
namespace {

namespace fs = std::filesystem;

bool CommaIsDecimalSeparator() {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%.1f", 1.5);
  return std::string(buffer) == "1,5";
}

bool TrySetLocale(const char* name) { return std::setlocale(LC_ALL, name) != nullptr && CommaIsDecimalSeparator(); }

// Builds de_DE.UTF-8 from the C library's locale sources into a private folder, once
// for all test runs on the machine. Windows has every locale built in.
bool BuildGermanLocale() {
#ifdef _WIN32
  return false;
#else
  const fs::path folder = fs::temp_directory_path() / "zonalyst-io-test-locales";
  const fs::path locale = folder / "de_DE.UTF-8";
  std::error_code ignored;
  if (!fs::exists(locale / "LC_NUMERIC", ignored)) {
    fs::create_directories(folder, ignored);
    const std::string command = "localedef -c -i de_DE -f UTF-8 '" + locale.string() + "' >/dev/null 2>&1";
    if (std::system(command.c_str()) == -1) return false;
  }
  return setenv("LOCPATH", folder.c_str(), 1) == 0;
#endif
}

}  // namespace

MirrorTest FullRecord() {
  std::vector<double> outer;
  for (int zone = 1; zone <= 15; ++zone) outer.push_back(0.25 * zone);
  MirrorTest test = testing::TestMirror({.roc = 96.25,
                                         .diameter = 6.0,
                                         .inches = true,
                                         .innerOuter = true,
                                         .zones = outer,
                                         .readingSets = 3,
                                         .perfectReadings = false});
  test.ZoneCount = 6;
  for (int zone = 1; zone <= 15; ++zone) {
    for (int set = 1; set <= 4; ++set)
      test.KeReading[zone][set] = (10 * zone * zone + set - 500) / 10000.0;  // a 4-decimal value, exactly as read
  }
  test.KeReading[15][4] = -1.5E-05;
  return test;
}

CommaLocale::CommaLocale() {
  for (const char* name :
       {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "nl_NL.UTF-8", "it_IT.UTF-8", "German_Germany.1252"}) {
    if (TrySetLocale(name)) {
      active_ = true;
      return;
    }
  }
  active_ = BuildGermanLocale() && TrySetLocale("de_DE.UTF-8");
}

CommaLocale::~CommaLocale() { std::setlocale(LC_ALL, "C"); }

}  // namespace zonalyst::io::iotest
