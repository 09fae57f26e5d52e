// The window where the desktop or the test is hostile: a pipe in place of the settings
// file, a test that the checks refuse or that has no readings, a failed association, an
// exception that escaped an event handler.
#include "core/SurfaceAnalysis.h"
#include "io/TestFileLoader.h"
#include "platform/QtSettingsStore.h"
#include "tests/ui/QtTestMain.h"
#include "tests/ui/WindowFixture.h"
#include "ui/panel/SaveGuard.h"
#include "ui/window/PanelTexts.h"

#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QSettings>

#include <new>
#include <sys/stat.h>

using namespace zonalyst;
using namespace zonalyst::ui;
using testing::SaveDiscardAnswer;
using testing::WindowFixture;

namespace {

const QString kExample = QStringLiteral("6in-f8-paraboloid-moving.fdr");

// A test that the command line refuses for one value, and where the window shows it.
struct Refused {
  void (*spoil)(MirrorTest&);
  Panel panel;
  const char* box;
  const char* value;
};
const Refused kRocRefused{[](MirrorTest& t) { t.Roc = -3477; }, Panel::Setup, "Text1_4", "-3477"};
const Refused kZoneRefused{[](MirrorTest& t) { t.ZoneRadius[1][0] = -10; }, Panel::Setup, "Text1_7", "-10"};
const Refused kReadingRefused{[](MirrorTest& t) { t.KeReading[2][1] = 4000; }, Panel::Readings, "lblF3Kedata_4",
                              "4000.000"};

// The ways from one test into another.
enum class Way { CommandLine, LoadPanel, NextKey, PreviousKey, X, Z, Overwrite, Discard };

// Goes from the open test to `next` (on the load panel, or the next or previous test of
// the folder) as the user would; Overwrite and Discard answer the question of a changed test.
void Switch(WindowFixture& f, Way way, const QString& next) {
  const bool changed = way == Way::Overwrite || way == Way::Discard;
  if (changed) f.type(QStringLiteral("3"));  // three zones on F2, three reading sets on F3
  SaveDiscardAnswer answer(way == Way::Discard ? QStringLiteral("cmdDiscard") : QStringLiteral("cmdOverwrite"));
  // X and Z are letters in an entry box.
  if ((way == Way::X || way == Way::Z) && f.focused() != nullptr) f.focused()->clearFocus();
  switch (way) {
    case Way::CommandLine:
      f.start({f.path(next)});
      break;
    case Way::LoadPanel:
      f.press(Qt::Key_F1);
      f.openFile(next);
      break;
    case Way::PreviousKey:
      f.press(Qt::Key_PageUp, Qt::ControlModifier);
      break;
    case Way::X:
      f.press(Qt::Key_X);
      break;
    case Way::Z:
      f.press(Qt::Key_Z);
      break;
    default:
      f.press(Qt::Key_PageDown, Qt::ControlModifier);
  }
  QCOMPARE(answer.shown(), changed);
  // After the question the window system makes the window active again.
  f.window->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(f.window));
}

// The refused test is the open one, on the panel where it is mended, with its own values
// under its own name and the refusal told once.
void ExpectOpen(WindowFixture& f, const Refused& refused, const QString& name) {
  QCOMPARE(f.window->state().fileName, name);
  QCOMPARE(f.window->currentPanel(), refused.panel);
  QCOMPARE(f.find<QGroupBox>(QStringLiteral("Display_%1").arg(IndexOf(refused.panel)))->title().section(' ', -1), name);
  QCOMPARE(f.focusedName(), QLatin1String(refused.box));
  QCOMPARE(qobject_cast<QLineEdit*>(f.focused())->text(), QLatin1String(refused.value));
  QCOMPARE(f.prompter.messages().size(), std::size_t{1});
  QCOMPARE(f.prompter.messages()[0].icon, MessageIcon::Critical);
  f.prompter.clear();
}

}  // namespace

