#pragma once

#include "SystemFileCalls.h"

#include <optional>
#include <string>
#include <vector>

namespace zonalyst::io {

// A test file of a figuring history and when it was last written.
struct DatedTestFile {
  std::string path;
  FileTime modified;
};

// A path of the history that is neither a readable folder nor a file, or a folder's
// entry named as a test that is no file, and why.
struct UnlistedPath {
  std::string path;
  std::string reason;
  // One word for what stands there: "folder", "pipe", "device", "socket", "other",
  // "link-loop", "dangling-link", "missing" or "unreadable".
  std::string kind;
};

struct TestHistoryFiles {
  std::vector<DatedTestFile> files;  // oldest first; files written at the same moment by name
  std::vector<UnlistedPath> unlisted;
};

// The tests of a mirror's figuring history: each folder gives its entries ending in
// ".fdr" (any case; sub-folders are not searched), each other path is taken as given.
// The files are ordered oldest first by modification time, ties by file name, then by
// path. A folder's entry that is no file (a sub-folder, a pipe, a device, a link to
// nothing or a loop of links) is unlisted with its kind; none is left out in silence.
TestHistoryFiles ListTestHistory(const std::vector<std::string>& paths);

// The test written before the one named fileName in its folder, in the order of
// ListTestHistory (so the one `history` lists before it); none when that test is the
// first or is not listed.
std::optional<DatedTestFile> PreviousInHistory(const std::string& folder, const std::string& fileName);

// "2026-12-06T14:40:55Z": the time in UTC to the second.
std::string UtcTimestamp(FileTime time);

}  // namespace zonalyst::io
