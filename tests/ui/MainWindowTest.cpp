// The real window driven by key and mouse: function keys and their guards, the command
// line, the exit panel and its countdown, the close request, settings across runs.
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QListWidget>
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
#include "ui/entry/TestOpening.h"
#include "ui/window/PanelTexts.h"

using namespace zonalyst;
using namespace zonalyst::ui;
using testing::WindowRig;

namespace {

const QString kExample = QStringLiteral("6in-f8-paraboloid-moving.fdr");

QGroupBox* Frame(WindowRig& rig, int panel) {
  return rig.window().findChild<QGroupBox*>(QStringLiteral("Display_%1").arg(panel));
}

// Whether exactly this panel's frame and button are the ones on show.
bool OnShow(WindowRig& rig, int panel) {
  for (int j = 0; j < kPanelCount; ++j) {
    if (Frame(rig, j)->isVisible() != (j == panel)) return false;
    if (j != kSaveImagePanel && rig.action(j)->isChecked() != (j == panel)) return false;
  }
  return rig.window().currentPanel() == panel;
}

bool AnalysisButtonsEnabled(WindowRig& rig, bool enabled) {
  for (int i = 2; i < kPanelCount; ++i) {
    if (rig.action(i)->isEnabled() != enabled) return false;
  }
  return true;
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

double SavedDesiredConic(WindowRig& rig) {
  return io::LoadTestFile(rig.folder().toStdString(), kExample.toStdString()).test->DesiredConic;
}

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT
 private slots:
  void frameButtonsAndHelpLine();
  void onlyEscAndF1WorkWithoutATest();
  void commandLineTestOpensOnTheSurfaceErrorPanelAndEveryAnalysisPanelShows();
  void commandLineTestsFolderIsSteppedWithXAndListedOnF1();
  void unloadableTestShowsTheMessageOnceAndTheLoadPanel();
  void switchRequestedDuringASwitchIsDropped();
  void setupChecksGuardEverySwitchButTheFirst();
  void saveImageKeyRedrawsThePanelOnShow();
  void loadPanelSavesAndClosesTheTest();
  void exitCountsDownAndCloses();
  void abortStopsTheCountdown();
  void closingIsRefusedAndEscOnTheExitPanelDoesNotCountDown();
  void failedSaveAtExitIsReportedAndExitStaysPossible();
  void settingsWrittenAtExitAreReadAtTheNextStart();
  void declinedAssociationIsNotOfferedAgain();
};

void MainWindowTest::frameButtonsAndHelpLine() {
  WindowRig rig;
  MainWindow& window = rig.start();
  QCOMPARE(window.windowTitle(), QStringLiteral("Zonalyst"));
  QCOMPARE(window.objectName(), QStringLiteral("frmMain"));
  // A fixed-size window: it cannot be stretched into emptiness.
  QCOMPARE(window.minimumSize(), window.maximumSize());
  window.resize(window.width() + 300, window.height() + 200);
  QCOMPARE(window.size(), window.minimumSize());
  for (int i = 0; i < kPanelCount; ++i) {
    QGroupBox* frame = Frame(rig, i);
    QCOMPARE(frame->size(), QSize(769, 465));
    QVERIFY(window.rect().contains(frame->geometry()));
    QPushButton* button = rig.action(i);
    QCOMPARE(button->text(), ButtonCaption(i));
    QVERIFY(button->isCheckable());
    QCOMPARE(button->focusPolicy(), Qt::NoFocus);
    QVERIFY(window.rect().contains(button->geometry()));
    QVERIFY(!button->geometry().intersects(frame->geometry()));
  }
  QCOMPARE(rig.action(9)->toolTip(),
           QStringLiteral("Dump Screen to Clipboard, then open graphics editor and paste new image."));
  QCOMPARE(Frame(rig, 1)->title(), QStringLiteral("Load / Create File"));
  QLabel* help = rig.label(QStringLiteral("LblHelp"));
  QCOMPARE(help->text(), QStringLiteral("Select a file from the list, or create a new file"));
  QVERIFY(window.rect().contains(help->geometry()));
  QVERIFY(!help->geometry().intersects(Frame(rig, 0)->geometry()));
  QVERIFY(!help->geometry().intersects(rig.action(9)->geometry()));
  QCOMPARE(rig.splashShown, 1);
}

void MainWindowTest::onlyEscAndF1WorkWithoutATest() {
  WindowRig rig;
  rig.start();
  QVERIFY(OnShow(rig, kLoadPanel));
  QVERIFY(AnalysisButtonsEnabled(rig, false));
  for (int key = Qt::Key_F2; key <= Qt::Key_F9; ++key) {
    rig.key(Qt::Key(key));
    QVERIFY2(OnShow(rig, kLoadPanel), qPrintable(QStringLiteral("after key %1").arg(key)));
  }
  rig.key(Qt::Key_Escape);
  QVERIFY(OnShow(rig, kExitPanel));
  QVERIFY(rig.window().isVisible());
  rig.key(Qt::Key_F1);
  QVERIFY(OnShow(rig, kLoadPanel));
  QVERIFY(rig.prompter.messages().empty());
}

// A test named on the command line did not come through the load panel's lists.
void MainWindowTest::commandLineTestsFolderIsSteppedWithXAndListedOnF1() {
  WindowRig rig;
  const QDir mirrors(rig.folder() + QStringLiteral("/mirrors"));
  QVERIFY(QDir().mkpath(mirrors.path()));
  for (const char* name : {"a.fdr", "b.fdr"}) QVERIFY(QFile::copy(rig.copyExample(kExample), mirrors.filePath(name)));
  MainWindow& window = rig.start({mirrors.filePath(QStringLiteral("a.fdr"))});
  rig.key(Qt::Key_X);
  QCOMPARE(window.state().fileName, QStringLiteral("b.fdr"));
  rig.key(Qt::Key_F1);
  QVERIFY(OnShow(rig, kLoadPanel));
  QCOMPARE(window.findChild<QListWidget*>(QStringLiteral("File1"))->count(), 2);
}

void MainWindowTest::commandLineTestOpensOnTheSurfaceErrorPanelAndEveryAnalysisPanelShows() {
  WindowRig rig;
  MainWindow& window = rig.startOnExample();
  QVERIFY(OnShow(rig, kSurfaceErrorPanel));
  QCOMPARE(window.previousPanel(), kSetupPanel);
  QCOMPARE(window.state().fileName, kExample);
  QCOMPARE(window.state().folder, QDir::toNativeSeparators(rig.folder()) + QDir::separator());
  QCOMPARE(Frame(rig, kSurfaceErrorPanel)->title(), QStringLiteral("Surface Error Analysis -- ") + kExample);
  QCOMPARE(Frame(rig, kSetupPanel)->title(), QStringLiteral("Test Setup Panel -- ") + kExample);
  QVERIFY(AnalysisButtonsEnabled(rig, true));

  // The six results are those of the core at the best-fit radius.
  io::LoadResult loaded = io::LoadTestFile(rig.folder().toStdString(), kExample.toStdString());
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

  // Panels 4 to 8: each its picture drawn and its own six labels holding the same results.
  const QStringList pictures = {"SG", "PicML", "PicTE", "PicSpot", "Pic2D"};
  const int results[5][6] = {{0, 1, 2, 3, 4, 5},
                             {29, 28, 27, 26, 25, 24},
                             {11, 10, 9, 8, 7, 6},
                             {12, 13, 14, 15, 16, 17},
                             {23, 22, 21, 20, 19, 18}};
  for (int p = 0; p < 5; ++p) {
    rig.key(Qt::Key(Qt::Key_F4 + p));
    QVERIFY(OnShow(rig, kSurfaceErrorPanel + p));
    QVERIFY(rig.label(pictures[p])->isVisible());
    QVERIFY2(HasInk(rig.label(pictures[p])), qPrintable(pictures[p]));
    for (int k = 0; k < 6; ++k) {
      QCOMPARE(rig.label(QStringLiteral("lblRslt_%1").arg(results[p][k]))->text(), QString::fromStdString(expected[k]));
    }
  }
  QVERIFY(rig.prompter.messages().empty());
}

void MainWindowTest::unloadableTestShowsTheMessageOnceAndTheLoadPanel() {
  WindowRig rig;
  const QString path = QDir(rig.folder()).filePath(QStringLiteral("missing.fdr"));
  MainWindow& window = rig.start({path});
  QVERIFY(OnShow(rig, kLoadPanel));
  QVERIFY(!window.state().testOpen());
  QCOMPARE(rig.prompter.messages().size(), std::size_t{1});
  const QString text = rig.prompter.messages()[0].text;
  QVERIFY2(text.startsWith(QStringLiteral("Hey,  I had a problem opening the file ") + QDir::toNativeSeparators(path) +
                           QStringLiteral(".\r\nEmail me the file and I'll see if I can figure out what I did "
                                          "wrong!\r\n")),
           qPrintable(text));
  QCOMPARE(rig.prompter.messages()[0].title, QStringLiteral("Zonalyst"));
}

void MainWindowTest::switchRequestedDuringASwitchIsDropped() {
  WindowRig rig;
  MainWindow& window = rig.startOnExample();
  // The switch to F5 lets pending events run; the F6 key and the F7 click waiting among them are dropped.
  QWidget* focus = QApplication::focusWidget() != nullptr ? QApplication::focusWidget() : &window;
  QCoreApplication::postEvent(focus, new QKeyEvent(QEvent::KeyPress, Qt::Key_F6, Qt::NoModifier));
  for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
    const Qt::MouseButtons held = type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
    QCoreApplication::postEvent(rig.action(7), new QMouseEvent(type, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton,
                                                               held, Qt::NoModifier));
  }
  window.actionClick(kMilliesLacroixPanel);
  QCoreApplication::processEvents();
  QVERIFY(OnShow(rig, kMilliesLacroixPanel));
  QCOMPARE(window.previousPanel(), kSurfaceErrorPanel);
}

