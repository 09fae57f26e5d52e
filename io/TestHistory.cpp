#include "TestHistory.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <tuple>

#include "PathText.h"

namespace zonalyst::io {
namespace {

namespace fs = std::filesystem;

bool HasTestExtension(const fs::path& path) {
  std::string extension = TextFromPath(path.extension());
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return extension == ".fdr";
}

// Every failure gives a reason instead of an exception: a history lists what it can.
void AddFile(const fs::path& path, TestHistoryFiles& found) {
  std::error_code error;
  const fs::file_time_type written = fs::last_write_time(path, error);
  if (error) {
    found.unlisted.push_back({TextFromPath(path), error.message()});
    return;
  }
  const auto modified = std::chrono::time_point_cast<std::chrono::system_clock::duration>(
      std::chrono::file_clock::to_sys(written));
  found.files.push_back({TextFromPath(path), modified});
}

void AddFolder(const fs::path& folder, TestHistoryFiles& found) {
  std::error_code error;
  fs::directory_iterator entries(folder, error);
  for (; !error && entries != fs::directory_iterator(); entries.increment(error)) {
    std::error_code kindError;
    if (HasTestExtension(entries->path()) && entries->is_regular_file(kindError)) AddFile(entries->path(), found);
  }
  if (error) found.unlisted.push_back({TextFromPath(folder), error.message()});
}

}  // namespace

TestHistoryFiles ListTestHistory(const std::vector<std::string>& paths) {
  TestHistoryFiles found;
  for (const std::string& text : paths) {
    const fs::path path = PathFromText(text);
    std::error_code error;
    if (fs::is_directory(path, error)) {
      AddFolder(path, found);
    } else if (fs::exists(path, error)) {
      AddFile(path, found);
    } else {
      found.unlisted.push_back({text, error ? error.message() : "no such file or folder"});
    }
  }
  const auto order = [](const DatedTestFile& file) {
    return std::tuple(file.modified, FileNameOf(file.path), file.path);
  };
  std::sort(found.files.begin(), found.files.end(),
            [&](const DatedTestFile& a, const DatedTestFile& b) { return order(a) < order(b); });
  return found;
}

std::string UtcTimestamp(std::chrono::system_clock::time_point time) {
  using namespace std::chrono;
  const auto day = floor<days>(time);
  const year_month_day date(day);
  const hh_mm_ss clock(floor<seconds>(time - day));
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02u-%02uT%02d:%02d:%02dZ", static_cast<int>(date.year()),
                static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()),
                static_cast<int>(clock.hours().count()), static_cast<int>(clock.minutes().count()),
                static_cast<int>(clock.seconds().count()));
  return text;
}

}  // namespace zonalyst::io
