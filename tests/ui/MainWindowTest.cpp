// The real window driven by key and mouse: function keys and their guards, the command
// line, the exit panel and its countdown, the close request, settings across runs.
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QObject>
#include <QPushButton>
#include <QSettings>
#include <QTest>
#include <QTimer>

#include "QtTestMain.h"
#include "WindowRig.h"
#include "core/ResultTexts.h"
#include "core/SurfaceAnalysis.h"
#include "io/TestFileLoader.h"
#include "platform/QtSettingsStore.h"
#include "ui/ExitCountdown.h"
#include "ui/PanelTexts.h"

using namespace zonalyst;
using namespace zonalyst::ui;
using testing::WindowRig;

namespace {

QGroupBox* Frame(WindowRig& rig, int panel) {
  return rig.window().findChild<QGroupBox*>(QStringLiteral("Display_%1").arg(panel));
}

// Whether exactly this panel's frame and button are the ones on show.
bool OnShow(WindowRig& rig, int panel) {
  for (int j = 0; j < kPanelCount; ++j) {
    if (Frame(rig, j)->isVisible() != (j == panel)) return false;
    if (j != kSaveImagePanel && rig.button(QStringLiteral("Action_%1").arg(j))->isChecked() != (j == panel)) {
      return false;
    }
  }
  return rig.window().currentPanel() == panel;
}

bool HasInk(const QLabel* picture) {
  const QImage image = picture->pixmap().toImage();
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if ((image.pixel(x, y) & 0xffffff) != 0) return true;
    }
  }
  return false;
}

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT
 private slots:
  void frameButtonsAndHelpLine();
  void onlyEscAndF1WorkWithoutATest();
  void commandLineTestOpensOnTheSurfaceErrorPanel();
  void bareFileNameIsTakenFromTheWorkingFolder();
  void unloadableTestShowsTheMessageOnceAndTheLoadPanel();
  void everyAnalysisPanelShowsItsPictureAndResults();
  void switchRequestedDuringASwitchIsDropped();
  void monteCarloRunDropsEverySwitch();
  void setupChecksGuardEverySwitchButTheFirst();
  void saveImageKeyRedrawsThePanelOnShow();
  void loadPanelSavesAndClosesTheTest();
  void exitCountsDownAndCloses();
  void abortStopsTheCountdown();
  void escOnTheExitPanelDoesNotCountDown();
  void closingWithoutAutoExitShowsTheExitPanelAndIsRefused();
  void failedSaveAtExitIsReportedAndExitStaysPossible();
  void settingsWrittenAtExitAreReadAtTheNextStart();
  void declinedAssociationIsNotOfferedAgain();
};

void MainWindowTest::frameButtonsAndHelpLine() {
  WindowRig rig;
  MainWindow& window = rig.start();
  QCOMPARE(window.windowTitle(), QStringLiteral("Zonalyst"));
  QCOMPARE(window.objectName(), QStringLiteral("frmMain"));
  for (int i = 0; i < kPanelCount; ++i) {
    QGroupBox* frame = Frame(rig, i);
    QVERIFY(frame != nullptr);
    QCOMPARE(frame->size(), QSize(769, 465));
    QPushButton* button = rig.button(QStringLiteral("Action_%1").arg(i));
    QCOMPARE(button->text(), ButtonCaption(i));
    QVERIFY(button->isCheckable());
    QCOMPARE(button->focusPolicy(), Qt::NoFocus);
    QVERIFY(window.rect().contains(button->geometry()));
    QVERIFY(!button->geometry().intersects(frame->geometry()));
  }
  QCOMPARE(rig.button(QStringLiteral("Action_9"))->toolTip(),
           QStringLiteral("Dump Screen to Clipboard, then open graphics editor and paste new image."));
  QCOMPARE(Frame(rig, 0)->title(), QStringLiteral("Exit"));
  QCOMPARE(Frame(rig, 1)->title(), QStringLiteral("Load / Create File"));
  QCOMPARE(rig.label(QStringLiteral("LblHelp"))->text(),
           QStringLiteral("Select a file from the list, or create a new file"));
  const QRect help = rig.label(QStringLiteral("LblHelp"))->geometry();
  QVERIFY(window.rect().contains(help));
  QVERIFY(!help.intersects(Frame(rig, 0)->geometry()));
  QVERIFY(!help.intersects(rig.button(QStringLiteral("Action_9"))->geometry()));
  QVERIFY(window.rect().contains(Frame(rig, 0)->geometry()));
  QCOMPARE(rig.splashShown, 1);
}