class HardeningTest : public QObject {
  Q_OBJECT
 private slots:
  void aPipeOrAFolderAsTheSettingsFileStartsWithTheDefaults() {
    const QString path = platform::QtSettingsStore::filePath();
    QCOMPARE(path, QSettings(QSettings::IniFormat, QSettings::UserScope, "Zonalyst", "Zonalyst").fileName());
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile::remove(path);
    QVERIFY(mkfifo(path.toLocal8Bit().constData(), 0600) == 0);
    {
      platform::QtSettingsStore store;
      store.write("Global", "Show_Exit", "True");
      QCOMPARE(store.read("Global", "Show_Exit"), std::string());
      WindowFixture f;
      f.settings = &store;
      QCOMPARE(f.start().state().settings, platform::Settings{});
    }
    QFile::remove(path);
    QVERIFY(QDir().mkpath(path));
    platform::QtSettingsStore folder;
    QCOMPARE(folder.read("Global", "Show_Exit"), std::string());
    QVERIFY(QDir(path).removeRecursively());
  }

  // A test that the command line refuses is never analysed, whether it comes from the
  // command line or by a step (the load panel: the setup panel's test): it opens where the
  // user mends it, with the refusal, and its analysis keys stay refused.
  void aRefusedTestIsNeverAnalysedOnAnyWayIn() {
    struct Case {
      void (*spoil)(MirrorTest&);
      Qt::Key way;  // started on the refused test, or on the one before it and stepped
      const char* message;
      Panel panel;
      const char* focus;
    };
    const Case cases[] = {
        {[](MirrorTest& t) { t.Roc = 1E+70; }, Qt::Key_unknown, kIrreducibleReadings, Panel::Setup, "Text1_4"},
        {[](MirrorTest& t) { t.KeReading[3][1] = 200; }, Qt::Key_X, "Reading 1 of zone 3", Panel::Readings,
         "lblF3Kedata_8"},
    };
    for (const Case& c : cases) {
      MirrorTest refused = testing::SampleMirror();
      c.spoil(refused);
      WindowFixture f;
      testing::WriteTestFile(testing::SampleMirror(), f.folder(), "a.fdr");
      const std::string path = testing::WriteTestFile(refused, f.folder(), "b.fdr");
      f.start({c.way == Qt::Key_X ? f.path("a.fdr") : QString::fromStdString(path)});
      for (const Qt::Key key : {c.way, Qt::Key_F4}) {
        if (key != Qt::Key_unknown) {
          f.prompter.clear();
          f.press(key);
        }
        QVERIFY2(f.prompter.messages().size() == 1 && f.prompter.messages()[0].text.startsWith(c.message), c.message);
        QCOMPARE(f.window->currentPanel(), c.panel);
        QCOMPARE(f.focusedName(), QLatin1String(c.focus));
      }
    }
  }

  // Whatever way the user goes from a test into a refused one, and from a refused one
  // into another, from the setup or the readings panel, no value of one test is shown as
  // another's or written into it: Ctrl+S and leaving write nothing into the refused files.
  void noValueOfOneTestIsWrittenIntoARefusedOne_data() {
    QTest::addColumn<int>("way");
    QTest::addColumn<Qt::Key>("panelKey");
    const std::pair<const char*, Way> ways[] = {{"load panel", Way::LoadPanel},
                                                {"Ctrl+PageDown", Way::NextKey},
                                                {"Ctrl+PageUp", Way::PreviousKey},
                                                {"X", Way::X},
                                                {"Z", Way::Z},
                                                {"Overwrite", Way::Overwrite},
                                                {"Discard", Way::Discard}};
    for (const auto& [name, way] : ways) {
      for (const Qt::Key key : {Qt::Key_F2, Qt::Key_F3}) {
        QTest::addRow("%s from F%d", name, key - Qt::Key_F1 + 1) << static_cast<int>(way) << key;
      }
    }
    QTest::addRow("command line into F2") << static_cast<int>(Way::CommandLine) << Qt::Key_F2;
    QTest::addRow("command line into F3") << static_cast<int>(Way::CommandLine) << Qt::Key_F3;
  }

