#include "IoTestSupport.h"
#include "io/PathText.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace zonalyst::io {
namespace {

namespace fs = std::filesystem;

TEST(PathText, NamesBeyondAnyOneCodePageReachTheFileSystemAndComeBackWhole) {
  iotest::ScratchFolder temp;
  // Latin, the euro sign, Greek and Japanese: no single Windows code page holds them all.
  const std::string name = "Zo\xc3\xab \xe2\x82\xac \xce\xb1\xce\xb2 \xe9\x8f\xa1.fdr";
  const std::string text = TextFromPath(temp.path()) + "/" + name;
  std::ofstream(PathFromText(text)) << "x";
  ASSERT_TRUE(fs::exists(PathFromText(text)));
  const auto entry = fs::directory_iterator(temp.path())->path();
  EXPECT_EQ(TextFromPath(entry.filename()), name);
  EXPECT_EQ(TextFromPath(PathFromText(text)), text);
  EXPECT_EQ(TextFromPath(PathFromText("")), "");
}

}  // namespace
}  // namespace zonalyst::io
