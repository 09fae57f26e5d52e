#include "io/TestFileLayout.h"
#include "tests/support/TestMirror.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <string>

// Times whole zonalyst-cli processes; each iteration is one run as a user would start it.
namespace {

namespace fs = std::filesystem;

const std::string kExamples = std::string(ZONALYST_SOURCE_DIR) + "/examples/";

// A folder of 100 tests, copies of the bundled examples, written one second apart.
fs::path HundredTests() {
  const fs::path folder = fs::temp_directory_path() / "zonalyst-history-bench";
  fs::remove_all(folder);
  fs::create_directories(folder);
  std::vector<fs::path> examples;
  for (const auto& entry : fs::directory_iterator(kExamples)) {
    if (entry.path().extension() == ".fdr") examples.push_back(entry.path());
  }
  const auto start = fs::file_time_type::clock::now() - std::chrono::hours(200);
  for (int i = 0; i < 100; ++i) {
    const fs::path copy = folder / ("session-" + std::to_string(i) + ".fdr");
    fs::copy_file(examples[i % examples.size()], copy);
    fs::last_write_time(copy, start + std::chrono::seconds(i));
  }
  return folder;
}

void RunCli(benchmark::State& state, const std::string& arguments) {
  const std::string command = "'" ZONALYST_CLI "' " + arguments + " >/dev/null 2>&1";
  for (auto _ : state) {
    if (std::system(command.c_str()) != 0) state.SkipWithError(("failed: " + command).c_str());
  }
}

void BM_HistoryOfHundredTests(benchmark::State& state) {
  const fs::path folder = HundredTests();
  RunCli(state, "history '" + folder.string() + "' --json");
  fs::remove_all(folder);
}
BENCHMARK(BM_HistoryOfHundredTests)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

void BM_HistoryOfHundredTestsWithPicture(benchmark::State& state) {
  const fs::path folder = HundredTests();
  RunCli(state, "history '" + folder.string() + "' -o '" + (folder / "history.png").string() + "'");
  fs::remove_all(folder);
}
BENCHMARK(BM_HistoryOfHundredTestsWithPicture)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// A 300 mm f/4 paraboloid with eight zones of equal area, in millimetres.
fs::path ThreeHundredMillimetreTest() {
  std::vector<double> outer;
  for (int z = 1; z <= 8; ++z) outer.push_back(150.0 * std::sqrt(z / 8.0));
  const zonalyst::MirrorTest test = zonalyst::testing::TestMirror(
      {.roc = 2400.0, .diameter = 300.0, .innerOuter = true, .zones = outer, .perfectReadings = false});
  const fs::path path = fs::temp_directory_path() / "zonalyst-mask-bench.fdr";
  std::ofstream(path, std::ios::binary) << zonalyst::io::BuildTestFileText(test);
  return path;
}

void BM_MaskOf300mmMirror(benchmark::State& state) {
  const fs::path test = ThreeHundredMillimetreTest();
  const fs::path pdf = fs::temp_directory_path() / "zonalyst-mask-bench.pdf";
  RunCli(state, "mask '" + test.string() + "' -o '" + pdf.string() + "'");
  fs::remove(test);
  fs::remove(pdf);
}
BENCHMARK(BM_MaskOf300mmMirror)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// 10 000 Monte Carlo trials of a real 200 mm test, start-up included: the command line's
// side of the window's Monte Carlo figure (bench/ui).
void BM_MonteCarloOf200mmMirror(benchmark::State& state) {
  RunCli(state, "montecarlo '" + kExamples + "foucault2-becoulet200-moving-4sets.fdr' --seed 7");
}
BENCHMARK(BM_MonteCarloOf200mmMirror)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

}  // namespace
