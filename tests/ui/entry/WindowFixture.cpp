#include "WindowFixture.h"

#include <QApplication>
#include <QDir>
#include <QTest>
#include <fstream>
#include <sstream>

#include "core/ConicGeometry.h"
#include "../FifteenZoneTest.h"

namespace zonalyst::test {

MirrorTest SampleTest() {
  MirrorTest test;
  ResetToNewTestDefaults(test);
  const double radii[5] = {0.0, 2.0, 2.828, 3.464, 4.0};
  for (int z = 1; z <= 4; ++z) {
    test.ZoneRadius[z][0] = radii[z - 1];
    test.ZoneRadius[z][1] = radii[z];
    test.KeReading[z][1] = 0.01 * z;
  }
  ComputeEffectiveRadii(test);
  return test;
}

void WriteTestFile(const QString& folder, const QString& fileName, const MirrorTest& test) {
  QVERIFY(!testing::WriteTestFile(test, folder.toStdString(), fileName.toStdString()).empty());
}

std::string ReadFile(const QString& path) {
  std::ifstream file(path.toStdString(), std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

namespace {

// The unsaved-changes dialog itself, in place of the rig's standing answer.
ui::MainWindow* StartWithSaveDialog(testing::WindowRig& rig) {
  rig.saveQuestion = nullptr;
  return &rig.start();
}

}  // namespace

WindowFixture::WindowFixture() : folder(rig.folder()), window(StartWithSaveDialog(rig)) {
  panels.files = window->findChild<ui::FilePanel*>();
  panels.setup = window->findChild<ui::SetupPanel*>();
  panels.readings = window->findChild<ui::ReadingsPanel*>();
  panels.files->setFolder(folder);
}

void WindowFixture::openFile(const QString& fileName) {
  const auto found = files()->findItems(fileName, Qt::MatchExactly);
  QVERIFY2(!found.isEmpty(), qPrintable(fileName));
  files()->setCurrentItem(found.front());
  QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("chkOpen")), Qt::LeftButton);
}

void WindowFixture::openTest(const MirrorTest& test) {
  WriteTestFile(folder, QStringLiteral("m.fdr"), test);
  panels.files->refreshFiles();
  openFile(QStringLiteral("m.fdr"));
}

QStringList WindowFixture::walk(Qt::Key key, int steps) {
  QStringList indices;
  for (int i = 0; i < steps; ++i) {
    press(key);
    indices << focusedName().mid(focusedName().lastIndexOf(u'_') + 1);
  }
  return indices;
}

void WindowFixture::press(Qt::Key key) {
  QWidget* target = focused() != nullptr ? focused() : window;
  QTest::keyClick(target, key, Qt::NoModifier);
}

void WindowFixture::type(const QString& text) {
  QWidget* target = focused() != nullptr ? focused() : window;
  QTest::keyClicks(target, text);
}

QWidget* WindowFixture::focused() const { return QApplication::focusWidget(); }

QString WindowFixture::focusedName() const { return focused() != nullptr ? focused()->objectName() : QString(); }

QLineEdit* WindowFixture::box(int index) const {
  return window->findChild<QLineEdit*>(QStringLiteral("Text1_%1").arg(index));
}

QLineEdit* WindowFixture::cell(int index) const {
  return window->findChild<QLineEdit*>(QStringLiteral("lblF3Kedata_%1").arg(index));
}

QString WindowFixture::path(const QString& fileName) const { return QDir(folder).filePath(fileName); }

SaveDiscardAnswer::SaveDiscardAnswer(QStringList buttonNames) : buttonNames_(std::move(buttonNames)) {
  QObject::connect(&timer_, &QTimer::timeout, [this] { poll(); });
  timer_.start(10);
}

void SaveDiscardAnswer::poll() {
  QWidget* modal = QApplication::activeModalWidget();
  if (modal == nullptr || modal->objectName() != QStringLiteral("Save_Discard")) return;
  shown_ = true;
  title_ = modal->windowTitle();
  label_ = modal->findChild<QLabel*>(QStringLiteral("Label1"))->text();
  const QString buttonName = buttonNames_.takeFirst();
  if (buttonNames_.isEmpty()) timer_.stop();
  if (buttonName.isEmpty()) {
    modal->close();
  } else {
    modal->findChild<QPushButton*>(buttonName)->click();
  }
}

}  // namespace zonalyst::test
