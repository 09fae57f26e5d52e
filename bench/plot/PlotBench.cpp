#include "core/BesselTable.h"
#include "core/SurfaceAnalysis.h"
#include "plot/PictureSizes.h"
#include "plot/RasterSurface.h"
#include "plot/SurfaceErrorChart.h"
#include "tests/support/TestMirror.h"

#include <QGuiApplication>
#include <benchmark/benchmark.h>

namespace {

using namespace zonalyst;

// What one slider step on the surface error panel costs: the metrics for the new
// reference radius and the whole chart drawn on a raster picture.
void BM_SurfaceErrorChart(benchmark::State& state) {
  BesselTable bessel;
  FillBesselTable(bessel);
  MirrorTest test = testing::TestMirror({.roc = 2400.0});
  test.KeReading[3][1] += 0.05;
  SurfaceAnalysis analysis(bessel);
  const BestFit fit = analysis.analyse(test);
  plot::RasterSurface surface(plot::kSG.width, plot::kSG.height);
  for (auto _ : state) {
    analysis.measureAt(test, fit.bestFitRocMm + 0.001);
    plot::DrawSurfaceError(surface, test, analysis.metrics());
    benchmark::DoNotOptimize(surface.image().constBits());
  }
}
BENCHMARK(BM_SurfaceErrorChart)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
