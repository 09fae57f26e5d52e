#include "WindowRig.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "FifteenZoneTest.h"

namespace zonalyst::testing {

WindowRig::WindowRig() = default;
WindowRig::~WindowRig() = default;

ui::MainWindow& WindowRig::start(const QStringList& arguments) {
  ui::WindowServices services{&prompter, settings, association, &clipboard, saveQuestion,
                              [this](QWidget*, bool showSplash) {
                                ++splashShown;
                                return splashChoice || showSplash;
                              }};
  window_ = std::make_unique<ui::MainWindow>(services);
  window_->startUp(arguments, dir_.path());
  window_->activateWindow();
  if (!QTest::qWaitForWindowActive(window_.get())) qWarning("the window did not become active");
  return *window_;
}

QString WindowRig::copyExample(const QString& name) const {
  const QString target = dir_.filePath(name);
  QFile::copy(QStringLiteral(ZONALYST_SOURCE_DIR "/examples/") + name, target);
  return target;
}

QString WindowRig::writeFifteenZoneTest(const QString& name) const {
  return QString::fromStdString(WriteTestFile(FifteenZoneTest(), dir_.path().toStdString(), name.toStdString()));
}

QPushButton* WindowRig::button(const QString& name) const { return window_->findChild<QPushButton*>(name); }

QLabel* WindowRig::label(const QString& name) const { return window_->findChild<QLabel*>(name); }

void WindowRig::key(Qt::Key key) {
  QWidget* target = QApplication::focusWidget() != nullptr ? QApplication::focusWidget() : window_.get();
  QTest::keyClick(target, key);
}

}  // namespace zonalyst::testing
