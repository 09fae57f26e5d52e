#include "core/BesselTable.h"
#include "core/MonteCarlo.h"
#include "core/SurfaceAnalysis.h"
#include "core/TesterView.h"
#include "tests/support/TestMirror.h"

#include <benchmark/benchmark.h>

namespace zonalyst {
namespace {

// A 200 mm f/5.5 paraboloid with six zones and some figure error, in millimetres.
MirrorTest SixZoneTest() {
  MirrorTest test =
      testing::TestMirror({.roc = 2200.0, .movingSource = false, .readingSets = 2, .perfectReadings = false});
  const double readings[] = {10.18, 10.66, 11.38, 12.22, 13.13, 14.11};
  for (int z = 1; z <= 6; ++z) {
    test.KeReading[z][1] = readings[z - 1];
    test.KeReading[z][2] = readings[z - 1] + 0.02 * ((z % 3) - 1);
  }
  return test;
}

// One Monte Carlo trial: perturbation, reduction, best-fit radius and the three
// metric computations.
void BM_MonteCarloTrial(benchmark::State& state) {
  BesselTable bessel;
  FillBesselTable(bessel);
  SurfaceAnalysis analysis(bessel);
  MirrorTest test = SixZoneTest();
  analysis.analyse(test);
  ZoneValues sd{};
  sd.fill(0.02);
  UniformSource uniform(1);
  MonteCarloRun run(test, analysis, sd, 0.02, 1 << 30);
  for (auto _ : state) {
    run.runTrial(uniform);
    benchmark::DoNotOptimize(analysis.metrics().Strehl);
  }
}
BENCHMARK(BM_MonteCarloTrial)->Repetitions(5)->ReportAggregatesOnly(true)->Unit(benchmark::kMicrosecond);

void BM_FillBesselTable(benchmark::State& state) {
  for (auto _ : state) {
    BesselTable table;
    FillBesselTable(table);
    benchmark::DoNotOptimize(table[100]);
  }
}
BENCHMARK(BM_FillBesselTable)->Repetitions(5)->ReportAggregatesOnly(true)->Unit(benchmark::kMillisecond);

// One 400 x 400 view of the tester (its ray table and its pixels), knife at the middle
// zone: Foucault for argument 0, Ronchi for 1.
void BM_TesterView(benchmark::State& state) {
  BesselTable bessel;
  FillBesselTable(bessel);
  SurfaceAnalysis analysis(bessel);
  MirrorTest test = SixZoneTest();
  const BestFit fit = analysis.reduceAndFit(test);
  TesterSettings settings;
  if (state.range(0) == 1) settings.pattern = TesterPattern::Ronchi;
  GreyPicture picture;
  for (auto _ : state) {
    SimulateTesterView(test, analysis.profile(), fit.bestFitRocMm, false, test.KeAverage[3], settings, kDefaultViewSize,
                       picture);
    benchmark::DoNotOptimize(picture.grey.data());
  }
}
BENCHMARK(BM_TesterView)->Arg(0)->Arg(1)->Repetitions(5)->ReportAggregatesOnly(true)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zonalyst
