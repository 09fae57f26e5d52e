// The analysis panels in the real window under the offscreen platform: one step of
// each slider with its redraw, a full Monte Carlo run against the command line's, and F4
// on a 15-zone test.
#include "FifteenZoneMirror.h"
#include "tests/ui/WindowFixture.h"
#include "ui/analysis/SurfaceErrorPanel.h"
#include "ui/window/MainWindow.h"
#include "ui/window/PanelTexts.h"

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <optional>

namespace {

using namespace zonalyst;

QApplication& App() {
  static int argc = 1;
  static char name[] = "ui_analysis_panels_bench";
  static char* argv[] = {name, nullptr};
  static QApplication* app = [] {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    return new QApplication(argc, argv);
  }();
  return *app;
}

// The window on the 15-zone test, started and shown, with the Monte Carlo explanation
// suppressed so that runs leave no windows behind.
struct Window {
  Window() {
    App();
    f.memorySettings.write("Global", "Show_MC_Dialog", "True");
    f.saveQuestion = nullptr;
    window = &f.open(testing::FifteenZoneMirror(), QStringLiteral("fifteen.fdr"));
    QCoreApplication::processEvents();
  }
  void press(Qt::Key key) {
    QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(window, &event);
  }
  QScrollBar* slider(const char* name) { return f.slider(QString::fromLatin1(name)); }

  testing::WindowFixture f;
  ui::MainWindow* window = nullptr;
};

// One step of a slider, alternately right and left, its panel redrawn and painted.
void SliderStep(benchmark::State& state, ui::Panel panel, const char* sliderName, std::optional<int> from) {
  Window w;
  w.window->actionClick(panel);
  QScrollBar* slider = w.slider(sliderName);
  if (from) slider->setValue(*from);
  QCoreApplication::processEvents();
  int step = 1;
  for (auto _ : state) {
    slider->setValue(slider->value() + step);
    QCoreApplication::processEvents();
    step = -step;
  }
}
BENCHMARK_CAPTURE(SliderStep, surface_error, ui::Panel::SurfaceError, "HScroll1_0", 1500);
BENCHMARK_CAPTURE(SliderStep, millies_lacroix, ui::Panel::MilliesLacroix, "HScroll1_4", 0);
BENCHMARK_CAPTURE(SliderStep, transverse_error, ui::Panel::TransverseError, "HScroll1_1", 1500);
BENCHMARK_CAPTURE(SliderStep, spot_offset, ui::Panel::Diffraction, "HScroll1_2", 1500);
BENCHMARK_CAPTURE(SliderStep, spot_obstruction, ui::Panel::Diffraction, "scrlF6Obst", 20);
BENCHMARK_CAPTURE(SliderStep, star_defocus, ui::Panel::StarTest, "HScroll1_3", 5);
BENCHMARK_CAPTURE(SliderStep, star_obstruction, ui::Panel::StarTest, "HScroll2", 33);
// The knife of the tester's view from the middle zone: both mirrors traced and drawn again.
BENCHMARK_CAPTURE(SliderStep, testers_view_knife, ui::Panel::TestersView, "ScrlKnife", std::nullopt);

// 10 000 Monte Carlo trials of a real 200 mm test, in the window from the click on GO to the
// end of the run, against `zonalyst-cli montecarlo` on the same test, start-up included, in
// the same iteration. The set-up dialog's GO takes the scatter calculated from the reading
// sets, as the command line does. Counters: both times, their ratio, and the longest gap
// between two turns of the window's event loop during the run (a 2 ms timer's ticks, so
// the gap includes up to 2 ms of waiting).
void BM_MonteCarloRunAgainstCommandLine(benchmark::State& state) {
  using Clock = std::chrono::steady_clock;
  App();
  testing::WindowFixture f;
  f.memorySettings.write("Global", "Show_MC_Dialog", "True");
  const QString example = QStringLiteral("foucault2-becoulet200-moving-4sets.fdr");
  f.startOnExample(example);
  auto* panel = f.panels.surface;
  const std::string cli = "'" ZONALYST_CLI "' montecarlo '" + f.path(example).toStdString() + "' >/dev/null";
  double windowSeconds = 0.0, cliSeconds = 0.0, longestGap = 0.0;
  for (auto _ : state) {
    const Clock::time_point cliStart = Clock::now();
    if (std::system(cli.c_str()) != 0) state.SkipWithError("the command line failed");
    cliSeconds += std::chrono::duration<double>(Clock::now() - cliStart).count();

    Clock::time_point go, lastTurn;
    QTimer answer, turns;
    turns.setTimerType(Qt::PreciseTimer);
    QObject::connect(&turns, &QTimer::timeout, [&] {
      const Clock::time_point now = Clock::now();
      longestGap = std::max(longestGap, std::chrono::duration<double>(now - lastTurn).count());
      lastTurn = now;
    });
    QObject::connect(&answer, &QTimer::timeout, [&] {
      auto* setup = qobject_cast<QDialog*>(QApplication::activeModalWidget());
      if (setup == nullptr || setup->objectName() != QLatin1String("MC_Setup")) return;
      answer.stop();
      go = lastTurn = Clock::now();
      turns.start(2);
      setup->findChild<QPushButton*>(QStringLiteral("Command2_2"))->click();
    });
    answer.start(0);
    panel->monteCarloButton()->click();
    const double seconds = std::chrono::duration<double>(Clock::now() - go).count();
    turns.stop();
    state.SetIterationTime(seconds);
    windowSeconds += seconds;
    if (panel->lastTrials() != 10000) state.SkipWithError("the run did not make 10000 trials");
  }
  const double n = static_cast<double>(state.iterations());
  state.counters["window_ms"] = 1000.0 * windowSeconds / n;
  state.counters["cli_ms"] = 1000.0 * cliSeconds / n;
  state.counters["window_over_cli"] = windowSeconds / cliSeconds;
  state.counters["longest_gap_ms"] = 1000.0 * longestGap;
}
BENCHMARK(BM_MonteCarloRunAgainstCommandLine)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(5)
    ->Repetitions(3);

// F4 on the open test: reduction, best fit, picture, captions and slider recentred.
void BM_F4OnFifteenZoneTest(benchmark::State& state) {
  Window w;
  for (auto _ : state) {
    state.PauseTiming();
    w.press(Qt::Key_F5);
    QCoreApplication::processEvents();
    state.ResumeTiming();
    w.press(Qt::Key_F4);
    QCoreApplication::processEvents();
    if (w.window->currentPanel() != ui::Panel::SurfaceError) state.SkipWithError("F4 did not show the panel");
  }
}
BENCHMARK(BM_F4OnFifteenZoneTest)->Unit(benchmark::kMillisecond);

}  // namespace
