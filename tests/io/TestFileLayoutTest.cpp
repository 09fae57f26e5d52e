#include "IoTestSupport.h"
#include "io/TestFileLayout.h"
#include "io/TestFileLoader.h"

#include <gtest/gtest.h>

#include <string>

namespace zonalyst::io {
namespace {

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
