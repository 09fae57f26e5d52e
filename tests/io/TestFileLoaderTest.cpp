#include "io/TestFileLoader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "IoTestSupport.h"
#include "io/TestFileLayout.h"
#include "io/TestPath.h"

namespace zonalyst::io {
namespace {

// The lines of the full record's file, without their CR LF.
std::vector<std::string> FullLines() {
  const std::string text = BuildTestFileText(iotest::FullRecord());
  std::vector<std::string> lines;
  for (std::size_t start = 0; start < text.size();) {
    const std::size_t end = text.find("\r\n", start);
    lines.push_back(text.substr(start, end - start));
    start = end + 2;
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

TEST(LoadTestText, ReadsTheSavedLayoutWithOrWithoutCarriageReturns) {
  EXPECT_TRUE(LoadTestText(Joined(FullLines())).ok());
  EXPECT_TRUE(LoadTestText(Joined(FullLines(), "\n")).ok());
  auto unterminated = Joined(FullLines());
  unterminated.resize(unterminated.size() - 2);
  EXPECT_TRUE(LoadTestText(unterminated).ok());
  EXPECT_TRUE(LoadTestText(Joined(FullLines()) + "\r\n").ok());  // one empty line after line 62
}

TEST(LoadTestText, ComputesTheEffectiveRadii) {
  const LoadResult loaded = LoadTestText(Joined(FullLines()));
  ASSERT_TRUE(loaded.ok());
  // zone 2 spans 0.25..0.5: (sqrt((0.25^2 + 0.5^2) / 2) + 0.375) / 2
  EXPECT_NEAR(loaded.test->effectiveRadius(2), 0.385142, 1e-6);
}

TEST(LoadTestText, LineZeroWithTwoBlanksLoadsButATrailingBlankFails) {
  const LoadResult twoBlanks = LoadWithLine(0, "6  1 1");
  ASSERT_TRUE(twoBlanks.ok()) << twoBlanks.error.detail;
  EXPECT_EQ(twoBlanks.test->ZoneCount, 6);
  EXPECT_EQ(twoBlanks.test->Units, 1);

  const LoadResult trailing = LoadWithLine(0, "6 1 1 ");
  ASSERT_FALSE(trailing.ok());
  EXPECT_EQ(trailing.error.line, 1);
  EXPECT_EQ(trailing.error.detail,
            "line 1: expected three numbers (zone count, units 0 mm or 1 inch, light source 0 fixed or 1 moving), "
            "found \"6 1 1 \"");
}

TEST(LoadTestText, AFileEndingBeforeLineSeventeenFails) {
  auto lines = FullLines();
  lines.resize(17);  // lines 0..16
  const LoadResult result = LoadTestText(Joined(lines));
  ASSERT_FALSE(result.ok());
  EXPECT_EQ(result.error.line, 18);
  EXPECT_EQ(result.error.detail,
            "line 18: expected the zone entry digit (1 inner and outer radius, 0 effective radius), a blank and the "
            "number of reading sets, but the file ends before it");

  lines.resize(10);
  const LoadResult shorter = LoadTestText(Joined(lines));
  ASSERT_FALSE(shorter.ok());
  EXPECT_EQ(shorter.error.line, 11);
  EXPECT_FALSE(LoadTestText("").ok());
}

TEST(LoadTestText, AFileEndingAfterLineSeventeenReadsZerosForTheOtherSets) {
  auto lines = FullLines();
  lines.resize(18);
  const LoadResult result = LoadTestText(Joined(lines));
  ASSERT_TRUE(result.ok()) << result.error.detail;
  for (int zone = 1; zone <= 15; ++zone) {
    EXPECT_NE(result.test->KeReading[zone][1], 0.0);
    for (int set = 2; set <= 4; ++set) EXPECT_EQ(result.test->KeReading[zone][set], 0.0);
  }
}

TEST(LoadTestText, EmptyReadingLinesReadZero) {
  const LoadResult result = LoadWithLine(3 * 2 + 13 + 3, "");  // zone 2, set 3
  ASSERT_TRUE(result.ok());
  EXPECT_EQ(result.test->KeReading[2][3], 0.0);
  EXPECT_NE(result.test->KeReading[2][2], 0.0);
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

TEST(LoadTestText, RefusesANonNumericReading) {
  for (const char* bad : {"abc", "0.5x", "0,5", "inf", "nan", " "}) {
    const LoadResult result = LoadWithLine(28, bad);  // zone 4, set 3
    ASSERT_FALSE(result.ok()) << bad;
    EXPECT_EQ(result.error.line, 29);
    EXPECT_EQ(result.error.detail,
              "line 29: expected the reading of zone 4 in set 3 or an empty line, found \"" + std::string(bad) + "\"");
  }
}

TEST(LoadTestText, RefusesAMalformedZoneLine) {
  const LoadResult result = LoadWithLine(5, "1 2");
  ASSERT_FALSE(result.ok());
  EXPECT_EQ(result.error.detail,
            "line 6: expected three numbers for zone 4 (inner radius, outer radius, set 1 reading), found \"1 2\"");
}

TEST(LoadTestText, RefusesZoneCountsUnitsAndSourcesOutOfRange) {
  struct Case {
    const char* line;
    const char* detail;
  };
  for (const Case& c : {Case{"2 1 1", "line 1: expected a zone count of 3 to 15"},
                        Case{"16 1 1", "line 1: expected a zone count of 3 to 15"},
                        Case{"2.5 1 1", "line 1: expected a zone count of 3 to 15"},  // rounds to 2
                        Case{"1E300 1 1", "line 1: expected a zone count of 3 to 15"},
                        Case{"6 2 1", "line 1: expected units 0 (millimetres) or 1 (inches)"},
                        Case{"6 -1 1", "line 1: expected units 0 (millimetres) or 1 (inches)"},
                        Case{"6 1 3", "line 1: expected light source 0 (fixed) or 1 (moving)"}}) {
    const LoadResult result = LoadWithLine(0, c.line);
    ASSERT_FALSE(result.ok()) << c.line;
    EXPECT_EQ(result.error.line, 1);
    EXPECT_EQ(result.error.detail, c.detail);
  }
  const LoadResult rounded = LoadWithLine(0, "14.5 0.4 0.6");  // halves round to even
  ASSERT_TRUE(rounded.ok());
  EXPECT_EQ(rounded.test->ZoneCount, 14);
  EXPECT_EQ(rounded.test->Units, 0);
  EXPECT_EQ(rounded.test->MovingSource, 1);
}

TEST(LoadTestText, ReadsLineSeventeenFromItsFirstAndLastCharacter) {
  const LoadResult result = LoadWithLine(17, "0 4");
  ASSERT_TRUE(result.ok());
  EXPECT_EQ(result.test->InnerOuterEntry, 0);
  EXPECT_EQ(result.test->ReadingSets, 4);

  for (const char* bad : {"", "x 2", "1 x", "1 2 "}) {
    const LoadResult malformed = LoadWithLine(17, bad);
    ASSERT_FALSE(malformed.ok()) << bad;
    EXPECT_EQ(malformed.error.line, 18);
  }
  for (const auto& [line, detail] :
       {std::pair{"2 1", "line 18: expected zone entry 0 (effective radius) or 1 (inner and outer radius)"},
        std::pair{"1 0", "line 18: expected 1 to 4 reading sets"},
        std::pair{"1 5", "line 18: expected 1 to 4 reading sets"}}) {
    const LoadResult result = LoadWithLine(17, line);
    ASSERT_FALSE(result.ok()) << line;
    EXPECT_EQ(result.error.detail, detail);
  }
}

TEST(LoadTestFile, ReadsWithOrWithoutASeparatorAfterTheFolder) {
  iotest::TempFolder folder;
  iotest::WriteBytes(folder.file("a.fdr"), BuildTestFileText(iotest::FullRecord()));
  EXPECT_TRUE(LoadTestFile(folder.folder(), "a.fdr").ok());
  EXPECT_TRUE(LoadTestFile(folder.folder() + kPathSeparator, "a.fdr").ok());
}

TEST(LoadTestFile, AMissingFileGivesTheMessageWithItsFullPath) {
  iotest::TempFolder folder;
  const LoadResult result = LoadTestFile(folder.folder(), "missing.fdr");
  ASSERT_FALSE(result.ok());
  const std::string path = folder.file("missing.fdr");
  EXPECT_EQ(result.error.path, path);
  EXPECT_EQ(result.error.line, 0);
  EXPECT_EQ(result.error.userMessage(),
            "Hey,  I had a problem opening the file " + path +
                ".\r\nEmail me the file and I'll see if I can figure out what I did wrong!\r\n"
                "zonalyst@users.noreply.example");
  EXPECT_NE(result.error.detail.find(path), std::string::npos);
}

TEST(LoadTestFile, AMalformedFileKeepsItsPathAndLine) {
  iotest::TempFolder folder;
  iotest::WriteBytes(folder.file("bad.fdr"), "5 1 1 \r\n");
  const LoadResult result = LoadTestFile(folder.folder(), "bad.fdr");
  ASSERT_FALSE(result.ok());
  EXPECT_EQ(result.error.path, folder.file("bad.fdr"));
  EXPECT_EQ(result.error.line, 1);
  EXPECT_EQ(LoadTestFile(folder.folder(), "").error.line, 0);  // the folder itself is no test file
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
    EXPECT_EQ(BuildTestFileText(*result.test), iotest::ReadBytes(entry.path().string())) << entry.path();
  }
  EXPECT_GE(count, 3);
}

}  // namespace
}  // namespace zonalyst::io
