#include "core/BesselTable.h"
#include "core/MilliesLacroix.h"
#include "core/SpotDiffraction.h"
#include "core/StarTest.h"
#include "core/SurfaceAnalysis.h"
#include "plot/MilliesLacroixChart.h"
#include "plot/PictureSizes.h"
#include "plot/RasterSurface.h"
#include "plot/SpotDiffractionChart.h"
#include "plot/StarTestChart.h"
#include "tests/support/FilledBessel.h"
#include "tests/support/TestMirror.h"

#include <benchmark/benchmark.h>

namespace {

using namespace zonalyst;

// One slider step on each of the Millies-Lacroix, spot diffraction and star test
// panels: the panel's computation and its whole picture drawn on a raster surface.
struct Mirror {
  Mirror() : test(testing::TestMirror({.roc = 2400.0})), analysis(bessel) {
    test.KeReading[3][1] += 0.05;
    fit = analysis.analyse(test);
  }
  const BesselTable& bessel = testing::FilledBessel();
  MirrorTest test;
  SurfaceAnalysis analysis;
  BestFit fit;
};

void BM_MilliesLacroixChart(benchmark::State& state) {
  Mirror m;
  plot::RasterSurface surface(plot::kPicML.width, plot::kPicML.height);
  for (auto _ : state) {
    const MilliesLacroix ml = ComputeMilliesLacroix(m.test, 10);
    plot::DrawMilliesLacroix(surface, m.test, ml);
    benchmark::DoNotOptimize(surface.image().constBits());
  }
}
BENCHMARK(BM_MilliesLacroixChart)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_SpotDiffractionChart(benchmark::State& state) {
  Mirror m;
  plot::RasterSurface surface(plot::kPicSpot.width, plot::kPicSpot.height);
  for (auto _ : state) {
    m.analysis.measureAt(m.test, m.fit.bestFitRocMm + 0.001);
    const SpotDiffraction spot =
        ComputeSpotDiffraction(m.analysis.profile(), m.analysis.metrics(), m.bessel, m.test.diameterMm(), 20.0);
    plot::DrawSpotDiffraction(surface, spot);
    benchmark::DoNotOptimize(surface.image().constBits());
  }
}
BENCHMARK(BM_SpotDiffractionChart)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_StarTestChart(benchmark::State& state) {
  Mirror m;
  plot::RasterSurface surface(plot::kPic2D.width, plot::kPic2D.height);
  const double diameter = m.test.diameterMm();
  const double step = DefocusStep(m.fit.bestFitRocMm, diameter);
  for (auto _ : state) {
    m.analysis.measureAt(m.test, m.fit.bestFitRocMm);
    const StarTestImages images = ComputeStarTest(m.analysis.profile(), m.test.DesiredConic, m.bessel,
                                                  m.fit.bestFitRocMm, 5.0, step, diameter, 33.0, {true, false});
    plot::DrawStarTest(surface, images, {5, m.fit.bestFitRocMm, diameter, false});
    benchmark::DoNotOptimize(surface.image().constBits());
  }
}
BENCHMARK(BM_StarTestChart)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace
