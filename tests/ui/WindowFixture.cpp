#include "WindowFixture.h"

#include "io/FileAccess.h"
#include "io/TestFileLayout.h"
#include "io/TestPath.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTest>

namespace zonalyst::testing {

std::string WriteTestFile(const MirrorTest& test, const QString& folder, const QString& name) {
  const std::string path = io::JoinTestPath(folder.toStdString(), name.toStdString());
  return io::ReplaceFileText(path, io::BuildTestFileText(test)).empty() ? path : std::string();
}

std::string ReadFile(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
}

ui::MainWindow& WindowFixture::start(const QStringList& arguments) {
  ui::WindowServices services{
      &prompter, settings, association, &clipboard, saveQuestion, [this](QWidget*, bool showSplash) {
        ++splashShown;
        return splashChoice || showSplash;
      }};
  window_ = std::make_unique<ui::MainWindow>(services);
  window = window_.get();
  panels = {dynamic_cast<ui::FilePanel*>(window->panelContent(ui::Panel::Load)),
            dynamic_cast<ui::SurfaceErrorPanel*>(window->panelContent(ui::Panel::SurfaceError)),
            dynamic_cast<ui::MilliesLacroixPanel*>(window->panelContent(ui::Panel::MilliesLacroix)),
            dynamic_cast<ui::SpotDiffractionPanel*>(window->panelContent(ui::Panel::Diffraction)),
            dynamic_cast<ui::StarTestPanel*>(window->panelContent(ui::Panel::StarTest))};
  if (!(panels.files && panels.surface && panels.milliesLacroix && panels.spot && panels.star))
    qFatal("a panel of another type");
  window->startUp(arguments, dir_.path());
  window->activateWindow();
  if (!QTest::qWaitForWindowActive(window)) qWarning("the window did not become active");
  return *window;
}

ui::MainWindow& WindowFixture::startOnExample(const QString& name) { return start({copyExample(name)}); }

ui::MainWindow& WindowFixture::open(const MirrorTest& test, const QString& fileName) {
  const std::string written = WriteTestFile(test, folder(), fileName);
  if (written.empty()) qFatal("the test could not be written");
  start({QString::fromStdString(written)});
  if (window->currentPanel() != ui::Panel::SurfaceError) qFatal("the test did not open on the surface error panel");
  return *window;
}

ui::MainWindow& WindowFixture::startOnLoadPanel() {
  saveQuestion = nullptr;
  start();
  panels.files->setFolder(folder());
  return *window;
}

void WindowFixture::openFile(const QString& fileName) {
  const auto found = files()->findItems(fileName, Qt::MatchExactly);
  QVERIFY2(!found.isEmpty(), qPrintable(fileName));
  files()->setCurrentItem(found.front());
  QTest::mouseClick(button(QStringLiteral("chkOpen")), Qt::LeftButton);
}

void WindowFixture::openTest(const MirrorTest& test) {
  QVERIFY(!WriteTestFile(test, folder(), QStringLiteral("m.fdr")).empty());
  panels.files->refreshFiles();
  openFile(QStringLiteral("m.fdr"));
}

QString WindowFixture::copyExample(const QString& name) const {
  const QString target = dir_.filePath(name);
  QFile::copy(QStringLiteral(ZONALYST_SOURCE_DIR "/examples/") + name, target);
  return target;
}

QString WindowFixture::path(const QString& fileName) const { return dir_.filePath(fileName); }

void WindowFixture::press(Qt::Key key, Qt::KeyboardModifiers modifiers) {
  QTest::keyClick(focused() != nullptr ? focused() : window, key, modifiers);
}

void WindowFixture::type(const QString& text) { QTest::keyClicks(focused() != nullptr ? focused() : window, text); }

QStringList WindowFixture::walk(Qt::Key key, int steps) {
  QStringList indices;
  for (int i = 0; i < steps; ++i) {
    press(key);
    indices << focusedName().mid(focusedName().lastIndexOf(u'_') + 1);
  }
  return indices;
}

void WindowFixture::saveImage(const std::optional<QString>& path, bool inverted) {
  prompter.answerMessage(inverted ? ui::MessageAnswer::Yes : ui::MessageAnswer::No);
  prompter.answerSaveFile(path);
  press(Qt::Key_F9);
}

QWidget* WindowFixture::focused() const { return QApplication::focusWidget(); }

QString WindowFixture::focusedName() const { return focused() != nullptr ? focused()->objectName() : QString(); }

QLineEdit* WindowFixture::box(int index) const { return find<QLineEdit>(QStringLiteral("Text1_%1").arg(index)); }

QLineEdit* WindowFixture::cell(int index) const { return find<QLineEdit>(QStringLiteral("lblF3Kedata_%1").arg(index)); }

SaveDiscardAnswer::SaveDiscardAnswer(QStringList buttonNames) : buttonNames_(std::move(buttonNames)) {
  QObject::connect(&timer_, &QTimer::timeout, [this] { poll(); });
  timer_.start(10);
}

void SaveDiscardAnswer::poll() {
  QWidget* modal = QApplication::activeModalWidget();
  if (modal == nullptr || modal->objectName() != QStringLiteral("Save_Discard")) return;
  shown_ = true;
  label_ = modal->findChild<QLabel*>(QStringLiteral("Label1"))->text();
  const QString buttonName = buttonNames_.takeFirst();
  if (buttonNames_.isEmpty()) timer_.stop();
  if (buttonName.isEmpty()) {
    modal->close();
  } else {
    modal->findChild<QPushButton*>(buttonName)->click();
  }
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

void WhenModalOpens(const QString& objectName, std::function<void(QDialog&)> act) {
  const auto modal = [objectName] {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    return dialog != nullptr && dialog->objectName() == objectName ? dialog : nullptr;
  };
  WhenTrue([modal] { return modal() != nullptr; }, [modal, act] { act(*modal()); });
}

}  // namespace zonalyst::testing
