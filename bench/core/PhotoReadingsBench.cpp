#include "core/PhotoReadings.h"
#include "core/QualityMetrics.h"
#include "tests/support/TestMirror.h"

#include <benchmark/benchmark.h>

namespace zonalyst {
namespace {

// 25 frames 1000 pixels across, 0.125 mm of knife travel apart, of a 200 mm f/4 paraboloid
// tested through 15 zones: the series the photo readings dialog keeps in memory.
struct PhotoSeries {
  MirrorTest test;
  std::vector<GreyFrame> frames;
  std::vector<double> positions;
  PhotoDisc disc{500.0, 500.0, 500.0};

  PhotoSeries() {
    std::vector<double> zones;
    for (int z = 1; z <= 15; ++z) zones.push_back(6.5 * z);
    test = testing::TestMirror({.zones = zones});
    AverageReadings(test);
    SurfaceProfile profile;
    QualityMetrics metrics;
    const double roc = FindBestFitRoc(profile, test.DesiredConic, ReduceReadings(test, profile), metrics);
    GreyPicture view;
    for (int k = 0; k < 25; ++k) {
      positions.push_back(test.KeAverage[1] + 0.125 * (k - 1));
      SimulateTesterView(test, profile, roc, false, positions.back(), {}, 1000, view);
      frames.push_back(FrameOf(view));
    }
  }
};

const PhotoSeries& Series() {
  static const PhotoSeries series;
  return series;
}

// New readings after the disc moved, as when the user drags it in the dialog; with the
// mask, each window's column is searched for the opening too.
void BM_ReadPhotoNullsAfterTheDiscMoved(benchmark::State& state) {
  const PhotoSeries& s = Series();
  const bool masked = state.range(0) != 0;
  int step = 0;
  for (auto _ : state) {
    const PhotoDisc disc{s.disc.x + 0.25 * (step % 4), s.disc.y, s.disc.radius - 0.5 * (step % 3)};
    ++step;
    benchmark::DoNotOptimize(ReadPhotoNulls(s.test, s.frames, s.positions, GivenScale(disc), masked));
  }
}
BENCHMARK(BM_ReadPhotoNullsAfterTheDiscMoved)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The disc found in the series: the brightest-of-all frame, then the circle.
void BM_FindDiscInTheSeries(benchmark::State& state) {
  const PhotoSeries& s = Series();
  for (auto _ : state) benchmark::DoNotOptimize(FindDisc(BrightestOfAll(s.frames)));
}
BENCHMARK(BM_FindDiscInTheSeries)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zonalyst
