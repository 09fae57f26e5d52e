// The live tester on its Simulated source at 640 x 480 on a 15-zone test, in real time: how
// long a frame takes from its arrival to the meter's paint, how often the meter repaints, and
// the longest pause of the event loop while the knife sweeps through every zone.
#include "FifteenZoneMirror.h"
#include "live/SimulatedTester.h"
#include "platform/MemorySettingsStore.h"
#include "ui/live/LiveTesterDialog.h"
#include "ui/prompt/ScriptedPrompter.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <functional>

namespace {

using namespace zonalyst;

QApplication& App() {
  static int argc = 1;
  static char name[] = "ui_live_tester_bench";
  static char* argv[] = {name, nullptr};
  static QApplication* app = [] {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    return new QApplication(argc, argv);
  }();
  return *app;
}

// Runs the window's event loop for ms milliseconds, calling onTurn every millisecond it can;
// the longest gap between two such calls, ms: how long the loop was held up at most. (A timer
// of 1 ms rather than one at every turn, which would keep a core busy beside the worker.)
double RunFor(int ms, const std::function<void()>& onTurn = {}) {
  QElapsedTimer clock;
  clock.start();
  qint64 last = clock.nsecsElapsed(), longest = 0;
  QTimer turn;
  turn.setTimerType(Qt::PreciseTimer);
  QObject::connect(&turn, &QTimer::timeout, [&] {
    const qint64 now = clock.nsecsElapsed();
    longest = std::max(longest, now - last);
    last = now;
    if (onTurn) onTurn();
  });
  turn.start(1);
  QEventLoop loop;
  QTimer::singleShot(ms, &loop, &QEventLoop::quit);
  loop.exec();
  return static_cast<double>(longest) / 1e6;
}

void BM_LiveTesterSweepOnTheSimulatedSource(benchmark::State& state) {
  App();
  ui::AppState app;
  app.test = testing::FifteenZoneMirror();
  ui::ScriptedPrompter prompter;
  platform::MemorySettingsStore settings;
  ui::LiveTesterDialog dialog(app, prompter, settings);
  dialog.show();
  RunFor(1500);  // the first frames: the disc found, the zones' windows placed
  double lo = 1e300, hi = -1e300;
  for (int z = 1; z <= app.test.zones(); ++z) {
    lo = std::min(lo, app.test.KeAverage[z]);
    hi = std::max(hi, app.test.KeAverage[z]);
  }
  dialog.findChild<QRadioButton*>(QStringLiteral("optSweep"))->click();
  for (auto _ : state) {
    // 4 s in, 4 s out through every zone's null, from the moment the sweep starts.
    QElapsedTimer sweep;
    sweep.start();
    dialog.simulatedTester()->setPath([&, lo, hi](double) {
      const double t = sweep.elapsed() / 4000.0;
      return t < 1.0 ? lo + (hi - lo) * t : hi - (hi - lo) * std::min(1.0, t - 1.0);
    });
    const int paintsBefore = dialog.meterPaints();
    // Each frame shown, from its arrival to its first paint.
    double longestLatency = 0.0, sumLatency = 0.0, lastArrival = -1.0;
    int latencies = 0;
    const auto sample = [&] {
      const auto paint = dialog.lastPaint();
      if (!paint || paint->arrived == lastArrival) return;
      lastArrival = paint->arrived;
      const double ms = 1000.0 * (paint->painted - paint->arrived);
      longestLatency = std::max(longestLatency, ms);
      sumLatency += ms;
      ++latencies;
    };
    dialog.findChild<QPushButton*>(QStringLiteral("cmdSweep"))->click();
    const double pause = RunFor(8000, sample);
    dialog.findChild<QPushButton*>(QStringLiteral("cmdSweep"))->click();
    state.counters["frame_to_meter_ms_mean"] = latencies > 0 ? sumLatency / latencies : 0.0;
    state.counters["frame_to_meter_ms_max"] = longestLatency;
    state.counters["meter_paints_per_s"] = (dialog.meterPaints() - paintsBefore) / 8.0;
    state.counters["longest_event_loop_pause_ms"] = pause;
    state.counters["frames_painted"] = latencies;
    const auto counts = dialog.frameCounts();
    state.counters["frames_arrived"] = static_cast<double>(counts.arrived);
    state.counters["frames_dropped"] = static_cast<double>(counts.dropped);
  }
}
BENCHMARK(BM_LiveTesterSweepOnTheSimulatedSource)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