void MainWindowTest::onlyEscAndF1WorkWithoutATest() {
  WindowRig rig;
  rig.start();
  QVERIFY(OnShow(rig, kLoadPanel));
  for (int i = 2; i < kPanelCount; ++i) QVERIFY(!rig.button(QStringLiteral("Action_%1").arg(i))->isEnabled());
  for (Qt::Key key : {Qt::Key_F2, Qt::Key_F3, Qt::Key_F4, Qt::Key_F5, Qt::Key_F6, Qt::Key_F7, Qt::Key_F8,
                      Qt::Key_F9}) {
    rig.key(key);
    QVERIFY2(OnShow(rig, kLoadPanel), qPrintable(QStringLiteral("after key %1").arg(key)));
  }
  rig.key(Qt::Key_Escape);
  QVERIFY(OnShow(rig, kExitPanel));
  QVERIFY(rig.window().isVisible());
  rig.key(Qt::Key_F1);
  QVERIFY(OnShow(rig, kLoadPanel));
  QVERIFY(rig.prompter.messages().empty());
}

void MainWindowTest::commandLineTestOpensOnTheSurfaceErrorPanel() {
  WindowRig rig;
  const QString path = rig.copyExample(QStringLiteral("6in-f8-paraboloid-moving.fdr"));
  MainWindow& window = rig.start({path});
  QVERIFY(OnShow(rig, kSurfaceErrorPanel));
  QCOMPARE(window.previousPanel(), kSetupPanel);
  QCOMPARE(window.state().fileName, QStringLiteral("6in-f8-paraboloid-moving.fdr"));
  QCOMPARE(window.state().folder, QDir::toNativeSeparators(rig.folder()) + QDir::separator());
  QCOMPARE(Frame(rig, kSurfaceErrorPanel)->title(),
           QStringLiteral("Surface Error Analysis -- 6in-f8-paraboloid-moving.fdr"));
  QCOMPARE(Frame(rig, kSetupPanel)->title(), QStringLiteral("Test Setup Panel -- 6in-f8-paraboloid-moving.fdr"));
  for (int i = 2; i < kPanelCount; ++i) QVERIFY(rig.button(QStringLiteral("Action_%1").arg(i))->isEnabled());

  // The six results are those of the core at the best-fit radius.
  io::LoadResult loaded = io::LoadTestFile(rig.folder().toStdString(), "6in-f8-paraboloid-moving.fdr");
  QVERIFY(loaded.ok());
  BesselTable bessel;
  FillBesselTable(bessel);
  SurfaceAnalysis analysis(bessel);
  analysis.analyse(*loaded.test);
  const ResultTexts expected = FormatResults(analysis.metrics());
  for (int k = 0; k < 6; ++k) {
    QCOMPARE(rig.label(QStringLiteral("lblRslt_%1").arg(k))->text(), QString::fromStdString(expected[k]));
    QCOMPARE(rig.label(QStringLiteral("lblF4lbl_%1").arg(k))->text(), QString::fromLatin1(kResultCaptions[k]));
  }
  QCOMPARE(rig.label(QStringLiteral("lblRslt_1"))->text(), QStringLiteral("1/42.62"));
  QVERIFY(HasInk(rig.label(QStringLiteral("SG"))));
  QVERIFY(rig.prompter.messages().empty());
}

void MainWindowTest::bareFileNameIsTakenFromTheWorkingFolder() {
  WindowRig rig;
  rig.writeFifteenZoneTest();
  MainWindow& window = rig.start({QStringLiteral("fifteen.fdr")});
  QVERIFY(OnShow(rig, kSurfaceErrorPanel));
  QCOMPARE(window.state().test.ZoneCount, 15);
}

void MainWindowTest::unloadableTestShowsTheMessageOnceAndTheLoadPanel() {
  WindowRig rig;
  const QString path = QDir(rig.folder()).filePath(QStringLiteral("missing.fdr"));
  MainWindow& window = rig.start({path});
  QVERIFY(OnShow(rig, kLoadPanel));
  QVERIFY(!window.state().testOpen());
  QCOMPARE(rig.prompter.messages().size(), std::size_t{1});
  const QString text = rig.prompter.messages()[0].text;
  QVERIFY2(text.startsWith(QStringLiteral("Hey,  I had a problem opening the file ") +
                           QDir::toNativeSeparators(path) + QStringLiteral(".\r\n"
                                                                           "Email me the file and I'll see if I can "
                                                                           "figure out what I did wrong!\r\n")),
           qPrintable(text));
  QCOMPARE(rig.prompter.messages()[0].title, QStringLiteral("Zonalyst"));
}

