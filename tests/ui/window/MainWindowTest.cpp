// The real window driven by key and mouse: function keys and their guards, the command
// line, the exit panel and its countdown, the close request, settings across runs.
#include "core/ResultTexts.h"
#include "io/TestFileLoader.h"
#include "platform/QtSettingsStore.h"
#include "tests/ui/QtTestMain.h"
#include "tests/ui/WindowFixture.h"
#include "ui/window/PanelTexts.h"
#include "ui/window/WindowPanels.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QImage>
#include <QSettings>

using namespace zonalyst;
using namespace zonalyst::ui;
using testing::WindowFixture;

namespace {

const QString kExample = QStringLiteral("6in-f8-paraboloid-moving.fdr");

QGroupBox* Frame(WindowFixture& f, Panel panel) {
  return f.find<QGroupBox>(QStringLiteral("Display_%1").arg(IndexOf(panel)));
}

// Whether exactly this panel's frame and button are the ones on show.
bool OnShow(WindowFixture& f, Panel panel) {
  for (const WindowPanel& row : WindowPanels()) {
    const Panel j = row.panel;
    if (Frame(f, j)->isVisible() != (j == panel)) return false;
    if (f.action(j)->isChecked() != (j == panel)) return false;
  }
  // F9 saves a picture and shows no panel.
  if (f.find<QGroupBox>(QStringLiteral("Display_%1").arg(kSaveImageIndex))->isVisible()) return false;
  return f.window->currentPanel() == panel;
}

bool AnalysisButtonsEnabled(WindowFixture& f, bool enabled) {
  for (const WindowPanel& row : WindowPanels()) {
    if (IndexOf(row.panel) >= IndexOf(Panel::Setup) && f.action(row.panel)->isEnabled() != enabled) return false;
  }
  return f.saveImageAction()->isEnabled() == enabled;
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

double SavedDesiredConic(WindowFixture& f) {
  return io::LoadTestFile(f.folder().toStdString(), kExample.toStdString()).test->DesiredConic;
}

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT
 private slots:
  void frameButtonsHelpLineAndOnlyEscAndF1WithoutATest() {
    WindowFixture f;
    MainWindow& window = f.start();
    QCOMPARE(window.windowTitle(), QStringLiteral("Zonalyst"));
    QCOMPARE(window.objectName(), QStringLiteral("frmMain"));
    // A fixed-size window: it cannot be stretched into emptiness.
    QCOMPARE(window.minimumSize(), window.maximumSize());
    window.resize(window.width() + 300, window.height() + 200);
    QCOMPARE(window.size(), window.minimumSize());
    for (const WindowPanel& row : WindowPanels()) {
      QGroupBox* frame = Frame(f, row.panel);
      QCOMPARE(frame->size(), QSize(769, 465));
      QVERIFY(window.rect().contains(frame->geometry()));
      QPushButton* button = f.action(row.panel);
      QCOMPARE(button->text(), ButtonCaption(row.panel));
      QVERIFY(button->isCheckable());
      QCOMPARE(button->focusPolicy(), Qt::NoFocus);
      QVERIFY(window.rect().contains(button->geometry()));
      QVERIFY(!button->geometry().intersects(frame->geometry()));
    }
    QCOMPARE(f.saveImageAction()->toolTip(),
             QStringLiteral("Dump Screen to Clipboard, then open graphics editor and paste new image."));
    QLabel* help = f.label(QStringLiteral("LblHelp"));
    QCOMPARE(help->text(), QStringLiteral("Select a file from the list, or create a new file"));
    // The tester's view's button one row below F9's; the help line below both.
    QCOMPARE(f.action(Panel::TestersView)->geometry(), f.saveImageAction()->geometry().translated(0, 46));
    QCOMPARE(f.action(Panel::Exit)->geometry().y(), 8);
    QCOMPARE(Frame(f, Panel::SurfaceError)->geometry(), QRect(196, 8, 769, 465));
    QVERIFY(help->geometry().top() > f.action(Panel::TestersView)->geometry().bottom());
    QCOMPARE(window.height(), help->geometry().bottom() + 1 + 8);
    QCOMPARE(f.splashShown, 1);

    // Without a test only Esc and F1 work.
    QVERIFY(OnShow(f, Panel::Load));
    QVERIFY(AnalysisButtonsEnabled(f, false));
    for (int key = Qt::Key_F2; key <= Qt::Key_F9; ++key) {
      f.press(Qt::Key(key));
      QVERIFY2(OnShow(f, Panel::Load), qPrintable(QStringLiteral("after key %1").arg(key)));
    }
    f.press(Qt::Key_Escape);
    QVERIFY(OnShow(f, Panel::Exit));
    QCOMPARE(f.help(), QStringLiteral("Press Confirm Exit to leave Zonalyst, or a function key to go back to a panel"));
    f.press(Qt::Key_F1);
    QVERIFY(OnShow(f, Panel::Load));
    QVERIFY(f.prompter.messages().empty());
  }

  // A test named on the command line did not come through the load panel's lists: its
  // folder is stepped and listed all the same.
  void commandLineTestOpensOnTheSurfaceErrorPanelEveryAnalysisPanelShowsAndItsFolderIsStepped() {
    WindowFixture f;
    const QDir mirrors(f.folder() + QStringLiteral("/mirrors"));
    QVERIFY(QDir().mkpath(mirrors.path()));
    for (const char* name : {"a.fdr", "b.fdr"}) QVERIFY(QFile::copy(f.copyExample(kExample), mirrors.filePath(name)));
    MainWindow& window = f.start({mirrors.filePath(QStringLiteral("a.fdr"))});
    QVERIFY(OnShow(f, Panel::SurfaceError));
    QCOMPARE(window.previousPanel(), Panel::Setup);
    QCOMPARE(window.state().fileName, QStringLiteral("a.fdr"));
    QCOMPARE(window.state().folder, QDir::toNativeSeparators(mirrors.path()) + QDir::separator());
    QCOMPARE(Frame(f, Panel::Setup)->title(), QStringLiteral("Test Setup Panel -- a.fdr"));
    QVERIFY(AnalysisButtonsEnabled(f, true));

    // The results are the core's (one spot check); the other panels show the same six.
    QStringList expected;
    for (int k = 0; k < 6; ++k) expected << f.text(QStringLiteral("lblRslt_%1").arg(k));
    QCOMPARE(expected[1], QStringLiteral("1/42.62"));
    QCOMPARE(f.text(QStringLiteral("lblF4lbl_1")), QString::fromLatin1(kResultCaptions[1]));

    const Panel panels[5] = {Panel::SurfaceError, Panel::MilliesLacroix, Panel::TransverseError, Panel::Diffraction,
                             Panel::StarTest};
    const QStringList pictures = {"SG", "PicML", "PicTE", "PicSpot", "Pic2D"};
    const int results[5][6] = {{0, 1, 2, 3, 4, 5},
                               {29, 28, 27, 26, 25, 24},
                               {11, 10, 9, 8, 7, 6},
                               {12, 13, 14, 15, 16, 17},
                               {23, 22, 21, 20, 19, 18}};
    for (int p = 0; p < 5; ++p) {
      f.press(Qt::Key(Qt::Key_F4 + p));
      QVERIFY(OnShow(f, panels[p]));
      QVERIFY(f.label(pictures[p])->isVisible());
      QVERIFY2(HasInk(f.label(pictures[p])), qPrintable(pictures[p]));
      for (int k = 0; k < 6; ++k) {
        QCOMPARE(f.text(QStringLiteral("lblRslt_%1").arg(results[p][k])), expected[k]);
      }
    }
    QVERIFY(f.prompter.messages().empty());
    f.press(Qt::Key_X);
    QCOMPARE(window.state().fileName, QStringLiteral("b.fdr"));
    f.press(Qt::Key_F1);
    QVERIFY(OnShow(f, Panel::Load));
    QCOMPARE(f.files()->count(), 2);
  }

  void switchRequestedDuringASwitchIsDroppedF9RedrawsThePanelOnShowAndF1SavesAndClosesTheTest() {
    WindowFixture f;
    MainWindow& window = f.startOnExample();
    // The switch to F5 lets pending events run; the F6 key and the F7 click waiting among them are dropped.
    QWidget* focus = QApplication::focusWidget() != nullptr ? QApplication::focusWidget() : &window;
    QCoreApplication::postEvent(focus, new QKeyEvent(QEvent::KeyPress, Qt::Key_F6, Qt::NoModifier));
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
      const Qt::MouseButtons held = type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
      QCoreApplication::postEvent(f.action(Panel::Diffraction), new QMouseEvent(type, QPointF(5, 5), QPointF(5, 5),
                                                                                Qt::LeftButton, held, Qt::NoModifier));
    }
    window.actionClick(Panel::MilliesLacroix);
    QCoreApplication::processEvents();
    QVERIFY(OnShow(f, Panel::MilliesLacroix));
    QCOMPARE(window.previousPanel(), Panel::SurfaceError);

    f.press(Qt::Key_F6);
    f.prompter.clear();
    f.prompter.answerMessage(MessageAnswer::No);  // not inverted
    f.prompter.answerSaveFile(std::nullopt);
    f.label(QStringLiteral("lblRslt_11"))->clear();
    f.press(Qt::Key_F9);
    QVERIFY(OnShow(f, Panel::TransverseError));
    QCOMPARE(f.prompter.saveFiles().size(), std::size_t{1});
    QVERIFY(!f.label(QStringLiteral("lblRslt_11"))->text().isEmpty());
    QCOMPARE(window.previousPanel(), Panel::TransverseError);

    window.state().test.DesiredConic = -0.5;
    f.press(Qt::Key_F1);
    QVERIFY(!window.state().testOpen());
    QCOMPARE(Frame(f, Panel::Setup)->title(), QStringLiteral("Test Setup Panel -- "));
    QVERIFY(AnalysisButtonsEnabled(f, false));
    QCOMPARE(SavedDesiredConic(f), -0.5);
  }