void MainWindowTest::setupChecksGuardEverySwitchButTheFirst() {
  WindowRig rig;
  MainWindow& window = rig.startOnExample();
  rig.key(Qt::Key_F2);
  window.state().test.Roc = 0.0;
  rig.key(Qt::Key_F4);
  QVERIFY(OnShow(rig, kSetupPanel));
  QCOMPARE(rig.prompter.messageTexts(),
           QStringList{QStringLiteral("Excuse ME, You have entered 0 for your ROC, That can't be right :)")});
  QCOMPARE(rig.prompter.messages()[0].icon, MessageIcon::Critical);

  // Opened again from the load panel: the first switch is not checked.
  rig.prompter.clear();
  const QString folder = window.state().folder;
  const QString name = window.state().fileName;
  rig.key(Qt::Key_F1);
  QVERIFY(ui::OpenTest(window.state(), rig.prompter, folder, name));
  window.state().test.Roc = 0.0;
  emit window.panelContent(kLoadPanel)->panelRequested({kSurfaceErrorPanel, true});
  QVERIFY(OnShow(rig, kSurfaceErrorPanel));
  QVERIFY(rig.prompter.messages().empty());
}

void MainWindowTest::saveImageKeyRedrawsThePanelOnShow() {
  WindowRig rig;
  MainWindow& window = rig.startOnExample();
  rig.key(Qt::Key_F6);
  rig.prompter.clear();
  rig.prompter.answerMessage(MessageAnswer::No);  // not inverted
  rig.prompter.answerSaveFile(std::nullopt);
  rig.label(QStringLiteral("lblRslt_11"))->clear();
  rig.key(Qt::Key_F9);
  QVERIFY(OnShow(rig, kTransverseErrorPanel));
  QVERIFY(!rig.action(9)->isChecked());
  QCOMPARE(rig.prompter.saveFiles().size(), std::size_t{1});
  QCOMPARE(rig.prompter.saveFiles().front().fileName, QStringLiteral("6in-f8-paraboloid-moving_Trans_Err.gif"));
  QVERIFY(!rig.label(QStringLiteral("lblRslt_11"))->text().isEmpty());
  QCOMPARE(window.previousPanel(), kTransverseErrorPanel);
}

