#pragma once

#include "core/MirrorTest.h"

#include <string>

namespace zonalyst::io {

// The user's answer to "the test differs from its file: save it?".
struct SaveDecision {
  bool goAhead = false;  // false: write nothing
  std::string folder;    // where to write: the folder and name asked about, or new ones
  std::string fileName;
  bool notNow = false;  // with goAhead false: no answer given, the user stays with the test
};

// Asks the user whether to save a test that differs from its file (the unsaved-changes
// dialog in the window; an answer given in advance in tests and batch use).
class SaveQuestion {
 public:
  virtual ~SaveQuestion() = default;
  virtual SaveDecision ask(const std::string& folder, const std::string& fileName) = 0;
};

enum class SaveStatus {
  Unnamed,    // the folder or the file name is empty: nothing written
  Unchanged,  // the file already holds the record: nothing written, nothing asked
  Written,    // the file was written, at folder and fileName of the outcome
  Declined,   // the user chose not to save: nothing written
  NotNow,     // the user left the question unanswered: nothing written, the test stays open
  Failed,     // writing failed (or the file is read-only); any earlier file is left whole
};

struct SaveOutcome {
  SaveStatus status = SaveStatus::Unnamed;
  std::string folder;  // folder and name the test now belongs to (changed by "save as")
  std::string fileName;
  std::string reason;  // for Failed: what went wrong, naming the file
};

// Saves the record to JoinTestPath(folder, fileName) when it differs from the file
// there. An existing file is compared value by value (reals exactly); only when they
// differ is the question asked. A missing file is written without asking; an existing
// one that cannot be read as a test counts as different. A read-only file is never
// replaced: that save fails, and says so. The text goes to a temporary
// file in the same folder that then replaces the target, so a failed write never
// damages the old file.
SaveOutcome SaveTestFile(const MirrorTest& test, const std::string& folder, const std::string& fileName,
                         SaveQuestion& question);

}  // namespace zonalyst::io
