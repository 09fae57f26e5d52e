// The analysis panels in the real window under the offscreen platform: one step of
// each slider with its redraw, a full Monte Carlo run, and F4 on a 15-zone test.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <optional>

#include "FifteenZoneMirror.h"
#include "tests/ui/WindowFixture.h"
#include "ui/window/MainWindow.h"
#include "ui/window/PanelTexts.h"
#include "ui/analysis/SurfaceErrorPanel.h"

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

// Command3 to the end of 10000 trials: charts every 100 trials, events after every trial.
// The set-up dialog is answered with 0.01 mm for every zone.
void BM_MonteCarloRunOf10000Trials(benchmark::State& state) {
  Window w;
  auto* panel = w.f.panels.surface;
  for (auto _ : state) {
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [&answer] {
      auto* setup = qobject_cast<QDialog*>(QApplication::activeModalWidget());
      if (setup == nullptr || setup->objectName() != QLatin1String("MC_Setup")) return;
      answer.stop();
      setup->findChild<QLineEdit*>(QStringLiteral("Text1_1"))->setText(QStringLiteral("0.0100"));
      setup->findChild<QPushButton*>(QStringLiteral("Command1_1"))->click();
      setup->findChild<QPushButton*>(QStringLiteral("Command2_2"))->click();
    });
    answer.start(0);
    panel->monteCarloButton()->click();
    if (panel->lastTrials() != 10000) state.SkipWithError("the run did not make 10000 trials");
  }
}
BENCHMARK(BM_MonteCarloRunOf10000Trials)->Unit(benchmark::kMillisecond)->Iterations(3);

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
