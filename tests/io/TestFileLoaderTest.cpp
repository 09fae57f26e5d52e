#include "IoTestSupport.h"
#include "io/TestFileLayout.h"
#include "io/TestFileLoader.h"
#include "io/TestPath.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

namespace zonalyst::io {
namespace {

// The lines of the full record's file, without their CR LF.
std::vector<std::string> FullLines() {
  const std::string text = BuildTestFileText(iotest::FullRecord());
  std::vector<std::string> lines;
  for (std::size_t start = 0; start < text.size(); start = text.find("\r\n", start) + 2) {
    lines.push_back(text.substr(start, text.find("\r\n", start) - start));
  }
  return lines;
}

std::string Joined(const std::vector<std::string>& lines, const std::string& ending = "\r\n") {
  std::string text;
  for (const auto& line : lines) text += line + ending;
  return text;
}

LoadResult LoadWithLine(int index, const std::string& line) {
  auto lines = FullLines();
  lines[index] = line;
  return LoadTestText(Joined(lines));
}

TEST(LoadTestText, ReadsTheSavedLayoutWithOrWithoutCarriageReturnsAndComputesTheEffectiveRadii) {
  const LoadResult loaded = LoadTestText(Joined(FullLines()));
  ASSERT_TRUE(loaded.ok());
  // zone 2 spans 0.25..0.5: (sqrt((0.25^2 + 0.5^2) / 2) + 0.375) / 2
  EXPECT_NEAR(loaded.test->effectiveRadius(2), 0.385142, 1e-6);
  EXPECT_TRUE(LoadTestText(Joined(FullLines(), "\n")).ok());
  auto unterminated = Joined(FullLines());
  unterminated.resize(unterminated.size() - 2);
  EXPECT_TRUE(LoadTestText(unterminated).ok());
  EXPECT_TRUE(LoadTestText(Joined(FullLines()) + "\r\n").ok());  // one empty line after line 62
}

TEST(LoadTestText, RefusesMalformedLinesNamingLineAndExpectation) {
  struct Case {
    int index;
    std::string line;
    std::string detail;
  };
  const std::string header =
      "line 1: expected three numbers (zone count, units 0 mm or 1 inch, light source 0 "
      "fixed or 1 moving), found \"6 1 1 \"";
  std::vector<Case> cases = {
      {0, "6 1 1 ", header},
      {5, "1 2",
       "line 6: expected three numbers for zone 4 (inner radius, outer radius, set 1 reading), found \"1 2\""},
      {17, "2 1", "line 18: expected zone entry 0 (effective radius) or 1 (inner and outer radius)"},
      {17, "1 0", "line 18: expected 1 to 4 reading sets"},
      {17, "1 5", "line 18: expected 1 to 4 reading sets"}};
  for (const char* zoneCount : {"2 1 1", "16 1 1", "2.5 1 1", "1E300 1 1"}) {  // 2.5 rounds to 2
    cases.push_back({0, zoneCount, "line 1: expected a zone count of 3 to 15"});
  }
  for (const char* units : {"6 2 1", "6 -1 1"}) {
    cases.push_back({0, units, "line 1: expected units 0 (millimetres) or 1 (inches)"});
  }
  cases.push_back({0, "6 1 3", "line 1: expected light source 0 (fixed) or 1 (moving)"});
  for (const char* bad : {"abc", "0.5x", "0,5", "inf", "nan", " "}) {  // zone 4, set 3
    cases.push_back(
        {28, bad,
         "line 29: expected the reading of zone 4 in set 3 or an empty line, found \"" + std::string(bad) + "\""});
  }
  for (const char* bad : {"", "x 2", "1 x", "1 2 "}) cases.push_back({17, bad, ""});
  for (const Case& c : cases) {
    const LoadResult result = LoadWithLine(c.index, c.line);
    ASSERT_FALSE(result.ok()) << '"' << c.line << '"';
    EXPECT_EQ(result.error.line, c.index + 1) << '"' << c.line << '"';
    if (!c.detail.empty()) {
      EXPECT_EQ(result.error.detail, c.detail);
    }
  }
}

TEST(LoadTestText, ReadsBlanksLineSeventeenAndHalvesAsTheFileMeansThem) {
  const auto header = [](const LoadResult& r) {
    return std::tuple(r.test->ZoneCount, r.test->Units, r.test->MovingSource);
  };
  const LoadResult rounded = LoadWithLine(0, "14.5 0.4 0.6");  // halves round to even
  ASSERT_TRUE(rounded.ok());
  EXPECT_EQ(header(rounded), std::tuple(14, 0, 1));
  const LoadResult line17 = LoadWithLine(17, "0 4");  // its first and last character
  ASSERT_TRUE(line17.ok());
  EXPECT_EQ(std::pair(line17.test->InnerOuterEntry, line17.test->ReadingSets), std::pair(0, 4));
  const LoadResult empty = LoadWithLine(3 * 2 + 13 + 3, "");  // zone 2, set 3
  ASSERT_TRUE(empty.ok());
  EXPECT_EQ(empty.test->KeReading[2][3], 0.0);
  EXPECT_NE(empty.test->KeReading[2][2], 0.0);
}

TEST(LoadTestText, AFileEndingBeforeLineSeventeenFailsAndOneEndingAfterItReadsZeros) {
  auto lines = FullLines();
  lines.resize(18);
  const LoadResult zeros = LoadTestText(Joined(lines));
  ASSERT_TRUE(zeros.ok()) << zeros.error.detail;
  for (int zone = 1; zone <= 15; ++zone) {
    EXPECT_NE(zeros.test->KeReading[zone][1], 0.0);
    for (int set = 2; set <= 4; ++set) EXPECT_EQ(zeros.test->KeReading[zone][set], 0.0);
  }
  lines.resize(17);  // lines 0..16
  const LoadResult result = LoadTestText(Joined(lines));
  ASSERT_FALSE(result.ok());
  EXPECT_EQ(result.error.line, 18);
  EXPECT_EQ(result.error.detail,
            "line 18: expected the zone entry digit (1 inner and outer radius, 0 effective radius), a blank and the "
            "number of reading sets, but the file ends before it");
  EXPECT_FALSE(LoadTestText("").ok());
}

TEST(LoadTestText, AcceptsOneHundredAndOneLinesButNotOneHundredAndTwo) {
  auto lines = FullLines();
  lines.resize(101, "anything at all");
  EXPECT_TRUE(LoadTestText(Joined(lines)).ok());
  lines.push_back("");
  const LoadResult result = LoadTestText(Joined(lines));
  ASSERT_FALSE(result.ok());
  EXPECT_EQ(result.error.line, 102);
  EXPECT_EQ(result.error.detail, "line 102: expected the end of the file; a test file has at most 101 lines");
}

TEST(JoinTestPath, AddsASeparatorOnlyWhenTheFolderLacksOne) {
  // A folder with and without one and none at all: LoadTestFile's test. A root folder already ends in one.
  const std::string sep(1, kPathSeparator);
  EXPECT_EQ(JoinTestPath(sep, "a.fdr"), sep + "a.fdr");
  // Drive letters, backslashes and forward slashes on Windows; elsewhere a backslash is a
  // character of the name.
  const struct {
    const char *folder, *path;
  } cases[] = {
#ifdef _WIN32
      {"C:\\", "C:\\a.fdr"},
      {"C:\\Mirrors", "C:\\Mirrors\\a.fdr"},
      {"C:/Mirrors/", "C:/Mirrors/a.fdr"},
      {"\\\\server\\share", "\\\\server\\share\\a.fdr"},
#else
      {"mirrors\\", "mirrors\\/a.fdr"},
#endif
  };
  for (const auto& c : cases) EXPECT_EQ(JoinTestPath(c.folder, "a.fdr"), c.path) << c.folder;
}

TEST(LoadTestFile, ReadsWithOrWithoutASeparatorAndAFailureKeepsThePathAndLine) {
  iotest::ScratchFolder folder;
  const LoadResult missing = LoadTestFile(folder.folder(), "missing.fdr");
  const std::string path = folder.file("missing.fdr");
  EXPECT_EQ(std::tuple(missing.ok(), missing.error.path, missing.error.line), std::tuple(false, path, 0));
  EXPECT_EQ(missing.error.userMessage(),
            "Hey,  I had a problem opening the file " + path +
                ".\r\nEmail me the file and I'll see if I can figure out what I did wrong!\r\n"
                "zonalyst@users.noreply.example");
  EXPECT_NE(missing.error.detail.find(path), std::string::npos);

  iotest::WriteFileBytes(folder.file("bad.fdr"), "5 1 1 \r\n");
  const LoadResult bad = LoadTestFile(folder.folder(), "bad.fdr");
  EXPECT_EQ(std::tuple(bad.ok(), bad.error.path, bad.error.line), std::tuple(false, folder.file("bad.fdr"), 1));
  EXPECT_EQ(LoadTestFile(folder.folder(), "").error.line, 0);  // the folder itself is no test file

  iotest::WriteFileBytes(folder.file("a.fdr"), BuildTestFileText(iotest::FullRecord()));
  EXPECT_TRUE(LoadTestFile(folder.folder(), "a.fdr").ok());
  EXPECT_TRUE(LoadTestFile(folder.folder() + kPathSeparator, "a.fdr").ok());
  EXPECT_TRUE(LoadTestFile("", folder.folder() + "/a.fdr").ok());  // a forward slash serves on Windows too
}

TEST(LoadTestFile, EveryExampleLoadsAndIsWrittenBackByteForByte) {
  namespace fs = std::filesystem;
  const fs::path examples = fs::path(ZONALYST_SOURCE_DIR) / "examples";
  int count = 0;
  for (const auto& entry : fs::directory_iterator(examples)) {
    if (entry.path().extension() != ".fdr") continue;
    ++count;
    const LoadResult result = LoadTestFile(examples.string(), entry.path().filename().string());
    ASSERT_TRUE(result.ok()) << entry.path() << ": " << result.error.detail;
    EXPECT_EQ(BuildTestFileText(*result.test), iotest::ReadFileBytes(entry.path().string())) << entry.path();
  }
  EXPECT_GE(count, 3);
}

}  // namespace
}  // namespace zonalyst::io
