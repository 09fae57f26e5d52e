#include "core/NumberText.h"
#include "tests/support/HandSweep.h"

#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

// A recorded sweep of 600 frames, 640 x 480 JPEG at quality 85, as a webcam films 60 s of a hand
// turning the knife in and out over every zone of a bundled test: each frame the simulated
// Foucault-gram at the knife's position (the two nearest of views every 0.05 mm blended), its
// disc 360 pixels across, with sensor noise; a dial logged at 10 Hz in its text form.
namespace {

namespace fs = std::filesystem;

const std::string kTest =
    std::string(ZONALYST_SOURCE_DIR) + "/examples/foucault2-simu200f6-unmasked-7zones-effective.fdr";
constexpr int kFrames = 600;
constexpr double kFirstView = 0.45, kViewStep = 0.05;
constexpr int kViews = 43;

// The folder holding frames.csv, dial.log and the frames; empty when the views could not be made.
const fs::path& Recording() {
  static const fs::path recorded = []() -> fs::path {
    const fs::path folder = fs::temp_directory_path() / "zonalyst-sweep-bench";
    fs::remove_all(folder);
    fs::create_directories(folder);
    std::vector<QImage> views;
    for (int k = 0; k < kViews; ++k) {
      const fs::path view = folder / "view.png";
      const std::string simulate = "'" ZONALYST_CLI "' simulate '" + kTest + "' --view foucault --size 360 --knife " +
                                   zonalyst::FormatFixed(kFirstView + kViewStep * k, 2) + " -o '" + view.string() +
                                   "' >/dev/null";
      if (std::system(simulate.c_str()) != 0) return {};
      views.push_back(QImage(QString::fromStdString(view.string())).convertToFormat(QImage::Format_Grayscale8));
    }
    const zonalyst::testing::SweepRecording sweep = zonalyst::testing::RecordHandSweep(
        {.from = 0.5, .to = 2.5, .speed = 0.07, .latencyS = 0.1, .fpsLow = 8.0, .fpsHigh = 14.0, .seed = 3});
    std::mt19937 random(5);
    std::normal_distribution<double> noise(0.0, 2.0);
    std::vector<int> grain(1 << 16);
    for (int& g : grain) g = static_cast<int>(std::round(noise(random)));
    std::ofstream frames(folder / "frames.csv");
    frames << "file,time_s\n";
    for (std::size_t k = 0; k < std::min<std::size_t>(kFrames, sweep.knife.size()); ++k) {
      const double at = std::clamp((sweep.knife[k] - kFirstView) / kViewStep, 0.0, kViews - 1.001);
      const int i = static_cast<int>(at);
      const double w = at - i;
      QImage frame(640, 480, QImage::Format_RGB32);
      frame.fill(Qt::black);
      const std::size_t offset = random() & 0xffff;
      for (int y = 0; y < 360; ++y) {
        auto* line = reinterpret_cast<QRgb*>(frame.scanLine(y + 60));
        const uchar* a = views[i].constScanLine(y);
        const uchar* b = views[i + 1].constScanLine(y);
        for (int x = 0; x < 360; ++x) {
          const int g = std::clamp(
              static_cast<int>((1.0 - w) * a[x] + w * b[x]) + grain[(offset + y * 360 + x) & 0xffff], 0, 255);
          line[x + 150] = qRgb(g * 2 / 5, g, g / 2);
        }
      }
      const std::string name = "frame_" + std::to_string(k) + ".jpg";
      if (!frame.save(QString::fromStdString((folder / name).string()), "JPEG", 85)) return {};
      frames << name << ',' << zonalyst::FormatFixed(sweep.stampS[k], 3) << '\n';
    }
    std::ofstream dial(folder / "dial.log");
    dial << "time_s,value\n";
    for (const zonalyst::DialSample& d : sweep.dial) {
      dial << zonalyst::FormatFixed(d.timeS, 2) << ',' << zonalyst::FormatFixed(d.position, 3) << " mm\n";
    }
    return folder;
  }();
  return recorded;
}

// What the user waits for: zonalyst-cli sweep from the files to the printed readings.
void BM_SweepCommandOn600FramesOf640x480Jpeg(benchmark::State& state) {
  if (Recording().empty()) state.SkipWithError("the sweep could not be simulated");
  const std::string command = "'" ZONALYST_CLI "' sweep '" + kTest + "' --frames '" +
                              (Recording() / "frames.csv").string() + "' --dial '" +
                              (Recording() / "dial.log").string() + "' --json >/dev/null 2>&1";
  for (auto _ : state) {
    if (std::system(command.c_str()) != 0) state.SkipWithError(("failed: " + command).c_str());
  }
}
BENCHMARK(BM_SweepCommandOn600FramesOf640x480Jpeg)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);

}  // namespace