void MainWindowTest::loadPanelSavesAndClosesTheTest() {
  WindowRig rig;
  MainWindow& window = rig.startOnExample();
  window.state().test.DesiredConic = -0.5;
  rig.key(Qt::Key_F1);
  QVERIFY(OnShow(rig, kLoadPanel));
  QVERIFY(!window.state().testOpen());
  QCOMPARE(Frame(rig, kSetupPanel)->title(), QStringLiteral("Test Setup Panel -- "));
  QVERIFY(AnalysisButtonsEnabled(rig, false));
  QCOMPARE(SavedDesiredConic(rig), -0.5);
}

void MainWindowTest::exitCountsDownAndCloses() {
  WindowRig rig;
  rig.memorySettings.write("Global", "Show_Exit", "True");
  MainWindow& window = rig.startOnExample();
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
  QCOMPARE(SavedDesiredConic(rig), -0.75);
}

void MainWindowTest::abortStopsTheCountdown() {
  WindowRig rig;
  rig.memorySettings.write("Global", "Show_Exit", "True");
  MainWindow& window = rig.startOnExample();
  QPushButton* exit = rig.button(QStringLiteral("chkExit"));
  QPushButton* abort = rig.button(QStringLiteral("chkAbort"));
  // Twice: function keys work again after an abort.
  for (Qt::Key next : {Qt::Key_F4, Qt::Key_unknown}) {
    QTimer::singleShot(150, abort, [abort] { QTest::mouseClick(abort, Qt::LeftButton); });
    rig.key(Qt::Key_Escape);
    QVERIFY(window.isVisible());
    QVERIFY(OnShow(rig, kExitPanel));
    QCOMPARE(exit->text(), QStringLiteral("Click to Exit"));
    QVERIFY(!abort->isChecked());
    if (next != Qt::Key_unknown) {
      rig.key(next);
      QVERIFY(OnShow(rig, kSurfaceErrorPanel));
    }
  }
  QTest::mouseClick(exit, Qt::LeftButton);
  QVERIFY(!window.isVisible());
}

