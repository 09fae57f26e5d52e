#include "AnalysisFixture.h"

#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <cmath>

#include "../FifteenZoneTest.h"
#include "tests/support/TestMirror.h"
#include "ui/window/MainWindow.h"
#include "ui/analysis/MilliesLacroixPanel.h"
#include "ui/analysis/SpotDiffractionPanel.h"
#include "ui/analysis/StarTestPanel.h"
#include "ui/analysis/SurfaceErrorPanel.h"

namespace zonalyst::test {

MirrorTest ScatteredFifteenZoneTest() {
  std::vector<double> radii;
  for (int z = 1; z <= 15; ++z) radii.push_back(8.0 * z + 2.0);
  MirrorTest test = testing::TestMirror({.roc = 2500.0, .diameter = 250.0, .zones = radii});
  test.ReadingSets = 3;
  for (int z = 1; z <= 15; ++z) {
    const double ideal = test.KeReading[z][1];
    for (int s = 1; s <= 3; ++s) test.KeReading[z][s] = ideal * 0.97 + 0.02 * std::sin(z * 1.7 + s * 2.3);
  }
  return test;
}

MirrorTest ParaboloidEnteredAsSphere() {
  MirrorTest test = testing::TestMirror();
  test.DesiredConic = 0.0;
  return test;
}

MirrorTest InchTest() {
  const std::vector<double> radii = {1.2, 2.2, 3.0, 3.7};
  MirrorTest test = testing::TestMirror({.roc = 64.0, .diameter = 8.0, .zones = radii, .readingOffset = 0.5});
  test.Units = 1;
  return test;
}

void AnalysisFixture::open(const MirrorTest& test, const QString& fileName) {
  const std::string path = testing::WriteTestFile(test, rig.folder().toStdString(), fileName.toStdString());
  QVERIFY(!path.empty());
  window = &rig.start({QString::fromStdString(path)});
  QCOMPARE(window->currentPanel(), 4);
  panels.surface = dynamic_cast<ui::SurfaceErrorPanel*>(window->panelContent(4));
  panels.milliesLacroix = dynamic_cast<ui::MilliesLacroixPanel*>(window->panelContent(5));
  panels.transverse = dynamic_cast<ui::OffsetPanel*>(window->panelContent(6));
  panels.spot = dynamic_cast<ui::SpotDiffractionPanel*>(window->panelContent(7));
  panels.star = dynamic_cast<ui::StarTestPanel*>(window->panelContent(8));
  QVERIFY(panels.surface && panels.milliesLacroix && panels.transverse && panels.spot && panels.star);
}

QScrollBar* AnalysisFixture::slider(const QString& name) const {
  auto* found = window->findChild<QScrollBar*>(name);
  if (found == nullptr) qFatal("no slider %s", qPrintable(name));
  return found;
}

QString AnalysisFixture::text(const QString& labelName) const {
  auto* found = window->findChild<QLabel*>(labelName);
  if (found == nullptr) qFatal("no label %s", qPrintable(labelName));
  return found->text();
}

void WhenModalOpens(const QString& objectName, std::function<void(QDialog&)> act) {
  auto* timer = new QTimer;
  timer->setInterval(5);
  QObject::connect(timer, &QTimer::timeout, [timer, objectName, act] {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (dialog == nullptr || dialog->objectName() != objectName) return;
    timer->stop();
    timer->deleteLater();
    act(*dialog);
  });
  timer->start();
}

void WhenTrue(std::function<bool()> condition, std::function<void()> act) {
  auto* timer = new QTimer;
  timer->setInterval(0);
  QObject::connect(timer, &QTimer::timeout, [timer, condition, act] {
    if (!condition()) return;
    timer->stop();
    timer->deleteLater();
    act();
  });
  timer->start();
}

}  // namespace zonalyst::test
