#pragma once

#include <chrono>
#include <string>
#include <vector>

namespace zonalyst::io {

// A test file of a figuring history and when it was last written.
struct DatedTestFile {
  std::string path;
  std::chrono::system_clock::time_point modified;
};

// A path of the history that is neither a readable folder nor a file, and why.
struct UnlistedPath {
  std::string path;
  std::string reason;
};

struct TestHistoryFiles {
  std::vector<DatedTestFile> files;  // oldest first; files written at the same moment by name
  std::vector<UnlistedPath> unlisted;
};

// The tests of a mirror's figuring history: each folder gives its regular files ending
// in ".fdr" (any case; sub-folders are not searched), each other path is taken as
// given. Ordered oldest first by modification time, ties by file name, then by path.
TestHistoryFiles ListTestHistory(const std::vector<std::string>& paths);

// "2026-12-06T14:40:55Z": the time in UTC to the second.
std::string UtcTimestamp(std::chrono::system_clock::time_point time);

}  // namespace zonalyst::io