void MainWindowTest::closingIsRefusedAndEscOnTheExitPanelDoesNotCountDown() {
  WindowRig rig;
  MainWindow& window = rig.startOnExample();
  // With auto exit off a close request shows the exit panel and is refused, each time.
  QVERIFY(!window.close());
  QVERIFY(window.isVisible());
  QVERIFY(OnShow(rig, kExitPanel));
  QVERIFY(!window.close());
  QVERIFY(rig.memorySettings.values().empty());

  auto* autoExit = window.findChild<QCheckBox*>(QStringLiteral("ChkAuto_Exit"));
  QCOMPARE(autoExit->text(), QStringLiteral("Next time Exit after Time Delay of 1/2 second"));
  QVERIFY(!autoExit->isChecked());
  QTest::mouseClick(autoExit, Qt::LeftButton);
  QVERIFY(window.state().settings.showExit);
  rig.key(Qt::Key_Escape);
  QVERIFY(window.isVisible());
  QVERIFY(OnShow(rig, kExitPanel));
  QPushButton* exit = rig.button(QStringLiteral("chkExit"));
  QCOMPARE(exit->text(), QStringLiteral("Confirm Exit"));
  QVERIFY(!rig.button(QStringLiteral("chkAbort"))->isVisible());
  QVERIFY(exit->hasFocus());
  QTest::mouseClick(exit, Qt::LeftButton);
  QVERIFY(!window.isVisible());
  QCOMPARE(rig.memorySettings.read("Global", "Show_Exit"), std::string("True"));
}

void MainWindowTest::failedSaveAtExitIsReportedAndExitStaysPossible() {
  WindowRig rig;
  MainWindow& window = rig.startOnExample();
  const QString missing = QDir(rig.folder()).filePath(QStringLiteral("gone")) + QDir::separator();
  window.state().folder = missing;
  rig.key(Qt::Key_Escape);
  QPushButton* exit = rig.button(QStringLiteral("chkExit"));
  QTest::mouseClick(exit, Qt::LeftButton);
  QVERIFY(window.isVisible());
  QCOMPARE(rig.prompter.messages().size(), std::size_t{1});
  const MessageRequest& report = rig.prompter.messages()[0];
  QVERIFY2(report.text.startsWith(QStringLiteral("The test could not be saved to ") + missing + kExample +
                                  QStringLiteral(".\r\n")),
           qPrintable(report.text));
  QVERIFY(report.text.endsWith(QStringLiteral("\r\nThe test stays open; nothing was lost.\r\n"
                                              "Press the exit button again to leave without saving.")));
  QCOMPARE(report.icon, MessageIcon::Critical);
  // Back on the panel the user left, the test open.
  QVERIFY(OnShow(rig, kSurfaceErrorPanel));
  QVERIFY(window.state().testOpen());
  rig.key(Qt::Key_Escape);
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
  const std::pair<const char*, const char*> values[] = {{"Global/Show_Splash", "True"},
                                                        {"Global/Show_Exit", "True"},
                                                        {"Global/Show_MC_Dialog", "False"},
                                                        {"Global/No_File_ass", "False"}};
  for (const auto& [key, value] : values) QCOMPARE(written.value(key).toString(), QString::fromLatin1(value));
  platform::QtSettingsStore store;
  WindowRig rig;
  rig.settings = &store;
  MainWindow& window = rig.start();
  QCOMPARE(window.state().settings, (platform::Settings{true, true, false, false}));
  rig.key(Qt::Key_Escape);
  QVERIFY(window.findChild<QCheckBox*>(QStringLiteral("ChkAuto_Exit"))->isChecked());
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
  rig.start();
  QVERIFY(rig.prompter.messages().empty());
  // The load panel's button still asks.
  rig.prompter.answerMessage(MessageAnswer::Yes);
  QTest::mouseClick(rig.button(QStringLiteral("File_ass")), Qt::LeftButton);
  QCOMPARE(rig.prompter.messages().size(), std::size_t{1});
  QCOMPARE(rig.fakeAssociation.registrations, 1);
}

ZONALYST_QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
