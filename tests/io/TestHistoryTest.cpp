#include "IoTestSupport.h"
#include "io/TestHistory.h"

#include <gtest/gtest.h>

#include <filesystem>

#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace zonalyst::io {
namespace {

namespace fs = std::filesystem;
using Names = std::vector<std::string>;

TEST(TestHistory, ListsTheFoldersTestsOldestFirstTiesByNameAndNamesWhatItCannotList) {
  iotest::ScratchFolder folder;
  const auto base = fs::last_write_time(folder.path());
  const struct {
    const char* name;
    int minutesLater;
  } files[] = {{"late.fdr", 30}, {"b.fdr", 10}, {"a.FDR", 10}, {"early.fdr", 0}, {"notes.txt", 5}};
  for (const auto& file : files) {
    iotest::WriteFileBytes(folder.file(file.name), "x");
    fs::last_write_time(folder.file(file.name), base + std::chrono::minutes(file.minutesLater));
  }
  fs::create_directory(folder.path() / "sub.fdr");
  const Names names{"early.fdr", "notes.txt", "a.FDR", "b.fdr", "late.fdr"};
  std::vector<UnlistedPath> unlisted;
#ifndef _WIN32
  ASSERT_EQ(mkfifo(folder.file("pipe.fdr").c_str(), 0600), 0);
  fs::create_symlink("nothing", folder.path() / "dangling.fdr");
  fs::create_symlink("loop.fdr", folder.path() / "loop.fdr");
  unlisted = {{folder.file("dangling.fdr"), "it is a symbolic link to nothing", "dangling-link"},
              {folder.file("loop.fdr"), "it is a loop of symbolic links", "link-loop"},
              {folder.file("pipe.fdr"), "it is a pipe (FIFO), not a test file", "pipe"}};
#endif
  unlisted.push_back({folder.file("sub.fdr"), "it is a folder, not a test file", "folder"});
  const std::string loose = folder.file("notes.txt");
  const std::string missing = folder.file("gone");
  unlisted.push_back({missing, "no such file or folder", "missing"});

  const TestHistoryFiles found = ListTestHistory({folder.folder(), loose, missing});
  Names listed;
  for (const DatedTestFile& file : found.files) listed.push_back(fs::path(file.path).filename().string());
  EXPECT_EQ(listed, names);
  ASSERT_EQ(found.unlisted.size(), unlisted.size());
  for (std::size_t i = 0; i < unlisted.size(); ++i) {
    EXPECT_EQ(found.unlisted[i].path, unlisted[i].path);
    EXPECT_EQ(found.unlisted[i].reason, unlisted[i].reason);
    EXPECT_EQ(found.unlisted[i].kind, unlisted[i].kind);
  }
  // The test before one is the one listed before it; the oldest and a stranger have none.
  EXPECT_EQ(PreviousInHistory(folder.folder(), "b.fdr")->path, folder.file("a.FDR"));
  EXPECT_FALSE(PreviousInHistory(folder.folder(), "early.fdr"));
  EXPECT_FALSE(PreviousInHistory(folder.folder(), "gone.fdr"));
}

// A file dated past 2262, where the system clock's nanoseconds end: hostile-cli.sh lists one.
TEST(TestHistory, TimestampsAreUtcToTheSecond) {
  using namespace std::chrono;
  const sys_days day = year{2026} / December / 6;
  EXPECT_EQ(UtcTimestamp(day + hours(14) + minutes(5) + seconds(9) + milliseconds(999)), "2026-12-06T14:05:09Z");
  EXPECT_EQ(UtcTimestamp(sys_days(year{1999} / January / 1)), "1999-01-01T00:00:00Z");
}

}  // namespace
}  // namespace zonalyst::io
