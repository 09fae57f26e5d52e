#pragma once

#include "core/MirrorTest.h"

#include <optional>
#include <string>
#include <string_view>

namespace zonalyst::io {

// Contact address that the load-failure message gives the user.
inline constexpr std::string_view kContactAddress = "zonalyst@users.noreply.example";

// Why a test could not be loaded.
struct LoadError {
  std::string path;    // full path of the file; empty for text that came from elsewhere
  int line = 0;        // line of the fault counted from 1, or 0 for the file as a whole
  std::string detail;  // for the command line: "line 3: expected three numbers ..."

  // The message box text: "Hey,  I had a problem opening the file <path>." CR LF
  // "Email me the file and I'll see if I can figure out what I did wrong!" CR LF <contact>,
  // the path as PrintableName shows it.
  std::string userMessage() const;
  // The message box text followed, for a fault of the file as a whole (not a test file, too
  // large, unreadable), by its reason on a line of its own.
  std::string userMessageWithReason() const;
};

// Either a freshly read record, with its effective radii computed, or the error.
struct LoadResult {
  std::optional<MirrorTest> test;
  LoadError error;  // meaningful only when test is empty

  bool ok() const { return test.has_value(); }
};

// Loads a test from the text of a test file. Besides the faults of the layout, a
// zone count outside 3..15, units, light source or zone entry other than 0 or 1, and
// reading sets outside 1..4 are refused: such a record would break every analysis.
LoadResult LoadTestText(std::string_view text);

// Loads the test file at JoinTestPath(folder, fileName). A missing or unreadable
// file fails like a malformed one; the error carries the full path.
LoadResult LoadTestFile(std::string_view folder, std::string_view fileName);

}  // namespace zonalyst::io
