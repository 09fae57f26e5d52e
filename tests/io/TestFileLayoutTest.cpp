#include "io/TestFileLayout.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "IoTestSupport.h"
#include "io/TestFileLoader.h"
#include "tests/support/TestMirror.h"

namespace zonalyst::io {
namespace {

TEST(BuildTestFileText, WritesTheExactLayout) {
  MirrorTest test = testing::TestMirror({.roc = 96.5, .diameter = 8.0, .inches = true, .innerOuter = true,
                                         .zones = {1.5, 2.5, 3.25, 3.75, 4}, .readingSets = 2,
                                         .perfectReadings = false});
  const double readings[5] = {0.01, 0.035, 0.0625, -0.072, 123456789012345678.0};
  for (int z = 1; z <= 5; ++z) test.KeReading[z][1] = readings[z - 1];
  test.ZoneRadius[9] = {7.0, 8.0, 0.5};  // unused zone: written, derived column left out
  test.KeReading[1][2] = 0.00001;
  test.KeReading[2][2] = 1.0 / 3.0;
  test.KeReading[4][3] = 0.75;  // line 3*4 + 13 + 3 = 28
  test.KeReading[15][4] = 2.5;  // unused set

  std::vector<std::string> lines = {"5 1 1",           "96.5 8 -1",        "0 1.5 0.01", "1.5 2.5 0.035",
                                    "2.5 3.25 0.0625", "3.25 3.75 -0.072", "3.75 4 1.23456789012346E+17"};
  for (int zone = 6; zone <= 15; ++zone) lines.push_back(zone == 9 ? "7 8 0" : "0 0 0");
  lines.push_back("1 2");
  for (int zone = 1; zone <= 15; ++zone) {
    for (int set = 2; set <= 4; ++set) lines.push_back("0");
  }
  lines[18] = "1E-05";
  lines[21] = "0.333333333333333";
  lines[28] = "0.75";
  lines[62] = "2.5";
  std::string text;
  for (const auto& line : lines) text += line + "\r\n";
  ASSERT_EQ(lines.size(), 63u);
  EXPECT_EQ(BuildTestFileText(test), text);
}

TEST(TestFileRoundTrip, GivesBackEveryValueIncludingUnusedZonesAndSetsAlsoInACommaLocale) {
  const MirrorTest original = iotest::FullRecord();
  const LoadResult loaded = LoadTestText(BuildTestFileText(original));
  ASSERT_TRUE(loaded.ok()) << loaded.error.detail;
  EXPECT_EQ(TestFileValuesOf(*loaded.test), TestFileValuesOf(original));

  iotest::CommaLocale locale;
  if (!locale.active()) GTEST_SKIP() << "no locale with a decimal comma is installed and localedef could not build one";
  const std::string text = BuildTestFileText(original);
  EXPECT_EQ(text.find(','), std::string::npos);
  EXPECT_EQ(text.substr(0, text.find("\r\n", text.find("\r\n") + 2)), "6 1 1\r\n96.25 6 -1");
  const LoadResult inComma = LoadTestText(text);
  ASSERT_TRUE(inComma.ok()) << inComma.error.detail;
  EXPECT_EQ(TestFileValuesOf(*inComma.test), TestFileValuesOf(original));
}

}  // namespace
}  // namespace zonalyst::io
