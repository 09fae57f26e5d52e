#include "io/TestPath.h"

#include <gtest/gtest.h>

namespace zonalyst::io {
namespace {

TEST(JoinTestPath, AddsASeparatorOnlyWhenTheFolderLacksOne) {
  const std::string sep(1, kPathSeparator);
  EXPECT_EQ(JoinTestPath("mirrors", "a.fdr"), "mirrors" + sep + "a.fdr");
  EXPECT_EQ(JoinTestPath("mirrors" + sep, "a.fdr"), "mirrors" + sep + "a.fdr");
  EXPECT_EQ(JoinTestPath(sep, "a.fdr"), sep + "a.fdr");  // a root folder already ends in one
}

TEST(JoinTestPath, EmptyFolderGivesTheNameAlone) { EXPECT_EQ(JoinTestPath("", "a.fdr"), "a.fdr"); }

}  // namespace
}  // namespace zonalyst::io