  void exitCountsDownAndCloses() {
    WindowFixture f;
    f.memorySettings.write("Global", "Show_Exit", "True");
    MainWindow& window = f.startOnExample();
    window.state().test.DesiredConic = -0.75;
    QPushButton* exit = f.button(QStringLiteral("chkExit"));
    QPushButton* abort = f.button(QStringLiteral("chkAbort"));
    QStringList seen;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
      if (seen.isEmpty() || seen.last() != exit->text()) seen << exit->text();
      if (abort->isVisible() && !abort->hasFocus()) seen << QStringLiteral("ABORT without focus");
    });
    watch.start(0);
    f.press(Qt::Key_Escape);
    watch.stop();
    QVERIFY(!window.isVisible());
    QCOMPARE(exit->text(), QStringLiteral("Exiting in 0.00 Seconds"));
    QVERIFY(seen.size() > 5);
    QCOMPARE(seen.first(), QStringLiteral("Confirm Exit"));
    QCOMPARE(seen[1], QStringLiteral("Exiting in 0.49 Seconds"));
    QCOMPARE(abort->text(), QStringLiteral("ABORT EXIT!"));
    QCOMPARE(f.memorySettings.read("Global", "Show_Exit"), std::string("True"));
    QCOMPARE(SavedDesiredConic(f), -0.75);
  }

  void abortStopsTheCountdown() {
    WindowFixture f;
    f.memorySettings.write("Global", "Show_Exit", "True");
    MainWindow& window = f.startOnExample();
    QPushButton* exit = f.button(QStringLiteral("chkExit"));
    QPushButton* abort = f.button(QStringLiteral("chkAbort"));
    // Twice: function keys work again after an abort.
    for (Qt::Key next : {Qt::Key_F4, Qt::Key_unknown}) {
      QTimer::singleShot(150, abort, [abort] { QTest::mouseClick(abort, Qt::LeftButton); });
      f.press(Qt::Key_Escape);
      QVERIFY(window.isVisible());
      QVERIFY(OnShow(f, Panel::Exit));
      QCOMPARE(exit->text(), QStringLiteral("Click to Exit"));
      QVERIFY(!abort->isChecked());
      if (next != Qt::Key_unknown) {
        f.press(next);
        QVERIFY(OnShow(f, Panel::SurfaceError));
      }
    }
    QTest::mouseClick(exit, Qt::LeftButton);
    QVERIFY(!window.isVisible());
  }

  void failedSaveAtExitIsReportedClosingIsRefusedAndEscOnTheExitPanelDoesNotCountDown() {
    WindowFixture f;
    MainWindow& window = f.startOnExample();
    const QString missing = QDir(f.folder()).filePath(QStringLiteral("gone")) + QDir::separator();
    window.state().folder = missing;
    f.press(Qt::Key_Escape);
    QPushButton* exit = f.button(QStringLiteral("chkExit"));
    QTest::mouseClick(exit, Qt::LeftButton);
    QCOMPARE(f.prompter.messages().size(), std::size_t{1});
    // Its wording is pinned by the load panel's test of a read-only file.
    QVERIFY(f.prompter.messages()[0].text.contains(missing + kExample));
    // Back on the panel the user left, the test open.
    QVERIFY(OnShow(f, Panel::SurfaceError));
    QVERIFY(window.state().testOpen());

    // With auto exit off a close request shows the exit panel and is refused, each time.
    QVERIFY(!window.close());
    QVERIFY(OnShow(f, Panel::Exit));
    QVERIFY(!window.close());
    QVERIFY(f.memorySettings.values().empty());
    auto* autoExit = window.findChild<QCheckBox*>(QStringLiteral("ChkAuto_Exit"));
    QCOMPARE(autoExit->text(), QStringLiteral("Next time Exit after Time Delay of 1/2 second"));
    QVERIFY(!autoExit->isChecked());
    QTest::mouseClick(autoExit, Qt::LeftButton);
    QVERIFY(window.state().settings.showExit);
    f.press(Qt::Key_Escape);
    QVERIFY(OnShow(f, Panel::Exit));
    QCOMPARE(exit->text(), QStringLiteral("Confirm Exit"));
    QVERIFY(!f.button(QStringLiteral("chkAbort"))->isVisible());
    QVERIFY(exit->hasFocus());
    // The second exit leaves without saving and without a second report.
    QTest::mouseClick(exit, Qt::LeftButton);
    QVERIFY(!window.isVisible());
    QCOMPARE(f.prompter.messages().size(), std::size_t{1});
    QCOMPARE(f.memorySettings.read("Global", "Show_Exit"), std::string("True"));
  }

  void settingsWrittenAtExitAreReadAtTheNextStart() {
    const QString ini =
        QFileInfo(QSettings(QSettings::IniFormat, QSettings::UserScope, "Zonalyst", "Zonalyst").fileName())
            .absoluteFilePath();
    QVERIFY(ini.startsWith(qEnvironmentVariable("XDG_CONFIG_HOME")));
    QFile::remove(ini);
    {
      platform::QtSettingsStore store;
      WindowFixture f;
      f.settings = &store;
      f.splashChoice = true;
      MainWindow& window = f.start();
      QCOMPARE(window.state().settings, (platform::Settings{true, false, false, false}));
      f.press(Qt::Key_Escape);
      QTest::mouseClick(window.findChild<QCheckBox*>(QStringLiteral("ChkAuto_Exit")), Qt::LeftButton);
      QTest::mouseClick(f.button(QStringLiteral("chkExit")), Qt::LeftButton);
      QVERIFY(!window.isVisible());
    }
    QSettings written(ini, QSettings::IniFormat);
    const std::pair<const char*, const char*> values[] = {{"Global/Show_Splash", "True"},
                                                          {"Global/Show_Exit", "True"},
                                                          {"Global/Show_MC_Dialog", "False"},
                                                          {"Global/No_File_ass", "False"}};
    for (const auto& [key, value] : values) QCOMPARE(written.value(key).toString(), QString::fromLatin1(value));
    platform::QtSettingsStore store;
    WindowFixture f;
    f.settings = &store;
    MainWindow& window = f.start();
    QCOMPARE(window.state().settings, (platform::Settings{true, true, false, false}));
    f.press(Qt::Key_Escape);
    QVERIFY(window.findChild<QCheckBox*>(QStringLiteral("ChkAuto_Exit"))->isChecked());
  }

  void declinedAssociationIsNotOfferedAgain() {
    platform::MemorySettingsStore store;
    {
      WindowFixture f;
      f.settings = &store;
      f.fakeAssociation.lookup = {false, "/usr/bin/gedit"};
      f.prompter.answerMessage(MessageAnswer::No);
      f.prompter.answerMessage(MessageAnswer::No);
      MainWindow& window = f.start();
      QCOMPARE(f.prompter.messages().size(), std::size_t{2});
      QVERIFY(f.prompter.messages()[0].text.contains(QStringLiteral("/usr/bin/gedit")));
      QCOMPARE(f.prompter.messages()[1].title, QStringLiteral("Stop Buggin Me!"));
      f.press(Qt::Key_Escape);
      QTest::mouseClick(f.button(QStringLiteral("chkExit")), Qt::LeftButton);
      QVERIFY(!window.isVisible());
    }
    QCOMPARE(store.read("Global", "No_File_ass"), std::string("True"));
    WindowFixture f;
    f.settings = &store;
    f.fakeAssociation.lookup = {false, "/usr/bin/gedit"};
    f.start();
    QVERIFY(f.prompter.messages().empty());
    QCOMPARE(f.fakeAssociation.lookups, 0);  // start-up does not even look
    // The load panel's button still asks.
    f.prompter.answerMessage(MessageAnswer::Yes);
    QTest::mouseClick(f.button(QStringLiteral("File_ass")), Qt::LeftButton);
    QCOMPARE(f.prompter.messages().size(), std::size_t{1});
    QCOMPARE(f.fakeAssociation.registrations, 1);
  }
};

ZONALYST_QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
