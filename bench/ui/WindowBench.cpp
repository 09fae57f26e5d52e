// The window under the offscreen platform: start-up on a 15-zone test up to the surface
// error panel (splash left out), and a function-key switch between two analysis panels.
#include "FifteenZoneMirror.h"
#include "platform/Clipboard.h"
#include "tests/ui/WindowFixture.h"
#include "ui/window/MainWindow.h"
#include "ui/window/PanelTexts.h"

#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <memory>

namespace {

using namespace zonalyst;

QApplication& App() {
  static int argc = 1;
  static char name[] = "ui_window_bench";
  static char* argv[] = {name, nullptr};
  static QApplication* app = [] {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    return new QApplication(argc, argv);
  }();
  return *app;
}

// Everything a window needs besides itself, with the association already in place.
struct Services {
  ui::ScriptedPrompter prompter;
  platform::MemorySettingsStore settings;
  testing::FakeAssociation association;
  platform::MemoryClipboard clipboard;
  ui::WindowServices services() { return {&prompter, &settings, &association, &clipboard, nullptr, {}}; }
};

std::unique_ptr<ui::MainWindow> StartWindow(Services& s, const QString& test) {
  auto window = std::make_unique<ui::MainWindow>(s.services());
  window->startUp({test}, QDir::currentPath());
  return window;
}

void BM_StartUpToSurfaceErrorPanel(benchmark::State& state) {
  App();
  QTemporaryDir dir;
  const std::string path =
      testing::WriteTestFile(testing::FifteenZoneMirror(), dir.path(), QStringLiteral("fifteen.fdr"));
  for (auto _ : state) {
    Services s;
    auto window = StartWindow(s, QString::fromStdString(path));
    if (window->currentPanel() != ui::Panel::SurfaceError) state.SkipWithError("not on the surface error panel");
    state.PauseTiming();
    window.reset();
    QCoreApplication::processEvents();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_StartUpToSurfaceErrorPanel)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

void BM_FunctionKeySwitchBetweenAnalysisPanels(benchmark::State& state) {
  App();
  QTemporaryDir dir;
  const std::string path =
      testing::WriteTestFile(testing::FifteenZoneMirror(), dir.path(), QStringLiteral("fifteen.fdr"));
  Services s;
  auto window = StartWindow(s, QString::fromStdString(path));
  bool toSpot = true;
  for (auto _ : state) {
    const Qt::Key key = toSpot ? Qt::Key_F7 : Qt::Key_F4;
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(window.get(), &press);
    const ui::Panel expected = toSpot ? ui::Panel::Diffraction : ui::Panel::SurfaceError;
    if (window->currentPanel() != expected) state.SkipWithError("the key did not switch");
    toSpot = !toSpot;
  }
}
BENCHMARK(BM_FunctionKeySwitchBetweenAnalysisPanels)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

}  // namespace
