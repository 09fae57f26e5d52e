#include "IoTestSupport.h"
#include "io/TestFileLayout.h"
#include "io/TestFileLoader.h"
#include "io/TestFileSaver.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <tuple>

namespace zonalyst::io {
namespace {

namespace fs = std::filesystem;
using iotest::ReadFileBytes;
using iotest::ScriptedQuestion;

MirrorTest Changed() {
  MirrorTest test = iotest::FullRecord();
  test.KeReading[3][2] += 0.001;
  return test;
}

// A folder that holds a.fdr with the full record, saved into by answering `answer`.
struct Folder {
  iotest::ScratchFolder temp;
  const std::string old = BuildTestFileText(iotest::FullRecord());
  explicit Folder(bool withA = true) {
    if (withA) iotest::WriteFileBytes(temp.file("a.fdr"), old);
  }
  SaveOutcome save(const MirrorTest& test, ScriptedQuestion& question, const std::string& name = "a.fdr") {
    return SaveTestFile(test, temp.folder(), name, question);
  }
  SaveDecision here(const std::string& name = "a.fdr") const { return {true, temp.folder(), name}; }
  std::string a() const { return ReadFileBytes(temp.file("a.fdr")); }
  int files() const { return static_cast<int>(temp.entries().size()); }
};

TEST(SaveTestFile, AnUnchangedTestWritesNothingAndAsksNothing) {
  Folder f(false);
  // The same values in another spelling: a write would show as changed bytes.
  std::string text = f.old;
  text.replace(0, 5, "6  1 1");
  iotest::WriteFileBytes(f.temp.file("a.fdr"), text);
  const LoadResult loaded = LoadTestFile(f.temp.folder(), "a.fdr");
  ASSERT_TRUE(loaded.ok());
  ScriptedQuestion question(f.here());
  EXPECT_EQ(f.save(*loaded.test, question).status, SaveStatus::Unchanged);
  EXPECT_EQ(question.asked, 0);
  EXPECT_EQ(f.a(), text);
}

TEST(SaveTestFile, ANewNameIsWrittenWithoutAskingAndLeavesNoTemporaryFileAnEmptyOneNothing) {
  Folder f(false);
  ScriptedQuestion question;
  const SaveOutcome outcome = f.save(iotest::FullRecord(), question, "new.fdr");
  EXPECT_EQ(std::tuple(outcome.status, outcome.folder, outcome.fileName),
            std::tuple(SaveStatus::Written, f.temp.folder(), "new.fdr"));
  EXPECT_EQ(question.asked, 0);
  EXPECT_EQ(ReadFileBytes(f.temp.file("new.fdr")), f.old);
  EXPECT_EQ(f.files(), 1);
  // An empty folder or name writes nothing.
  EXPECT_EQ(SaveTestFile(iotest::FullRecord(), "", "a.fdr", question).status, SaveStatus::Unnamed);
  EXPECT_EQ(f.save(iotest::FullRecord(), question, "").status, SaveStatus::Unnamed);
  EXPECT_EQ(question.asked, 0);
  EXPECT_EQ(f.files(), 1);
}

TEST(SaveTestFile, AChangedTestAsksAndOverwritesOrKeepsTheFileAsTold) {
  Folder f;
  ScriptedQuestion declined(SaveDecision{false, {}, {}});
  const SaveOutcome kept = f.save(Changed(), declined);
  EXPECT_EQ(kept.status, SaveStatus::Declined);
  EXPECT_EQ(kept.fileName, "a.fdr");
  EXPECT_EQ(declined.asked, 1);
  EXPECT_EQ(f.a(), f.old);

  ScriptedQuestion notNow(SaveDecision{false, {}, {}, true});
  EXPECT_EQ(f.save(Changed(), notNow).status, SaveStatus::NotNow);
  EXPECT_EQ(f.a(), f.old);

  ScriptedQuestion question(f.here());
  EXPECT_EQ(f.save(Changed(), question).status, SaveStatus::Written);
  EXPECT_EQ(std::tuple(question.asked, question.askedFolder, question.askedFileName),
            std::tuple(1, f.temp.folder(), "a.fdr"));
  EXPECT_EQ(f.a(), BuildTestFileText(Changed()));
  EXPECT_EQ(f.files(), 1);
}

TEST(SaveTestFile, SaveAsWritesTheOtherNameAndKeepsTheOldFile) {
  Folder f;
  iotest::ScratchFolder other;
  ScriptedQuestion question(SaveDecision{true, other.folder(), "b.fdr"});
  const SaveOutcome outcome = f.save(Changed(), question);
  EXPECT_EQ(std::tuple(outcome.status, outcome.folder, outcome.fileName),
            std::tuple(SaveStatus::Written, other.folder(), "b.fdr"));
  EXPECT_EQ(f.a(), f.old);
  EXPECT_EQ(ReadFileBytes(other.file("b.fdr")), BuildTestFileText(Changed()));

  ScriptedQuestion unnamed(f.here(""));  // a save as without a name writes nothing
  EXPECT_EQ(f.save(Changed(), unnamed).status, SaveStatus::Unnamed);
  EXPECT_EQ(std::pair(f.a(), f.files()), std::pair(f.old, 1));
}

TEST(SaveTestFile, AFileThatIsNoTestOrMorePrecisionThanTheFileHoldsCountsAsChanged) {
  Folder f(false);
  iotest::WriteFileBytes(f.temp.file("a.fdr"), "not a test\r\n");
  ScriptedQuestion question(f.here());
  EXPECT_EQ(f.save(iotest::FullRecord(), question).status, SaveStatus::Written);
  EXPECT_EQ(question.asked, 1);
  EXPECT_TRUE(LoadTestFile(f.temp.folder(), "a.fdr").ok());

  MirrorTest test = iotest::FullRecord();
  test.Roc = 1000.0 / 3.0;
  EXPECT_EQ(f.save(test, question).status, SaveStatus::Written);
  EXPECT_EQ(f.save(test, question).status, SaveStatus::Written);
  EXPECT_EQ(question.asked, 3);
}

// Write failures are the file writer's to pin (HostileWrite), and that the saver reports one
// and keeps the test, the window's (FilePanelTest's read-only test); a folder in the way is
// the saver's own.
TEST(SaveTestFile, AFolderInTheWayFailsNamingTheFile) {
  Folder f(false);
  ScriptedQuestion question(f.here());
  fs::create_directory(f.temp.file("a.fdr"));
  const SaveOutcome inTheWay = f.save(iotest::FullRecord(), question);
  EXPECT_EQ(inTheWay.status, SaveStatus::Failed);
  EXPECT_EQ(inTheWay.reason, "could not write \"" + f.temp.file("a.fdr") + "\": it is a folder, not a test file");
  EXPECT_TRUE(fs::is_directory(f.temp.file("a.fdr")));
  EXPECT_EQ(f.files(), 1);
}

}  // namespace
}  // namespace zonalyst::io
