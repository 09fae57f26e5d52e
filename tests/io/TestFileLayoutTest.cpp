#include "io/TestFileLayout.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "IoTestSupport.h"
#include "io/TestFileLoader.h"

namespace zonalyst::io {
namespace {

TEST(BuildTestFileText, WritesTheExactLayout) {
  MirrorTest test;
  test.ZoneCount = 5;
  test.Units = 1;
  test.MovingSource = 1;
  test.ReadingSets = 2;
  test.InnerOuterEntry = 1;
  test.Roc = 96.5;
  test.Diameter = 8.0;
  test.DesiredConic = -1.0;
  const double zones[5][3] = {{0, 1.5, 0.01}, {1.5, 2.5, 0.035}, {2.5, 3.25, 0.0625}, {3.25, 3.75, -0.072},
                              {3.75, 4, 123456789012345678.0}};
  for (int z = 1; z <= 5; ++z) test.ZoneRadius[z] = {zones[z - 1][0], zones[z - 1][1], 0.0};
  for (int z = 1; z <= 5; ++z) test.KeReading[z][1] = zones[z - 1][2];
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

TEST(TestFileRoundTrip, GivesBackEveryValueIncludingUnusedZonesAndSets) {
  const MirrorTest original = iotest::FullRecord();
  const LoadResult loaded = LoadTestText(BuildTestFileText(original));
  ASSERT_TRUE(loaded.ok()) << loaded.error.detail;
  EXPECT_EQ(TestFileValuesOf(*loaded.test), TestFileValuesOf(original));
  EXPECT_EQ(loaded.test->KeReading[15][4], -1.5E-05);
}

TEST(TestFileRoundTrip, WritesPointsAndReadsThemBackInACommaLocale) {
  iotest::CommaLocale locale;
  if (!locale.active()) GTEST_SKIP() << "no locale with a decimal comma is installed and localedef could not build one";
  const MirrorTest original = iotest::FullRecord();
  const std::string text = BuildTestFileText(original);
  EXPECT_EQ(text.find(','), std::string::npos);
  EXPECT_EQ(text.substr(0, text.find("\r\n", text.find("\r\n") + 2)), "6 1 1\r\n96.25 6 -1");
  const LoadResult loaded = LoadTestText(text);
  ASSERT_TRUE(loaded.ok()) << loaded.error.detail;
  EXPECT_EQ(TestFileValuesOf(*loaded.test), TestFileValuesOf(original));
}

}  // namespace
}  // namespace zonalyst::io
