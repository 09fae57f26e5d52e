// The live tester on its Simulated source at 640 x 480 on a 15-zone test, in real time: how
// long a frame takes from its arrival to the meter's paint (on the worker, then waiting for the
// window's repaint), how often the meter repaints, and the longest pause of the event loop
// while the knife sweeps through every zone; and how soon a serial dial adapter that goes away
// shows "disconnected".
#include "FifteenZoneMirror.h"
#include "live/SimulatedTester.h"
#include "platform/MemorySettingsStore.h"
#include "ui/live/LiveTesterDialog.h"
#include "ui/prompt/ScriptedPrompter.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <functional>
#include <pty.h>
#include <unistd.h>

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

// Runs the window's event loop for ms milliseconds, calling onTurn every millisecond it can,
// and ending early once it returns true; the longest gap between two such calls, ms: how long
// the loop was held up at most. (A timer of 1 ms rather than one at every turn, which would
// keep a core busy beside the worker.)
double RunFor(int ms, const std::function<bool()>& onTurn = {}) {
  QElapsedTimer clock;
  clock.start();
  qint64 last = clock.nsecsElapsed(), longest = 0;
  QEventLoop loop;
  QTimer turn;
  turn.setTimerType(Qt::PreciseTimer);
  QObject::connect(&turn, &QTimer::timeout, [&] {
    const qint64 now = clock.nsecsElapsed();
    longest = std::max(longest, now - last);
    last = now;
    if (onTurn && onTurn()) loop.quit();
  });
  turn.start(1);
  QTimer::singleShot(ms, &loop, &QEventLoop::quit);
  loop.exec();
  return static_cast<double>(longest) / 1e6;
}

ui::AppState FifteenZoneState() {
  App();
  ui::AppState state;
  state.test = testing::FifteenZoneMirror();
  return state;
}

// The live tester shown on a 15-zone test, on the Simulated source.
struct LiveWindow {
  LiveWindow() { dialog.show(); }
  ui::AppState app = FifteenZoneState();
  ui::ScriptedPrompter prompter;
  platform::MemorySettingsStore settings;
  ui::LiveTesterDialog dialog{app, prompter, settings};
};

void BM_LiveTesterSweepOnTheSimulatedSource(benchmark::State& state) {
  LiveWindow window;
  ui::AppState& app = window.app;
  ui::LiveTesterDialog& dialog = window.dialog;
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
    // Each frame shown, from its arrival to its first paint: on the worker (drawn by the
    // simulated camera, turned grey, metered), then waiting for the window to take it.
    double longestLatency = 0.0, sumLatency = 0.0, lastArrival = -1.0;
    double longestWorker = 0.0, sumWorker = 0.0, longestWait = 0.0;
    int latencies = 0;
    const auto sample = [&] {
      const auto paint = dialog.lastPaint();
      if (!paint || paint->arrived == lastArrival) return false;
      lastArrival = paint->arrived;
      const double ms = 1000.0 * (paint->painted - paint->arrived);
      const double worker = 1000.0 * (paint->metered - paint->arrived);
      longestLatency = std::max(longestLatency, ms);
      sumLatency += ms;
      longestWorker = std::max(longestWorker, worker);
      sumWorker += worker;
      longestWait = std::max(longestWait, ms - worker);
      ++latencies;
      return false;
    };
    dialog.findChild<QPushButton*>(QStringLiteral("cmdSweep"))->click();
    const double pause = RunFor(8000, sample);
    dialog.findChild<QPushButton*>(QStringLiteral("cmdSweep"))->click();
    state.counters["frame_to_meter_ms_mean"] = latencies > 0 ? sumLatency / latencies : 0.0;
    state.counters["frame_to_meter_ms_max"] = longestLatency;
    state.counters["worker_ms_mean"] = latencies > 0 ? sumWorker / latencies : 0.0;
    state.counters["worker_ms_max"] = longestWorker;
    state.counters["metered_to_paint_ms_max"] = longestWait;
    state.counters["meter_paints_per_s"] = (dialog.meterPaints() - paintsBefore) / 8.0;
    state.counters["longest_event_loop_pause_ms"] = pause;
    state.counters["frames_painted"] = latencies;
    const auto counts = dialog.frameCounts();
    state.counters["frames_arrived"] = static_cast<double>(counts.arrived);
    state.counters["frames_dropped"] = static_cast<double>(counts.dropped);
  }
}
BENCHMARK(BM_LiveTesterSweepOnTheSimulatedSource)->Unit(benchmark::kMillisecond)->Iterations(1);

// A serial adapter on a pseudo-terminal sends a value, then goes away (its far end closed):
// the time until the window says "disconnected", ms.
void BM_LiveTesterSeesASerialAdapterGo(benchmark::State& state) {
  LiveWindow window;
  ui::LiveTesterDialog& dialog = window.dialog;
  auto* said = dialog.findChild<QLabel*>(QStringLiteral("lblDialState"));
  auto* dial = dialog.findChild<QLabel*>(QStringLiteral("lblDial"));
  double longest = 0.0, sum = 0.0;
  for (auto _ : state) {
    int adapter = -1, port = -1;
    char name[256] = {};
    if (openpty(&adapter, &port, name, nullptr, nullptr) != 0) {
      state.SkipWithError("no pseudo-terminal");
      return;
    }
    ::close(port);  // the window opens it by its name
    dialog.findChild<QLineEdit*>(QStringLiteral("txtDialPort"))->setText(QString::fromLocal8Bit(name));
    dialog.findChild<QPushButton*>(QStringLiteral("cmdConnectDial"))->click();
    const std::string line = "987.654 mm\n";  // no value of the simulated knife's
    if (::write(adapter, line.data(), line.size()) != static_cast<ssize_t>(line.size())) {
      state.SkipWithError("the pseudo-terminal takes no line");
      return;
    }
    RunFor(2000, [&] { return dial->text().startsWith(QStringLiteral("Dial 987")); });
    QElapsedTimer gone;
    gone.start();
    ::close(adapter);
    RunFor(5000, [&] { return said->text() == QStringLiteral("disconnected"); });
    const double ms = static_cast<double>(gone.nsecsElapsed()) / 1e6;
    longest = std::max(longest, ms);
    sum += ms;
  }
  state.counters["unplugged_to_disconnected_ms_mean"] = sum / static_cast<double>(state.iterations());
  state.counters["unplugged_to_disconnected_ms_max"] = longest;
}
BENCHMARK(BM_LiveTesterSeesASerialAdapterGo)->Unit(benchmark::kMillisecond)->Iterations(20);

}  // namespace