void MainWindowTest::everyAnalysisPanelShowsItsPictureAndResults() {
  WindowRig rig;
  rig.start({rig.copyExample(QStringLiteral("10in-f5-mm-fixed-3sets.fdr"))});
  const QStringList pictures = {"SG", "PicML", "PicTE", "PicSpot", "Pic2D"};
  const std::array<std::array<int, 6>, 5> results = {{{0, 1, 2, 3, 4, 5},
                                                      {29, 28, 27, 26, 25, 24},
                                                      {11, 10, 9, 8, 7, 6},
                                                      {12, 13, 14, 15, 16, 17},
                                                      {23, 22, 21, 20, 19, 18}}};
  const Qt::Key keys[] = {Qt::Key_F4, Qt::Key_F5, Qt::Key_F6, Qt::Key_F7, Qt::Key_F8};
  for (int p = 0; p < 5; ++p) {
    rig.key(keys[p]);
    QVERIFY(OnShow(rig, kSurfaceErrorPanel + p));
    QLabel* picture = rig.label(pictures[p]);
    QVERIFY(picture->isVisible());
    QVERIFY2(HasInk(picture), qPrintable(pictures[p]));
    for (int k = 0; k < 6; ++k) {
      QCOMPARE(rig.label(QStringLiteral("lblRslt_%1").arg(results[p][k]))->text(),
               rig.label(QStringLiteral("lblRslt_%1").arg(k))->text());
      QVERIFY(!rig.label(QStringLiteral("lblRslt_%1").arg(k))->text().isEmpty());
    }
  }
  QVERIFY(rig.prompter.messages().empty());
}

void MainWindowTest::switchRequestedDuringASwitchIsDropped() {
  WindowRig rig;
  MainWindow& window = rig.start({rig.copyExample(QStringLiteral("6in-f8-paraboloid-moving.fdr"))});
  // The switch to F5 lets pending events run; the F6 key waiting among them is dropped.
  QWidget* focus = QApplication::focusWidget() != nullptr ? QApplication::focusWidget() : &window;
  QCoreApplication::postEvent(focus, new QKeyEvent(QEvent::KeyPress, Qt::Key_F6, Qt::NoModifier));
  QCoreApplication::postEvent(rig.button(QStringLiteral("Action_7")),
                              new QMouseEvent(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton,
                                              Qt::LeftButton, Qt::NoModifier));
  QCoreApplication::postEvent(rig.button(QStringLiteral("Action_7")),
                              new QMouseEvent(QEvent::MouseButtonRelease, QPointF(5, 5), QPointF(5, 5),
                                              Qt::LeftButton, Qt::NoButton, Qt::NoModifier));
  window.actionClick(kMilliesLacroixPanel);
  QCoreApplication::processEvents();
  QVERIFY(OnShow(rig, kMilliesLacroixPanel));
  QCOMPARE(window.previousPanel(), kSurfaceErrorPanel);
}

void MainWindowTest::monteCarloRunDropsEverySwitch() {
  WindowRig rig;
  MainWindow& window = rig.start({rig.copyExample(QStringLiteral("6in-f8-paraboloid-moving.fdr"))});
  window.state().test.MonteCarloRunning = true;
  rig.key(Qt::Key_F6);
  rig.key(Qt::Key_Escape);
  QTest::mouseClick(rig.button(QStringLiteral("Action_1")), Qt::LeftButton);
  QVERIFY(OnShow(rig, kSurfaceErrorPanel));
  window.state().test.MonteCarloRunning = false;
  rig.key(Qt::Key_F6);
  QVERIFY(OnShow(rig, kTransverseErrorPanel));
}