  void noValueOfOneTestIsWrittenIntoARefusedOne() {
    QFETCH(int, way);
    QFETCH(Qt::Key, panelKey);
    const Way how = static_cast<Way>(way);
    // From F2 into a test refused there, then into one refused on F3; from F3 the other way.
    const Refused& first = panelKey == Qt::Key_F2 ? kRocRefused : kReadingRefused;
    const Refused& second = panelKey == Qt::Key_F2 ? kReadingRefused : kZoneRefused;
    const bool backwards = how == Way::PreviousKey || how == Way::Z;
    const QStringList names =
        backwards ? QStringList{"c.fdr", "b.fdr", "a.fdr"} : QStringList{"a.fdr", "b.fdr", "c.fdr"};
    WindowFixture f;
    f.saveQuestion = nullptr;  // the window's own Save Changes dialog
    MirrorTest good = testing::SampleMirror();
    for (int k = 0; k < 3; ++k) {
      MirrorTest test = good;
      if (k > 0) (k == 1 ? first : second).spoil(test);
      QVERIFY(!testing::WriteTestFile(test, f.folder(), names[k]).empty());
    }
    std::vector<std::string> before;
    for (const QString& name : names) before.push_back(testing::ReadFile(f.path(name)));

    if (how != Way::CommandLine) {
      f.start({f.path(names[0])});
      f.press(panelKey);
    }
    // Good to refused, then refused to refused (the command line opens one test).
    for (int k = 1; k < (how == Way::CommandLine ? 2 : 3); ++k) {
      // Only the good test is changed before it is left.
      const bool answered = how == Way::Overwrite || how == Way::Discard;
      Switch(f, answered && k == 2 ? Way::NextKey : how, names[k]);
      if (QTest::currentTestFailed()) return;
      ExpectOpen(f, k == 1 ? first : second, names[k]);
      if (QTest::currentTestFailed()) return;
    }
    f.press(Qt::Key_S, Qt::ControlModifier);
    QVERIFY2(f.help().startsWith(QStringLiteral("There is nothing to save")), qPrintable(f.help()));
    {
      SaveDiscardAnswer overwrite(QStringLiteral("cmdOverwrite"));
      f.press(Qt::Key_F1);
    }
    // The good test holds what was typed into it when the question was answered Overwrite.
    for (int k = how == Way::Overwrite ? 1 : 0; k < 3; ++k) {
      QVERIFY2(testing::ReadFile(f.path(names[k])) == before[k], qPrintable(names[k]));
    }
  }

  // A test whose readings are all still zero shows no figures: the analysis panels point
  // to F3, and F9 has nothing to save, as on the setup and readings panels.
  void aTestWithoutReadingsShowsNoFigures() {
    WindowFixture f;
    MainWindow& window = f.open(testing::TestMirror(testing::kNewTestRecipe));
    for (const Qt::Key key : {Qt::Key_F2, Qt::Key_F10, Qt::Key_F4}) {
      f.press(key);
      QVERIFY(!f.saveImageAction()->isEnabled());
    }
    QVERIFY(window.panelContent(Panel::SurfaceError)->findChild<QLabel*>(QStringLiteral("lblNoReadings"))->isVisible());
    QCOMPARE(f.help(),
             QStringLiteral("No knife-edge readings have been entered yet for this test.\nPress F3 to enter them."));
    QVERIFY(!f.label(QStringLiteral("SG"))->isVisible());
    f.press(Qt::Key_F3);
    f.cell(0)->setFocus();
    f.type(QStringLiteral("0.1"));
    f.press(Qt::Key_F4);
    QVERIFY(f.label(QStringLiteral("SG"))->isVisible());
    QVERIFY(f.saveImageAction()->isEnabled());
  }

