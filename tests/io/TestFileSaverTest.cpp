#include "io/TestFileSaver.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>

#include "IoTestSupport.h"
#include "io/TestFileLayout.h"
#include "io/TestFileLoader.h"
#include "io/TestPath.h"

#ifndef _WIN32
#include <sys/resource.h>
#endif

namespace zonalyst::io {
namespace {

namespace fs = std::filesystem;
using iotest::ReadBytes;
using iotest::ScriptedQuestion;
using iotest::TempFolder;
using iotest::WriteBytes;

int FilesIn(const TempFolder& folder) {
  int count = 0;
  for ([[maybe_unused]] const auto& entry : fs::directory_iterator(folder.path())) ++count;
  return count;
}

MirrorTest Changed(MirrorTest test) {
  test.KeReading[3][2] += 0.001;
  return test;
}

TEST(SaveTestFile, AnUnchangedTestWritesNothingAndAsksNothing) {
  TempFolder folder;
  // The same values in another spelling: a write would show as changed bytes.
  std::string text = BuildTestFileText(iotest::FullRecord());
  text.replace(0, 5, "6  1 1");
  WriteBytes(folder.file("a.fdr"), text);
  const LoadResult loaded = LoadTestFile(folder.folder(), "a.fdr");
  ASSERT_TRUE(loaded.ok());

  ScriptedQuestion question(SaveDecision{true, folder.folder(), "a.fdr"});
  const SaveOutcome outcome = SaveTestFile(*loaded.test, folder.folder(), "a.fdr", question);
  EXPECT_EQ(outcome.status, SaveStatus::Unchanged);
  EXPECT_EQ(question.asked, 0);
  EXPECT_EQ(ReadBytes(folder.file("a.fdr")), text);
}

TEST(SaveTestFile, ANewNameIsWrittenWithoutAsking) {
  TempFolder folder;
  ScriptedQuestion question;
  const SaveOutcome outcome = SaveTestFile(iotest::FullRecord(), folder.folder(), "new.fdr", question);
  EXPECT_EQ(outcome.status, SaveStatus::Written);
  EXPECT_EQ(outcome.folder, folder.folder());
  EXPECT_EQ(outcome.fileName, "new.fdr");
  EXPECT_EQ(question.asked, 0);
  EXPECT_EQ(ReadBytes(folder.file("new.fdr")), BuildTestFileText(iotest::FullRecord()));
  EXPECT_EQ(FilesIn(folder), 1);  // no temporary file left behind
}

TEST(SaveTestFile, AChangedTestAsksAndOverwritesWhenToldTo) {
  TempFolder folder;
  WriteBytes(folder.file("a.fdr"), BuildTestFileText(iotest::FullRecord()));
  ScriptedQuestion question(SaveDecision{true, folder.folder(), "a.fdr"});
  const SaveOutcome outcome = SaveTestFile(Changed(iotest::FullRecord()), folder.folder(), "a.fdr", question);
  EXPECT_EQ(outcome.status, SaveStatus::Written);
  EXPECT_EQ(question.asked, 1);
  EXPECT_EQ(question.askedFolder, folder.folder());
  EXPECT_EQ(question.askedFileName, "a.fdr");
  EXPECT_EQ(ReadBytes(folder.file("a.fdr")), BuildTestFileText(Changed(iotest::FullRecord())));
  EXPECT_EQ(FilesIn(folder), 1);
}

TEST(SaveTestFile, ADeclinedSaveLeavesTheFileAlone) {
  TempFolder folder;
  const std::string text = BuildTestFileText(iotest::FullRecord());
  WriteBytes(folder.file("a.fdr"), text);
  ScriptedQuestion question(SaveDecision{false, {}, {}});
  const SaveOutcome outcome = SaveTestFile(Changed(iotest::FullRecord()), folder.folder(), "a.fdr", question);
  EXPECT_EQ(outcome.status, SaveStatus::Declined);
  EXPECT_EQ(outcome.fileName, "a.fdr");
  EXPECT_EQ(question.asked, 1);
  EXPECT_EQ(ReadBytes(folder.file("a.fdr")), text);
}

TEST(SaveTestFile, SaveAsWritesTheOtherNameAndKeepsTheOldFile) {
  TempFolder folder;
  TempFolder other;
  const std::string text = BuildTestFileText(iotest::FullRecord());
  WriteBytes(folder.file("a.fdr"), text);
  ScriptedQuestion question(SaveDecision{true, other.folder(), "b.fdr"});
  const SaveOutcome outcome = SaveTestFile(Changed(iotest::FullRecord()), folder.folder(), "a.fdr", question);
  EXPECT_EQ(outcome.status, SaveStatus::Written);
  EXPECT_EQ(outcome.folder, other.folder());
  EXPECT_EQ(outcome.fileName, "b.fdr");
  EXPECT_EQ(ReadBytes(folder.file("a.fdr")), text);
  EXPECT_EQ(ReadBytes(other.file("b.fdr")), BuildTestFileText(Changed(iotest::FullRecord())));
}

TEST(SaveTestFile, AFileThatIsNoTestCountsAsChanged) {
  TempFolder folder;
  WriteBytes(folder.file("a.fdr"), "not a test\r\n");
  ScriptedQuestion question(SaveDecision{true, folder.folder(), "a.fdr"});
  const SaveOutcome outcome = SaveTestFile(iotest::FullRecord(), folder.folder(), "a.fdr", question);
  EXPECT_EQ(outcome.status, SaveStatus::Written);
  EXPECT_EQ(question.asked, 1);
  EXPECT_TRUE(LoadTestFile(folder.folder(), "a.fdr").ok());
}

TEST(SaveTestFile, MorePrecisionThanTheFileHoldsCountsAsChangedEveryTime) {
  TempFolder folder;
  MirrorTest test = iotest::FullRecord();
  test.Roc = 1000.0 / 3.0;
  ScriptedQuestion question(SaveDecision{true, folder.folder(), "a.fdr"});
  ASSERT_EQ(SaveTestFile(test, folder.folder(), "a.fdr", question).status, SaveStatus::Written);
  EXPECT_EQ(SaveTestFile(test, folder.folder(), "a.fdr", question).status, SaveStatus::Written);
  EXPECT_EQ(question.asked, 1);
}

TEST(SaveTestFile, AnEmptyFolderOrNameWritesNothing) {
  TempFolder folder;
  ScriptedQuestion question(SaveDecision{true, folder.folder(), "a.fdr"});
  EXPECT_EQ(SaveTestFile(iotest::FullRecord(), "", "a.fdr", question).status, SaveStatus::Unnamed);
  EXPECT_EQ(SaveTestFile(iotest::FullRecord(), folder.folder(), "", question).status, SaveStatus::Unnamed);
  EXPECT_EQ(question.asked, 0);
  EXPECT_EQ(FilesIn(folder), 0);
}

TEST(SaveTestFile, ASaveAsWithoutANameWritesNothing) {
  TempFolder folder;
  const std::string text = BuildTestFileText(iotest::FullRecord());
  WriteBytes(folder.file("a.fdr"), text);
  ScriptedQuestion question(SaveDecision{true, folder.folder(), ""});
  const SaveOutcome outcome = SaveTestFile(Changed(iotest::FullRecord()), folder.folder(), "a.fdr", question);
  EXPECT_EQ(outcome.status, SaveStatus::Unnamed);
  EXPECT_EQ(ReadBytes(folder.file("a.fdr")), text);
  EXPECT_EQ(FilesIn(folder), 1);
}

TEST(SaveTestFile, ThroughALinkTheLinkedFileIsReplaced) {
  TempFolder folder;
  WriteBytes(folder.file("real.fdr"), BuildTestFileText(iotest::FullRecord()));
  fs::create_symlink(folder.file("real.fdr"), folder.file("link.fdr"));
  ScriptedQuestion question(SaveDecision{true, folder.folder(), "link.fdr"});
  const SaveOutcome outcome = SaveTestFile(Changed(iotest::FullRecord()), folder.folder(), "link.fdr", question);
  EXPECT_EQ(outcome.status, SaveStatus::Written);
  EXPECT_TRUE(fs::is_symlink(folder.file("link.fdr")));
  EXPECT_EQ(ReadBytes(folder.file("real.fdr")), BuildTestFileText(Changed(iotest::FullRecord())));
  EXPECT_EQ(FilesIn(folder), 2);
}

TEST(SaveTestFile, AnImpossibleFolderFailsNamingTheFile) {
  TempFolder folder;
  WriteBytes(folder.file("plain"), "a file, not a folder");
  ScriptedQuestion question;
  const std::string impossible = folder.file("plain");
  const SaveOutcome outcome = SaveTestFile(iotest::FullRecord(), impossible, "a.fdr", question);
  EXPECT_EQ(outcome.status, SaveStatus::Failed);
  EXPECT_EQ(outcome.reason.rfind("could not write \"" + JoinTestPath(impossible, "a.fdr") + "\": ", 0), 0u) << outcome.reason;
  EXPECT_EQ(FilesIn(folder), 1);
}

#ifndef _WIN32
// Lets a write reach only a few bytes into any file, as a full disk would.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    getrlimit(RLIMIT_FSIZE, &previous_);
    rlimit limited = previous_;
    limited.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limited);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &previous_);
    std::signal(SIGXFSZ, previousHandler_);
  }

 private:
  rlimit previous_{};
  void (*previousHandler_)(int) = nullptr;
};

