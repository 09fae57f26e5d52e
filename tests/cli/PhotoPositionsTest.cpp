#include "app/cli/PhotoPositions.h"
#include "tests/support/ScratchFolder.h"

#include <gtest/gtest.h>

namespace zonalyst::cli {
namespace {

using testing::ScratchFolder;

// What a list of positions gives photographs "a.png" and "dir/b.png": their positions, or
// the problem (after the list's quoted path, where it starts with a line).
struct ListCase {
  const char* name;
  std::string list;
  std::vector<double> positions;
  std::string problem;
};

TEST(PhotoPositions, AListGivesEachPhotoItsLineOrNamesTheLineAtFault) {
  const std::vector<ListCase> cases = {
      {"header", "file,position\na.png,0.5\nb.png,0.75\n", {0.5, 0.75}, ""},
      {"no header, CR LF", "a.png,0.5\r\nb.png , 0.75\r\n", {0.5, 0.75}, ""},
      {"mark before data",
       "\xEF\xBB\xBF"
       "a.png,0.5\nb.png,0.75\n",
       {0.5, 0.75},
       ""},
      {"mark after blanks",
       " \xEF\xBB\xBF"
       "file;mm,position\na.png,0.5\ndir/b.png,0.75\n",
       {0.5, 0.75},
       ""},
      {"mark only", "\xEF\xBB\xBF\n\na.png,0.5\nb.png,0.75\n", {0.5, 0.75}, ""},
      {"bad line 1", "a.png,0.5.1\nb.png,0.75\n", {}, "line 1 of \"%\" is not \"file,position\""},
      {"bad line 3", "file,position\na.png,0.5\nb.png\n", {}, "line 3 of \"%\" is not \"file,position\""},
      {"listed twice",
       "a.png,0.5\nb.png,0.75\n\na.png,0.9\n",
       {},
       "line 4 of \"%\" lists \"a.png\" again, after line 1"},
      {"by path and by name",
       "b.png,0.5\na.png,0.6\ndir/b.png,0.75\n",
       {},
       "lines 1 and 3 of \"%\" both list \"dir/b.png\""},
      {"beyond reach",
       "a.png,0.5\nb.png,-1e308\n",
       {},
       "line 2 of \"%\" gives a knife position beyond the knife's reach"},
      {"overflowing",
       "a.png,0.5\nb.png,1e999\n",
       {},
       "line 2 of \"%\" gives a knife position beyond the knife's reach"},
      {"missing", "a.png,0.5\n", {}, "\"%\" gives no knife position for \"dir/b.png\""},
      {"same", "a.png,0.5\nb.png,0.50\n", {}, "\"a.png\" and \"dir/b.png\" are both at knife position 0.5"},
  };
  ScratchFolder folder;
  const std::string list = (folder.path() / "positions.csv").string();
  for (const ListCase& c : cases) {
    folder.write("positions.csv", c.list);
    const PhotoPositions got = KnifePositionsOf({"a.png", "dir/b.png"}, list);
    std::string problem = c.problem;
    if (const auto at = problem.find('%'); at != std::string::npos) problem.replace(at, 1, list);
    EXPECT_EQ(got.problem.substr(0, problem.size()), problem) << c.name;
    EXPECT_FALSE(got.listUnreadable) << c.name;
    if (problem.empty()) {
      EXPECT_EQ(got.positions, c.positions) << c.name;
      EXPECT_EQ(got.source, PositionSource::List) << c.name;
    }
  }
}

TEST(PhotoPositions, NamesThatLookLikeFrameNumbersOrAllNegativeAreDoubted) {
  const PhotoPositions frames = KnifePositionsOf({"IMG_0041.jpg", "IMG_0042.jpg"}, std::nullopt);
  EXPECT_EQ(frames.positions, (std::vector<double>{41, 42}));
  EXPECT_EQ(frames.warnings.size(), 1u);
  EXPECT_EQ(KnifePositionsOf({"k_-0.5.png", "k_-0.6.png"}, std::nullopt).warnings.size(), 1u);
  EXPECT_TRUE(KnifePositionsOf({"k-0.5.png", "k-0.6.png"}, std::nullopt).warnings.empty());
  const PhotoPositions twice = KnifePositionsOf({"frame-1.20mm.png", "again_1.20.png"}, std::nullopt);
  EXPECT_EQ(twice.problem, "\"frame-1.20mm.png\" and \"again_1.20.png\" are both at knife position 1.2");
  EXPECT_EQ(KnifePositionsOf({"k_1.png", "k_1" + std::string(240, '0') + ".png"}, std::nullopt).problem.substr(0, 60),
            "the name of \"k_1" + std::string(44, '0'));
}

}  // namespace
}  // namespace zonalyst::cli