void MainWindowTest::setupChecksGuardEverySwitchButTheFirst() {
  WindowRig rig;
  MainWindow& window = rig.start({rig.copyExample(QStringLiteral("6in-f8-paraboloid-moving.fdr"))});
  // A zero radius of curvature does not stop the opening itself.
  rig.key(Qt::Key_F2);
  QVERIFY(OnShow(rig, kSetupPanel));
  window.state().test.Roc = 0.0;
  rig.key(Qt::Key_F4);
  QVERIFY(OnShow(rig, kSetupPanel));
  QCOMPARE(rig.prompter.messageTexts(),
           QStringList{QStringLiteral("Excuse ME, You have entered 0 for your ROC, That can't be right :)")});
  QCOMPARE(rig.prompter.messages()[0].icon, MessageIcon::Critical);

  // Back to the load panel and open again: the first switch is not checked.
  rig.prompter.clear();
  const QString folder = window.state().folder;
  const QString name = window.state().fileName;
  rig.key(Qt::Key_F1);
  QVERIFY(OnShow(rig, kLoadPanel));
  QVERIFY(window.openTest(folder, name));
  window.state().test.Roc = 0.0;
  window.showOpenedTest();
  QVERIFY(OnShow(rig, kSurfaceErrorPanel));
  QVERIFY(rig.prompter.messages().empty());
}

void MainWindowTest::saveImageKeyRedrawsThePanelOnShow() {
  WindowRig rig;
  MainWindow& window = rig.start({rig.copyExample(QStringLiteral("6in-f8-paraboloid-moving.fdr"))});
  rig.key(Qt::Key_F6);
  std::vector<int> saved;
  window.setImageSaver([&saved](int panel) { saved.push_back(panel); });
  rig.label(QStringLiteral("lblRslt_11"))->clear();
  rig.key(Qt::Key_F9);
  QVERIFY(OnShow(rig, kTransverseErrorPanel));
  QVERIFY(!rig.button(QStringLiteral("Action_9"))->isChecked());
  QCOMPARE(saved, std::vector<int>{kTransverseErrorPanel});
  QVERIFY(!rig.label(QStringLiteral("lblRslt_11"))->text().isEmpty());
  QCOMPARE(window.previousPanel(), kTransverseErrorPanel);
}

void MainWindowTest::loadPanelSavesAndClosesTheTest() {
  WindowRig rig;
  const QString path = rig.copyExample(QStringLiteral("6in-f8-paraboloid-moving.fdr"));
  MainWindow& window = rig.start({path});
  window.state().test.DesiredConic = -0.5;
  rig.key(Qt::Key_F1);
  QVERIFY(OnShow(rig, kLoadPanel));
  QVERIFY(!window.state().testOpen());
  QCOMPARE(Frame(rig, kSetupPanel)->title(), QStringLiteral("Test Setup Panel -- "));
  for (int i = 2; i < kPanelCount; ++i) QVERIFY(!rig.button(QStringLiteral("Action_%1").arg(i))->isEnabled());
  io::LoadResult reloaded = io::LoadTestFile(rig.folder().toStdString(), "6in-f8-paraboloid-moving.fdr");
  QVERIFY(reloaded.ok());
  QCOMPARE(reloaded.test->DesiredConic, -0.5);
}

void MainWindowTest::exitCountsDownAndCloses() {
  WindowRig rig;
  rig.memorySettings.write("Global", "Show_Exit", "True");
  const QString path = rig.copyExample(QStringLiteral("6in-f8-paraboloid-moving.fdr"));
  MainWindow& window = rig.start({path});
  window.state().test.DesiredConic = -0.75;
  QPushButton* exit = rig.button(QStringLiteral("chkExit"));
  QPushButton* abort = rig.button(QStringLiteral("chkAbort"));
  QStringList seen;
  QTimer watch;
  QObject::connect(&watch, &QTimer::timeout, [&] {
    if (seen.isEmpty() || seen.last() != exit->text()) seen << exit->text();
    if (abort->isVisible() && !abort->hasFocus()) seen << QStringLiteral("ABORT without focus");
  });
  watch.start(0);
  rig.key(Qt::Key_Escape);
  watch.stop();
  QVERIFY(!window.isVisible());
  QCOMPARE(exit->text(), QStringLiteral("Exiting in 0.00 Seconds"));
  QVERIFY(seen.size() > 5);
  QCOMPARE(seen.first(), QStringLiteral("Confirm Exit"));
  QCOMPARE(seen[1], QStringLiteral("Exiting in 0.49 Seconds"));
  for (int i = 1; i < seen.size(); ++i) QVERIFY2(seen[i].startsWith(QStringLiteral("Exiting in 0.")), qPrintable(seen[i]));
  QCOMPARE(abort->text(), QStringLiteral("ABORT EXIT!"));
  QCOMPARE(rig.memorySettings.read("Global", "Show_Exit"), std::string("True"));
  io::LoadResult saved = io::LoadTestFile(rig.folder().toStdString(), "6in-f8-paraboloid-moving.fdr");
  QCOMPARE(saved.test->DesiredConic, -0.75);
}

