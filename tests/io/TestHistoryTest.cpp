#include <gtest/gtest.h>

#include <filesystem>

#include "IoTestSupport.h"
#include "io/TestHistory.h"

namespace zonalyst::io {
namespace {

namespace fs = std::filesystem;

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
  const std::string loose = folder.file("notes.txt");
  const std::string missing = folder.file("gone");

  const TestHistoryFiles found = ListTestHistory({folder.folder(), loose, missing});
  std::vector<std::string> names;
  for (const DatedTestFile& file : found.files) names.push_back(fs::path(file.path).filename().string());
  EXPECT_EQ(names, (std::vector<std::string>{"early.fdr", "notes.txt", "a.FDR", "b.fdr", "late.fdr"}));
  ASSERT_EQ(found.unlisted.size(), 1u);
  EXPECT_EQ(found.unlisted[0].path, missing);
  EXPECT_EQ(found.unlisted[0].reason, "no such file or folder");
}

TEST(TestHistory, TimestampsAreUtcToTheSecond) {
  using namespace std::chrono;
  const sys_days day = year{2026} / December / 6;
  EXPECT_EQ(UtcTimestamp(day + hours(14) + minutes(5) + seconds(9) + milliseconds(999)), "2026-12-06T14:05:09Z");
  EXPECT_EQ(UtcTimestamp(sys_days(year{1999} / January / 1)), "1999-01-01T00:00:00Z");
}

}  // namespace
}  // namespace zonalyst::io