  void aFailedAssociationAndAnEscapedFailureAreReportedAndTheTestCanBeSaved() {
    WindowFixture f;
    f.fakeAssociation.lookup = {false, ""};
    f.fakeAssociation.failure = "could not write \"mimeapps.list\": No space left on device";
    f.prompter.answerMessage(MessageAnswer::Yes);
    MainWindow& window = f.startOnExample();
    QCOMPARE(f.prompter.messages().size(), std::size_t{2});
    QCOMPARE(f.prompter.messages()[1].text,
             QStringLiteral("Zonalyst could not be associated with Fdr files.\r\n"
                            "Could not write \"mimeapps.list\": No space left on device"));

    window.state().test.Roc += 1.0;
    f.prompter.clear();
    f.prompter.answerMessage(MessageAnswer::Yes);
    window.reportEscapedFailure("the memory ran out");
    QCOMPARE(f.prompter.messageTexts(),
             QStringList{QStringLiteral("Zonalyst met an unexpected failure and stopped what it was doing:\r\n"
                                        "the memory ran out\r\nDo you want to save the open test now?")});
    const io::LoadResult saved = io::LoadTestFile(f.folder().toStdString(), kExample.toStdString());
    QVERIFY(saved.ok());
    QCOMPARE(saved.test->Roc, window.state().test.Roc);
  }

  // The permission bits decide, so that the check holds for the administrator these tests
  // run as; the memory cannot be made to run out here, so the save that runs out is one
  // that throws as a failed allocation does.
  void aReadOnlyPictureOrMaskIsRefusedAndMemoryRunningOutIsToldAndTheWindowGoesOn() {
    WindowFixture f;
    MainWindow& window = f.startOnExample();
    const QString picture = f.path(QStringLiteral("locked.gif"));
    const QString mask = f.path(QStringLiteral("locked.pdf"));
    for (const QString& path : {picture, mask}) {
      QFile file(path);
      QVERIFY(file.open(QIODevice::WriteOnly) && file.write("old") == 3);
      file.close();
      QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    }
    f.saveImage(picture);
    f.press(Qt::Key_F2);
    f.prompter.answerSaveFile(mask);
    QTest::mouseClick(f.button(QStringLiteral("cmdMaskTemplate")), Qt::LeftButton);
    QCOMPARE(f.prompter.messages().size(), std::size_t{3});
    for (const auto& [message, path] :
         {std::pair{f.prompter.messages()[1], picture}, std::pair{f.prompter.messages()[2], mask}}) {
      QVERIFY2(
          message.text.contains(QStringLiteral("Could not write \"") + path + QStringLiteral("\": it is read-only")),
          qPrintable(message.text));
      QFile file(path);
      QVERIFY(file.open(QIODevice::ReadOnly));
      QCOMPARE(file.readAll(), QByteArray("old"));
    }

    f.prompter.clear();
    SaveGuardingMemory(f.prompter, QStringLiteral("Save Image"), [] { throw std::bad_alloc(); });
    QCOMPARE(f.prompter.messageTexts(), QStringList{QStringLiteral("out of memory; nothing was written")});
    QCOMPARE(f.prompter.messages()[0].title, QStringLiteral("Save Image"));
    f.press(Qt::Key_F4);
    QCOMPARE(window.currentPanel(), Panel::SurfaceError);
  }

  void aTestThatCannotBeOpenedIsReportedOnceOnTheLoadPanel() {
    for (const bool huge : {false, true}) {
      WindowFixture f;
      const QString path = f.path(huge ? QStringLiteral("huge.fdr") : QStringLiteral("missing.fdr"));
      if (huge) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(100000, '1'));
      }
      MainWindow& window = f.start({path});
      QCOMPARE(window.currentPanel(), Panel::Load);
      QVERIFY(!window.state().testOpen());
      // The wording is the loader's.
      QCOMPARE(f.prompter.messages().size(), std::size_t{1});
      QVERIFY(f.prompter.messages()[0].text.contains(QDir::toNativeSeparators(path)));
      QCOMPARE(f.prompter.messages()[0].title, QStringLiteral("Zonalyst"));
    }
  }
};

ZONALYST_QTEST_MAIN(HardeningTest)
#include "HardeningTest.moc"