void MainWindowTest::abortStopsTheCountdown() {
  WindowRig rig;
  rig.memorySettings.write("Global", "Show_Exit", "True");
  MainWindow& window = rig.start({rig.copyExample(QStringLiteral("6in-f8-paraboloid-moving.fdr"))});
  QPushButton* exit = rig.button(QStringLiteral("chkExit"));
  QPushButton* abort = rig.button(QStringLiteral("chkAbort"));
  QTimer::singleShot(150, abort, [abort] { QTest::mouseClick(abort, Qt::LeftButton); });
  rig.key(Qt::Key_Escape);
  QVERIFY(window.isVisible());
  QVERIFY(OnShow(rig, kExitPanel));
  QCOMPARE(exit->text(), QStringLiteral("Click to Exit"));
  QVERIFY(!abort->isChecked());
  // Function keys work again after the abort.
  rig.key(Qt::Key_F4);
  QVERIFY(OnShow(rig, kSurfaceErrorPanel));
  QTimer::singleShot(150, abort, [abort] { QTest::mouseClick(abort, Qt::LeftButton); });
  rig.key(Qt::Key_Escape);
  QVERIFY(window.isVisible());
  QCOMPARE(exit->text(), QStringLiteral("Click to Exit"));
  QTest::mouseClick(exit, Qt::LeftButton);
  QVERIFY(!window.isVisible());
}

void MainWindowTest::escOnTheExitPanelDoesNotCountDown() {
  WindowRig rig;
  MainWindow& window = rig.start({rig.copyExample(QStringLiteral("6in-f8-paraboloid-moving.fdr"))});
  rig.key(Qt::Key_Escape);
  QVERIFY(OnShow(rig, kExitPanel));
  auto* autoExit = window.findChild<QCheckBox*>(QStringLiteral("ChkAuto_Exit"));
  QCOMPARE(autoExit->text(), QStringLiteral("Next time Exit after Time Delay of 1/2 second"));
  QVERIFY(!autoExit->isChecked());
  QTest::mouseClick(autoExit, Qt::LeftButton);
  QVERIFY(window.state().settings.showExit);
  rig.key(Qt::Key_Escape);
  QVERIFY(window.isVisible());
  QVERIFY(OnShow(rig, kExitPanel));
  QCOMPARE(rig.button(QStringLiteral("chkExit"))->text(), QStringLiteral("Confirm Exit"));
  QVERIFY(!rig.button(QStringLiteral("chkAbort"))->isVisible());
  QVERIFY(rig.button(QStringLiteral("chkExit"))->hasFocus());
}

void MainWindowTest::closingWithoutAutoExitShowsTheExitPanelAndIsRefused() {
  WindowRig rig;
  MainWindow& window = rig.start({rig.copyExample(QStringLiteral("6in-f8-paraboloid-moving.fdr"))});
  QVERIFY(!window.close());
  QVERIFY(window.isVisible());
  QVERIFY(OnShow(rig, kExitPanel));
  QVERIFY(rig.memorySettings.values().empty());
  QVERIFY(!window.close());
  QTest::mouseClick(rig.button(QStringLiteral("chkExit")), Qt::LeftButton);
  QVERIFY(!window.isVisible());
  QCOMPARE(rig.memorySettings.read("Global", "Show_Exit"), std::string("False"));
}

