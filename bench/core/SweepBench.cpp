#include "core/SweepReadings.h"
#include "tests/support/HandSweep.h"
#include "tests/support/TestMirror.h"

#include <benchmark/benchmark.h>

#include <random>

namespace zonalyst {
namespace {

// A sweep in and out over the 15 zones of a 200 mm f/4 paraboloid at 0.1 mm/s, 5 to 15
// frames a second (about 600 frames): each zone's contrast falls through its null as the
// tester's view's does, with noise.
struct Sweep {
  MirrorTest test;
  std::vector<MeteredZone> zones;
  KnifeTrack track;
  std::vector<SweepFrame> frames;

  Sweep() {
    std::vector<double> radii;
    for (int z = 1; z <= 15; ++z) radii.push_back(6.5 * z);
    test = testing::TestMirror({.zones = radii});
    AverageReadings(test);
    const testing::SweepRecording recording = testing::RecordHandSweep(
        {.from = test.KeAverage[1] - 0.3, .to = test.KeAverage[15] + 0.3, .speed = 0.1, .latencyS = 0.1});
    track = KnifeTrack(recording.dial, 1.0);
    std::mt19937 random(3);
    std::normal_distribution<double> noise(0.0, 0.005);
    for (int z = 1; z <= 15; ++z) zones.push_back({z, radii[z - 1], {}, NullStatus::Read});
    for (std::size_t k = 0; k < recording.knife.size(); ++k) {
      SweepFrame frame{recording.stampS[k], {}};
      for (int z = 1; z <= 15; ++z) {
        const double c = std::clamp((test.KeAverage[z] - recording.knife[k]) * radii[z - 1] / 60.0, -1.0, 1.0);
        frame.zones.push_back({c + noise(random), 100.0 * c});
      }
      frames.push_back(std::move(frame));
    }
  }
};

void BM_SolveSweepOf15Zones(benchmark::State& state) {
  static const Sweep sweep;
  state.counters["frames"] = static_cast<double>(sweep.frames.size());
  for (auto _ : state) benchmark::DoNotOptimize(SolveSweep(sweep.test, sweep.zones, sweep.track, sweep.frames, {}));
}
BENCHMARK(BM_SolveSweepOf15Zones)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zonalyst
