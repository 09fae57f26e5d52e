#include "core/MonteCarlo.h"
#include "core/MonteCarloExplanation.h"
#include "tests/support/FilledBessel.h"
#include "tests/support/TestMirror.h"

#include <gtest/gtest.h>

#include <numeric>
#include <tuple>

namespace zonalyst {
namespace {

TEST(ReadingScatter, SingleSetAssumesTheDefault) {
  MirrorTest test = testing::TestMirror();
  EXPECT_DOUBLE_EQ(CalculateReadingScatter(test).sd[3], 0.127);
  test.Units = 1;
  const ReadingScatter inches = CalculateReadingScatter(test);
  EXPECT_DOUBLE_EQ(inches.sd[6], 0.005);
  EXPECT_DOUBLE_EQ(inches.meanSd, 0.005);
  EXPECT_EQ(inches.sd[7], 0.0);
}

TEST(ReadingScatter, SetOffsetsAreRemovedBeforeComparingZones) {
  MirrorTest test = testing::TestMirror();
  test.ReadingSets = 2;
  for (int z = 1; z <= 6; ++z) test.KeReading[z][2] = test.KeReading[z][1] + 0.37;
  const ReadingScatter same = CalculateReadingScatter(test);
  for (int z = 1; z <= 6; ++z) EXPECT_NEAR(same.sd[z], 0.0, 1e-12);

  test.KeReading[2][2] += 0.06;  // one reading off: its set's offset moves by 0.01
  const ReadingScatter scattered = CalculateReadingScatter(test);
  EXPECT_NEAR(scattered.sd[2], std::sqrt(2 * 0.025 * 0.025), 1e-12);
  EXPECT_NEAR(scattered.sd[1], std::sqrt(2 * 0.005 * 0.005), 1e-12);
}

TEST(ReadingScatter, ZonesWhoseSetsAgreeExactlyTakeTheOthersScatterNeverZero) {
  MirrorTest test = testing::TestMirror();
  test.ReadingSets = 2;
  for (int z = 1; z <= 6; ++z) test.KeReading[z][2] = test.KeReading[z][1];
  EXPECT_DOUBLE_EQ(CalculateReadingScatter(test).meanSd, 0.127) << "a copied set tells no scatter";
  test.KeReading[2][2] += 0.06;
  test.KeReading[5][2] -= 0.06;
  const ReadingScatter scatter = CalculateReadingScatter(test);
  const double mean = (scatter.sd[2] + scatter.sd[5]) / 2;
  EXPECT_GT(mean, 0.0);
  for (const int copied : {1, 3, 4, 6}) EXPECT_DOUBLE_EQ(scatter.sd[copied], mean) << copied;
}

struct ScriptedUniform {
  std::vector<double> values;
  std::size_t next_ = 0;
  double next() { return values[next_++]; }
};

TEST(PolarNormalPair, RejectsPairsOutsideTheCircleAndAtItsCentre) {
  ScriptedUniform uniform{{0.5, 0.5, 0.99, 0.99, 0.75, 0.5}};  // s = 0, then s > 1, then (0.5, 0)
  const auto [u, v] = PolarNormalPair(uniform);
  EXPECT_EQ(uniform.next_, 6u);
  EXPECT_NEAR(u, 0.5 * std::sqrt(-2 * std::log(0.25) / 0.25), 1e-12);
  EXPECT_EQ(v, 0.0);
}

TEST(MonteCarloBins, StrehlRoundsUpAndRmsRoundsHalfToEven) {
  for (const auto& [strehl, bin] : {std::pair{0.85, 85}, {0.851, 86}, {0.0, 0}, {1.0, 100}}) {
    EXPECT_EQ(StrehlBin(strehl), bin) << strehl;
  }
  for (const auto& [rms, bin] : {std::pair{12.5, 12}, {13.5, 14}, {299.4, 299}, {299.5, -1}}) {
    EXPECT_EQ(RmsBin(rms), bin) << rms;
  }
}

template <std::size_t N>
std::array<std::int32_t, N> Histogram(std::initializer_list<std::pair<int, int>> counts) {
  std::array<std::int32_t, N> h{};
  for (const auto& [bin, count] : counts) h[bin] = count;
  return h;
}

TEST(ChartRange, RoundsOutToTensAndLowersALine) {
  const auto h = Histogram<kStrehlBins>({{83, 3}, {84, 10}, {85, 50}, {86, 30}, {87, 7}});
  const auto range = ComputeChartRange(h, 100);
  ASSERT_TRUE(range);
  // bins 85 and 86 hold 80 of 100, with 84 and 87: 97
  EXPECT_EQ(std::tuple(range->lo, range->hi, range->peak, range->barWidth, range->lower68, range->upper68,
                       range->lower95, range->upper95),
            std::tuple(80, 90, 50, 28, 85, 86, 84, 87));
}

TEST(ChartRange, EqualEndsWidenAndSparseChartsHaveNone) {
  const auto single = ComputeChartRange(Histogram<kRmsBins>({{40, 100}}), 100);
  ASSERT_TRUE(single);
  EXPECT_EQ(std::pair(single->lo, single->hi), std::pair(30, 40));
  const auto nearZero = ComputeChartRange(Histogram<kRmsBins>({{0, 50}, {3, 6}}), 56);
  ASSERT_TRUE(nearZero);
  EXPECT_EQ(std::pair(nearZero->lo, nearZero->hi), std::pair(0, 10));
  EXPECT_FALSE(ComputeChartRange(Histogram<kRmsBins>({{10, 5}, {20, 5}, {250, 100}}), 110));

  const auto spread = ComputeChartRange(Histogram<kRmsBins>({{10, 6}, {200, 94}}), 100);
  ASSERT_TRUE(spread);  // only 6 % of the trials in the charted bins
  EXPECT_FALSE(spread->reached68());
  EXPECT_EQ(spread->lower68, 101);
  EXPECT_EQ(spread->upper95, 0);
}

// The test mirror analysed at its nominal readings.
struct MonteCarloRunTest : ::testing::Test {
  SurfaceAnalysis analysis{testing::FilledBessel()};
  MirrorTest test = testing::TestMirror();
};

TEST_F(MonteCarloRunTest, ZeroScatterPutsEveryTrialInOneBin) {
  test.KeReading[4][1] += 0.05;
  analysis.analyse(test);
  const double nominalStrehl = analysis.metrics().Strehl;
  const auto nominalAverages = test.KeAverage;

  UniformSource uniform(7);
  MonteCarloRun run(test, analysis, ZoneValues{}, 0.0, 250);
  EXPECT_TRUE(test.MonteCarloRunning);
  while (run.runTrial(uniform)) {
  }
  EXPECT_EQ(run.trials(), 250);
  const auto& strehl = run.strehlHistogram();
  EXPECT_EQ(strehl[StrehlBin(nominalStrehl)], 250);
  EXPECT_EQ(std::accumulate(strehl.begin(), strehl.end(), 0), 250);
  run.finish();
  EXPECT_FALSE(test.MonteCarloRunning);
  EXPECT_EQ(test.KeAverage, nominalAverages);
  EXPECT_EQ(analysis.metrics().Strehl, nominalStrehl);
}

TEST_F(MonteCarloRunTest, AnAbortEndsTheTrialsAndRestoresTheNominalAverages) {
  analysis.analyse(test);
  const auto nominal = test.KeAverage;
  ZoneValues sd{};
  sd.fill(0.01);
  UniformSource uniform(3);
  MonteCarloRun run(test, analysis, sd, 0.01);
  for (int i = 0; i < 30; ++i) run.runTrial(uniform);
  EXPECT_NE(test.KeAverage, nominal);
  test.MonteCarloAbort = true;
  EXPECT_FALSE(run.runTrial(uniform));
  EXPECT_EQ(run.trials(), 30);
  run.finish();
  EXPECT_EQ(test.KeAverage, nominal);
  EXPECT_FALSE(test.MonteCarloAbort);
}

TEST(McRawData, TabSeparatedTableOfTheFirstHundredBins) {
  std::array<std::int32_t, kStrehlBins> strehl{};
  std::array<std::int32_t, kRmsBins> rms{};
  strehl[85] = 12;
  rms[7] = 3;
  const std::string table = McRawData(strehl, rms);
  EXPECT_TRUE(table.starts_with("Strehl Ratio\tCount\tRMS(nm)\tCount\r\n0.00\t0\t0\t0\r\n0.01\t0\t1\t0\r\n"));
  EXPECT_NE(table.find("0.85\t12\t85\t0\r\n"), std::string::npos);
  EXPECT_NE(table.find("0.07\t0\t7\t3\r\n"), std::string::npos);
  EXPECT_TRUE(table.ends_with("\r\n1.00\t0\t100\t0\r\n"));
}

TEST(ExplainMonteCarlo, StatesTheRangesOrSaysTheyWereNotReached) {
  const ChartRange strehl{.lower68 = 85, .upper68 = 92, .lower95 = 80, .upper95 = 96};
  const ChartRange rms{.lower68 = 9, .upper68 = 14};
  const std::string text = ExplainMonteCarlo(strehl, rms);
  EXPECT_NE(text.find("\r\n+/- 1 sigma results in a Strehl between 0.85 and 0.92\r\n"), std::string::npos);
  EXPECT_NE(text.find("+/- 1 sigma results in an RMS surface error between 9nm and 14nm\r\n"), std::string::npos);
  EXPECT_NE(text.find("+/- 2 sigma results in a Strehl between 0.8 and 0.96\r\n"), std::string::npos);
  EXPECT_NE(text.find("+/- 2 sigma results in an RMS surface error range that this run could not determine"),
            std::string::npos);
  EXPECT_EQ(text.find("1.01"), std::string::npos);
  EXPECT_EQ(text.rfind("\r\nMove this window to make sure you can see the Monte Carlo Chart.\r\n\r\n", 0), 0u);
}

}  // namespace
}  // namespace zonalyst
