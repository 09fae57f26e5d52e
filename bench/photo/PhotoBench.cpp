#include "core/NumberText.h"
#include "photo/PhotoFile.h"

#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>
#include <random>
#include <string>

// 25 photographs of 5 megapixels (2592 x 1944, a common sensor), JPEG at quality 90: the
// simulated Foucault-grams of a bundled test every 0.1 mm, enlarged to a disc 1700 pixels
// across, with sensor noise.
namespace {

namespace fs = std::filesystem;

const std::string kTest =
    std::string(ZONALYST_SOURCE_DIR) + "/examples/foucault2-simu200f6-unmasked-7zones-effective.fdr";

const std::vector<std::string>& Series() {
  static const std::vector<std::string> paths = [] {
    const fs::path folder = fs::temp_directory_path() / "zonalyst-photo-bench";
    fs::remove_all(folder);
    fs::create_directories(folder);
    std::vector<std::string> made;
    std::mt19937 noise(7);
    std::normal_distribution<double> sigma(0.0, 3.0);
    for (int k = 0; k < 25; ++k) {
      const std::string knife = zonalyst::FormatFixed(0.3 + 0.1 * k, 2);
      const fs::path view = folder / "view.png";
      const std::string simulate = "'" ZONALYST_CLI "' simulate '" + kTest + "' --view foucault --size 850 --knife " +
                                   knife + " -o '" + view.string() + "' >/dev/null";
      if (std::system(simulate.c_str()) != 0) return std::vector<std::string>{};
      QImage frame(2592, 1944, QImage::Format_RGB32);
      frame.fill(Qt::black);
      QPainter(&frame).drawImage(QRect(300, 100, 1700, 1700), QImage(QString::fromStdString(view.string())));
      for (int y = 0; y < frame.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(frame.scanLine(y));
        for (int x = 0; x < frame.width(); ++x) {
          const int g = std::clamp(static_cast<int>(qGreen(line[x]) + sigma(noise)), 0, 255);
          line[x] = qRgb(g, g, g);
        }
      }
      made.push_back((folder / ("ke_" + knife + ".jpg")).string());
      frame.save(QString::fromStdString(made.back()), "JPEG", 90);
    }
    return made;
  }();
  return paths;
}

void BM_DecodeTwentyFiveFiveMegapixelJpegs(benchmark::State& state) {
  if (Series().empty()) state.SkipWithError("the series could not be simulated");
  for (auto _ : state) {
    const zonalyst::photo::SeriesLoad load =
        zonalyst::photo::ReadPhotoSeries(Series(), zonalyst::photo::kPhotoFrameSide);
    if (!load.error.empty()) state.SkipWithError(load.error.c_str());
    benchmark::DoNotOptimize(load.frames.data());
  }
}
BENCHMARK(BM_DecodeTwentyFiveFiveMegapixelJpegs)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);

// What the user waits for: zonalyst-cli photos from the files to the printed readings.
void BM_PhotosCommandOnTwentyFiveFiveMegapixelJpegs(benchmark::State& state) {
  std::string command = "'" ZONALYST_CLI "' photos '" + kTest + "'";
  for (const std::string& path : Series()) command += " '" + path + "'";
  command += " --json >/dev/null 2>&1";
  for (auto _ : state) {
    if (std::system(command.c_str()) != 0) state.SkipWithError(("failed: " + command).c_str());
  }
}
BENCHMARK(BM_PhotosCommandOnTwentyFiveFiveMegapixelJpegs)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);

}  // namespace
