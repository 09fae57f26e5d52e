#include "core/BestFitConic.h"
#include "core/SurfaceAnalysis.h"
#include "tests/support/FilledBessel.h"
#include "tests/support/TestMirror.h"

#include <gtest/gtest.h>

namespace zonalyst {
namespace {

struct ConicSearchFixture : ::testing::Test {
  ConicSearch SearchThatRecomputes() {
    ConicSearch search;
    search.recompute = [this](MirrorTest& t) {
      analysis.analyse(t);
      return analysis.metrics().RmsWaves;
    };
    return search;
  }
  // The search from the test's own analysis.
  ConicSearchResult find(MirrorTest& test, const ConicSearch& search) {
    analysis.analyse(test);
    return FindBestFitConic(test, analysis.metrics().RmsWaves, search);
  }
  SurfaceAnalysis analysis{testing::FilledBessel()};
};

TEST_F(ConicSearchFixture, PerfectParaboloidEnteredAsASphereEndsNearMinusOne) {
  MirrorTest test = testing::TestMirror();
  test.DesiredConic = 0.0;
  const ConicSearchResult result = find(test, SearchThatRecomputes());
  EXPECT_FALSE(result.stopped);
  EXPECT_EQ(result.startConic, 0.0);
  EXPECT_NEAR(result.bestConic, -1.0, 0.0015);
  EXPECT_EQ(test.DesiredConic, result.bestConic);
}

TEST_F(ConicSearchFixture, StartingAtTheOptimumTheUpwardLoopStopsAfterOneTrial) {
  MirrorTest test = testing::TestMirror();
  std::vector<double> tried;
  ConicSearch search = SearchThatRecomputes();
  search.afterTrial = [&](const MirrorTest& t) {
    tried.push_back(t.DesiredConic);
    return true;
  };
  find(test, search);
  ASSERT_GE(tried.size(), 2u);
  EXPECT_NEAR(tried[0], -0.9, 1e-12);  // one step up, worse: the upward loop ends
  EXPECT_NEAR(tried[1], -1.1, 1e-12);  // the downward loop starts one step below the start
}

TEST_F(ConicSearchFixture, TheCallerCanStopTheSearch) {
  MirrorTest test = testing::TestMirror();
  test.DesiredConic = 3.0;
  int trials = 0;
  ConicSearch search = SearchThatRecomputes();
  search.afterTrial = [&](const MirrorTest&) { return ++trials < 5; };
  const ConicSearchResult result = find(test, search);
  EXPECT_TRUE(result.stopped);
  EXPECT_EQ(result.trials, 5);
}

TEST_F(ConicSearchFixture, ASurfaceWithoutMinimumIsBounded) {
  MirrorTest test = testing::TestMirror();
  ConicSearch search;
  double rms = 100.0;
  search.recompute = [&](MirrorTest&) { return rms -= 1e-6; };  // always falling
  search.conicLimit = 50.0;
  const ConicSearchResult result = FindBestFitConic(test, 100.0, search);
  EXPECT_TRUE(result.stopped);
  EXPECT_LE(result.trials, 600);
}

}  // namespace
}  // namespace zonalyst