void MainWindowTest::failedSaveAtExitIsReportedAndExitStaysPossible() {
  WindowRig rig;
  MainWindow& window = rig.start({rig.copyExample(QStringLiteral("6in-f8-paraboloid-moving.fdr"))});
  const QString missing = QDir(rig.folder()).filePath(QStringLiteral("gone")) + QDir::separator();
  window.state().folder = missing;
  rig.key(Qt::Key_Escape);
  QPushButton* exit = rig.button(QStringLiteral("chkExit"));
  QTest::mouseClick(exit, Qt::LeftButton);
  QVERIFY(window.isVisible());
  QCOMPARE(rig.prompter.messages().size(), std::size_t{1});
  const MessageRequest& report = rig.prompter.messages()[0];
  QVERIFY2(report.text.startsWith(QStringLiteral("The test could not be saved to ") + missing +
                                  QStringLiteral("6in-f8-paraboloid-moving.fdr.\r\n")),
           qPrintable(report.text));
  QVERIFY(report.text.endsWith(QStringLiteral("\r\nPress the exit button again to leave without saving.")));
  QCOMPARE(report.icon, MessageIcon::Critical);
  QCOMPARE(exit->text(), QStringLiteral("Click to Exit"));
  QTest::mouseClick(exit, Qt::LeftButton);
  QVERIFY(!window.isVisible());
  QCOMPARE(rig.prompter.messages().size(), std::size_t{1});
}

void MainWindowTest::settingsWrittenAtExitAreReadAtTheNextStart() {
  const QString ini = QFileInfo(QSettings(QSettings::IniFormat, QSettings::UserScope, "Zonalyst", "Zonalyst")
                                    .fileName()).absoluteFilePath();
  QVERIFY(ini.startsWith(qEnvironmentVariable("XDG_CONFIG_HOME")));
  QFile::remove(ini);
  {
    platform::QtSettingsStore store;
    WindowRig rig;
    rig.settings = &store;
    rig.splashChoice = true;
    MainWindow& window = rig.start();
    QCOMPARE(window.state().settings, (platform::Settings{true, false, false, false}));
    rig.key(Qt::Key_Escape);
    QTest::mouseClick(window.findChild<QCheckBox*>(QStringLiteral("ChkAuto_Exit")), Qt::LeftButton);
    QTest::mouseClick(rig.button(QStringLiteral("chkExit")), Qt::LeftButton);
    QVERIFY(!window.isVisible());
  }
  QSettings written(ini, QSettings::IniFormat);
  QCOMPARE(written.value("Global/Show_Splash").toString(), QStringLiteral("True"));
  QCOMPARE(written.value("Global/Show_Exit").toString(), QStringLiteral("True"));
  QCOMPARE(written.value("Global/Show_MC_Dialog").toString(), QStringLiteral("False"));
  QCOMPARE(written.value("Global/No_File_ass").toString(), QStringLiteral("False"));
  {
    platform::QtSettingsStore store;
    WindowRig rig;
    rig.settings = &store;
    MainWindow& window = rig.start();
    QCOMPARE(window.state().settings, (platform::Settings{true, true, false, false}));
    rig.key(Qt::Key_Escape);
    QVERIFY(window.findChild<QCheckBox*>(QStringLiteral("ChkAuto_Exit"))->isChecked());
  }
}

void MainWindowTest::declinedAssociationIsNotOfferedAgain() {
  platform::MemorySettingsStore store;
  {
    WindowRig rig;
    rig.settings = &store;
    rig.fakeAssociation.lookup = {false, "/usr/bin/gedit"};
    rig.prompter.answerMessage(MessageAnswer::No);
    rig.prompter.answerMessage(MessageAnswer::No);
    MainWindow& window = rig.start();
    QCOMPARE(rig.prompter.messages().size(), std::size_t{2});
    QCOMPARE(rig.prompter.messages()[0].text,
             QStringLiteral("*.fdr file are currently associated with /usr/bin/gedit\r\n"
                            "Do you want to Associate Fdr files with Zonalyst?"));
    QCOMPARE(rig.prompter.messages()[0].title, QStringLiteral("Set File Association"));
    QCOMPARE(rig.prompter.messages()[1].title, QStringLiteral("Stop Buggin Me!"));
    rig.key(Qt::Key_Escape);
    QTest::mouseClick(rig.button(QStringLiteral("chkExit")), Qt::LeftButton);
    QVERIFY(!window.isVisible());
  }
  QCOMPARE(store.read("Global", "No_File_ass"), std::string("True"));
  WindowRig rig;
  rig.settings = &store;
  rig.fakeAssociation.lookup = {false, "/usr/bin/gedit"};
  MainWindow& window = rig.start();
  QVERIFY(rig.prompter.messages().empty());
  // The load panel's button still asks.
  rig.prompter.answerMessage(MessageAnswer::Yes);
  window.checkFileAssociation();
  QCOMPARE(rig.prompter.messages().size(), std::size_t{1});
  QCOMPARE(rig.fakeAssociation.registrations, 1);
}

ZONALYST_QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
