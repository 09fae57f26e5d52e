#include "TestFileSaver.h"

#include <filesystem>

#include "FileAccess.h"
#include "TestFileLayout.h"
#include "TestPath.h"

namespace zonalyst::io {
namespace {

// True when the file at path holds exactly the values the record would be written as.
// A file that cannot be read as a test holds something else.
bool FileHoldsRecord(const std::string& path, const MirrorTest& test) {
  const FileText file = ReadFileText(path);
  if (!file.text) return false;
  const auto values = ReadTestFileValues(*file.text);
  const auto* read = std::get_if<TestFileValues>(&values);
  return read != nullptr && *read == TestFileValuesOf(test);
}

}  // namespace

SaveOutcome SaveTestFile(const MirrorTest& test, const std::string& folder, const std::string& fileName,
                         SaveQuestion& question) {
  SaveOutcome outcome{SaveStatus::Unnamed, folder, fileName, {}};
  if (folder.empty() || fileName.empty()) return outcome;

  const std::string path = JoinTestPath(folder, fileName);
  std::error_code error;
  const bool exists = std::filesystem::exists(path, error) || error;
  if (exists) {
    if (FileHoldsRecord(path, test)) {
      outcome.status = SaveStatus::Unchanged;
      return outcome;
    }
    SaveDecision decision = question.ask(folder, fileName);
    if (!decision.goAhead) {
      outcome.status = SaveStatus::Declined;
      return outcome;
    }
    outcome.folder = std::move(decision.folder);
    outcome.fileName = std::move(decision.fileName);
    if (outcome.folder.empty() || outcome.fileName.empty()) return outcome;
  }

  const std::string target = JoinTestPath(outcome.folder, outcome.fileName);
  outcome.reason = ReplaceFileText(target, BuildTestFileText(test));
  outcome.status = outcome.reason.empty() ? SaveStatus::Written : SaveStatus::Failed;
  return outcome;
}

}  // namespace zonalyst::io