TEST(SaveTestFile, AFailedWriteLeavesTheOldFileWholeAndReportsFailure) {
  TempFolder folder;
  const std::string text = BuildTestFileText(iotest::FullRecord());
  WriteBytes(folder.file("a.fdr"), text);
  ScriptedQuestion question(SaveDecision{true, folder.folder(), "a.fdr"});
  SaveOutcome outcome;
  {
    FileSizeLimit limit(100);
    outcome = SaveTestFile(Changed(iotest::FullRecord()), folder.folder(), "a.fdr", question);
  }
  EXPECT_EQ(outcome.status, SaveStatus::Failed);
  EXPECT_EQ(outcome.reason.rfind("could not write \"" + folder.file("a.fdr") + "\": ", 0), 0u) << outcome.reason;
  EXPECT_EQ(ReadBytes(folder.file("a.fdr")), text);
  EXPECT_EQ(FilesIn(folder), 1);  // the partial temporary file is gone
}
#endif

TEST(SaveTestFile, AFolderInTheWayOfTheFileFails) {
  TempFolder folder;
  fs::create_directory(folder.file("a.fdr"));
  ScriptedQuestion question(SaveDecision{true, folder.folder(), "a.fdr"});
  const SaveOutcome outcome = SaveTestFile(iotest::FullRecord(), folder.folder(), "a.fdr", question);
  EXPECT_EQ(outcome.status, SaveStatus::Failed);
  EXPECT_EQ(outcome.reason.rfind("could not replace \"" + folder.file("a.fdr") + "\": ", 0), 0u) << outcome.reason;
  EXPECT_TRUE(fs::is_directory(folder.file("a.fdr")));
  EXPECT_EQ(FilesIn(folder), 1);
}

}  // namespace
}  // namespace zonalyst::io
