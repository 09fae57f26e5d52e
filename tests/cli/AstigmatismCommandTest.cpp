#include "CliRun.h"
#include "JsonNumbers.h"
#include "io/TestFileLayout.h"
#include "tests/support/TestMirror.h"

#include <gtest/gtest.h>

namespace zonalyst::cli {
namespace {

const std::string kSet = kExamples + "astigmatism/";
const std::vector<std::string> kBundled = {kSet + "test1_rot0.fdr", kSet + "test2_rot60.fdr", kSet + "test3_rot120.fdr",
                                           kSet + "test4_rot0.fdr"};

// A 200 mm f/6 turned to deg degrees, with 0.02 mm of astigmatism at 50 degrees.
std::string Written(const ScratchFolder& folder, const std::string& name, double deg,
                    const testing::MirrorRecipe& recipe = {.roc = 2400.0, .diameter = 200.0}) {
  return folder.write(name, io::BuildTestFileText(testing::TurnedMirror(recipe, deg, 0.02, 50.0)));
}

TEST(AstigmatismCommand, TheBundledSetGivesItsAstigmatismWithinTheStatedUncertaintyAndItsDrift) {
  const CliRun run = Cli({"astigmatism", kBundled[0], kBundled[1], kBundled[2], kBundled[3], "--json"});
  ASSERT_EQ(run.code, 0) << run.err;
  // Made with A = 0.025 mm at 35 degrees, the mirror moved 0.015 mm before the last test.
  const double sd = *JsonNumber(run.out, "amplitude_sd");
  EXPECT_NEAR(*JsonNumber(run.out, "amplitude"), 0.025, 2.0 * sd);
  EXPECT_NEAR(*JsonNumber(run.out, "axis_deg"), 35.0, 2.0 * *JsonNumber(run.out, "axis_sd_deg"));
  EXPECT_NEAR(JsonNumber(run.out, "drift", run.out.find("\"axis_determined\"")).value_or(0.0), 0.015, 0.006);
  for (const std::string key : {"\"orientations\":[{\"file\":", "\"angle_deg\":", "\"shift\":", "\"residual\":",
                                "\"pv_nm\":", "\"pv_waves\":", "\"zones\":[{\"zone\":1,"}) {
    EXPECT_NE(run.out.find(key), std::string::npos) << key;
  }
  EXPECT_NE(run.out.find(JsonString(kBundled[3])), std::string::npos);
}

TEST(AstigmatismCommand, TheTextNamesEachFigureWithItsUnitsAndAsksForAThirdOrientationWhenTwoAreGiven) {
  ScratchFolder folder;
  const CliRun three = Cli({"astigmatism", Written(folder, "a.fdr", 0) + "@0", Written(folder, "b@60.fdr", 60),
                            Written(folder, "c_rot120.fdr", 120)});
  ASSERT_EQ(three.code, 0) << three.err;
  for (const std::string line : {"  A, half the readings' swing         0.0200 mm +/- 0.0000\n",
                                 "  theta0, the longer radius           50.0 deg",
                                 "  Radius difference of the meridians  0.0400 mm (2A, moving source)\n",
                                 "  Wavefront P-V                       69.4 nm +/- 0.0 = 0.126 waves at 550 nm\n",
                                 "  Verdict                             within a quarter wave"}) {
    EXPECT_NE(three.out.find(line), std::string::npos) << line << "\n" << three.out;
  }
  const CliRun two = Cli({"astigmatism", folder.file("a.fdr") + "@0", Written(folder, "d.fdr", 90) + "@90"});
  ASSERT_EQ(two.code, 0) << two.err;
  EXPECT_NE(two.out.find("a third orientation is needed for the axis"), std::string::npos) << two.out;
}

TEST(AstigmatismCommand, ExitCodesTellUsageLoadingAndTestsThatCannotBeCompared) {
  ScratchFolder folder;
  const std::string a = Written(folder, "a.fdr", 0) + "@0";
  const std::string b = Written(folder, "b.fdr", 60) + "@60";
  const std::string other = Written(folder, "o.fdr", 120, {.roc = 1600.0}) + "@120";
  const std::vector<std::tuple<std::vector<std::string>, int, std::string>> cases = {
      {{a}, 2, "expected 2 to 12 tests"},
      {{a, folder.file("b.fdr")}, 2, "no orientation for "},
      {{a, folder.file("b.fdr") + "@400"}, 2, "not from -360 to 360 degrees"},
      {{a, b, "--plot", "x.gif"}, 2, "--plot names the .png file"},
      {{a, folder.file("missing.fdr") + "@30"}, 1, "missing.fdr"},
      {{a, b, other}, 3, "more than 1 % apart"},
      {{a, folder.file("a.fdr") + "@180"}, 3, "one orientation of the mirror"},
  };
  for (const auto& [args, code, message] : cases) {
    std::vector<std::string> words = {"astigmatism"};
    words.insert(words.end(), args.begin(), args.end());
    const CliRun run = Cli(words);
    EXPECT_EQ(run.code, code) << run.err;
    EXPECT_NE(run.err.find(message), std::string::npos) << run.err;
  }
}

#ifdef ZONALYST_HAS_EXPORT
TEST(AstigmatismCommand, PlotIsAPngOfTheChart) {
  ScratchFolder folder;
  const std::string plot = folder.file("astig.png");
  const CliRun run = Cli({"astigmatism", kBundled[0], kBundled[1], kBundled[2], "--plot", plot});
  ASSERT_EQ(run.code, 0) << run.err;
  EXPECT_EQ(testing::ReadFileBytes(plot).substr(1, 3), "PNG");
}
#endif

}  // namespace
}  // namespace zonalyst::cli
