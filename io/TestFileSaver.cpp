#include "TestFileSaver.h"

#include "FileAccess.h"
#include "FileKind.h"
#include "PathText.h"
#include "TestFileLayout.h"
#include "TestPath.h"

#include <filesystem>

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
  const std::filesystem::file_status status = std::filesystem::status(PathFromText(path), error);
  // A pipe or a device in the test's place is neither read for the comparison nor written.
  if (const auto kind = SpecialFileKind(status)) {
    outcome.status = SaveStatus::Failed;
    outcome.reason = WriteFailure(path, "it is " + *kind + ", not a test file");
    return outcome;
  }
  const bool exists = status.type() != std::filesystem::file_type::not_found;  // unknown counts as existing
  if (exists) {
    if (FileHoldsRecord(path, test)) {
      outcome.status = SaveStatus::Unchanged;
      return outcome;
    }
    SaveDecision decision = question.ask(folder, fileName);
    if (!decision.goAhead) {
      outcome.status = decision.notNow ? SaveStatus::NotNow : SaveStatus::Declined;
      return outcome;
    }
    outcome.folder = std::move(decision.folder);
    outcome.fileName = std::move(decision.fileName);
    if (outcome.folder.empty() || outcome.fileName.empty()) return outcome;
  }

  outcome.reason = ReplaceFileText(JoinTestPath(outcome.folder, outcome.fileName), BuildTestFileText(test));
  outcome.status = outcome.reason.empty() ? SaveStatus::Written : SaveStatus::Failed;
  return outcome;
}

}  // namespace zonalyst::io
