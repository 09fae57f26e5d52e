#include "TestHistory.h"

#include "FileKind.h"
#include "PathText.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <iterator>
#include <optional>
#include <tuple>

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
  if (const auto modified = LastWritten(path, error)) {
    found.files.push_back({TextFromPath(path), *modified});
  } else {
    found.unlisted.push_back({TextFromPath(path), error.message(), "unreadable"});
  }
}

std::string KindWord(fs::file_type type) {
  switch (type) {
    case fs::file_type::directory:
      return "folder";
    case fs::file_type::fifo:
      return "pipe";
    case fs::file_type::block:
    case fs::file_type::character:
      return "device";
    case fs::file_type::socket:
      return "socket";
    default:
      return "other";
  }
}

// Why a folder's entry named as a test is no file, and its kind; nothing when it is one.
std::optional<UnlistedPath> NoFile(const fs::directory_entry& entry) {
  const std::string path = TextFromPath(entry.path());
  std::error_code error;
  const fs::file_status status = entry.status(error);
  if (const auto kind = SpecialFileKind(status)) {
    return UnlistedPath{path, "it is " + *kind + ", not a test file", KindWord(status.type())};
  }
  if (!error) return std::nullopt;
  std::error_code linkError;
  if (!entry.is_symlink(linkError)) return UnlistedPath{path, error.message(), "unreadable"};
  if (error.value() == ELOOP) return UnlistedPath{path, "it is a loop of symbolic links", "link-loop"};
  return UnlistedPath{path, "it is a symbolic link to nothing", "dangling-link"};
}

void AddFolder(const fs::path& folder, TestHistoryFiles& found) {
  const std::size_t firstUnlisted = found.unlisted.size();
  std::error_code error;
  fs::directory_iterator entries(folder, error);
  for (; !error && entries != fs::directory_iterator(); entries.increment(error)) {
    if (!HasTestExtension(entries->path())) continue;
    if (auto noFile = NoFile(*entries)) {
      found.unlisted.push_back(*std::move(noFile));
    } else {
      AddFile(entries->path(), found);
    }
  }
  // A folder gives its entries in no particular order.
  std::sort(found.unlisted.begin() + static_cast<std::ptrdiff_t>(firstUnlisted), found.unlisted.end(),
            [](const UnlistedPath& a, const UnlistedPath& b) { return a.path < b.path; });
  if (error) found.unlisted.push_back({TextFromPath(folder), error.message(), "unreadable"});
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
      if (error) {
        found.unlisted.push_back({text, error.message(), "unreadable"});
      } else {
        found.unlisted.push_back({text, "no such file or folder", "missing"});
      }
    }
  }
  const auto order = [](const DatedTestFile& file) {
    return std::tuple(file.modified, FileNameOf(file.path), file.path);
  };
  std::sort(found.files.begin(), found.files.end(),
            [&](const DatedTestFile& a, const DatedTestFile& b) { return order(a) < order(b); });
  return found;
}

std::optional<DatedTestFile> PreviousInHistory(const std::string& folder, const std::string& fileName) {
  const std::vector<DatedTestFile> files = ListTestHistory({folder}).files;
  const auto open = std::find_if(files.begin(), files.end(),
                                 [&](const DatedTestFile& file) { return FileNameOf(file.path) == fileName; });
  if (open == files.end() || open == files.begin()) return std::nullopt;
  return *std::prev(open);
}

std::string UtcTimestamp(FileTime time) {
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
