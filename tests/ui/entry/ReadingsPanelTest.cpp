#include "io/TestFileLoader.h"
#include "tests/ui/QtTestMain.h"
#include "tests/ui/WindowFixture.h"
#include "ui/panel/rules/EntryIndex.h"

#include <QtTest>

using namespace zonalyst;
using namespace zonalyst::testing;

namespace {

// Starts on the load panel, opens `test` and shows the readings panel with the focus on the number of sets.
void OpenOnReadings(WindowFixture& f, const MirrorTest& test) {
  f.startOnLoadPanel();
  f.openTest(test);
  f.press(Qt::Key_F3);
  QCOMPARE(f.focusedName(), QStringLiteral("lblF3Kedata_65"));
}

}  // namespace

class ReadingsPanelTest : public QObject {
  Q_OBJECT

 private slots:
  void numberOfSetsIsClampedAndSetsBeyondItAreKeptButNotAveraged() {
    MirrorTest test = SampleMirror();
    for (int z = 1; z <= 4; ++z) test.KeReading[z] = {0.0, 1.0, 2.0, 3.0, 4.0};
    WindowFixture f;
    OpenOnReadings(f, test);
    f.type(QStringLiteral("0"));
    f.press(Qt::Key_Return);
    QCOMPARE(f.cell(65)->text(), QStringLiteral("1"));
    QCOMPARE(f.window->state().test.ReadingSets, 1);
    QVERIFY(!f.cell(1)->isVisible());
    f.cell(65)->setFocus();
    f.type(QStringLiteral("7"));
    f.press(Qt::Key_Return);
    QCOMPARE(f.cell(65)->text(), QStringLiteral("4"));
    QCOMPARE(f.window->state().test.ReadingSets, 4);
    QVERIFY(f.cell(3)->isVisible());
    QVERIFY(f.label(QStringLiteral("lblF3KE_5"))->isVisible());  // "Knife Edge Reading 4"
    f.cell(65)->setFocus();
    f.type(QStringLiteral("2"));
    f.press(Qt::Key_Return);
    QCOMPARE(f.window->state().test.KeAverage[1], 1.5);
    QCOMPARE(f.window->state().test.KeReading[1][3], 3.0);
    QVERIFY(f.cell(1)->isVisible());
    QVERIFY(!f.cell(2)->isVisible());
    QVERIFY(!f.label(QStringLiteral("lblF3KE_4"))->isVisible());  // "Knife Edge Reading 3"

    SaveDiscardAnswer overwrite(QStringLiteral("cmdOverwrite"));
    f.press(Qt::Key_F1);
    const io::LoadResult saved = io::LoadTestFile(f.folder().toStdString(), "m.fdr");
    QVERIFY(saved.ok());
    QCOMPARE(saved.test->ReadingSets, 2);
    QCOMPARE(saved.test->KeReading[4][3], 3.0);
    QCOMPARE(saved.test->KeReading[4][4], 4.0);
  }

  void readingsCommitOnLeavingWhatIsNoNumberOrAZeroRadiusIsUndoneTogglesRedraw() {
    WindowFixture f;
    OpenOnReadings(f, SampleMirror());
    f.cell(4)->setFocus();  // zone 2, set 1
    QCOMPARE(f.help(),
             QStringLiteral("Enter the knife edge reading for zone 2, reading 1\n(Hint, Positive away from mirror!)\n"
                            "Ctrl+PageDown / Ctrl+PageUp: the next / previous test of the folder"));
    f.type(QStringLiteral("-0.125"));
    QCOMPARE(f.window->state().test.KeAverage[2], 0.02);
    f.cell(62)->setFocus();
    QCOMPARE(f.window->state().test.KeReading[2][1], -0.125);
    QCOMPARE(f.window->state().test.KeAverage[2], -0.125);
    QCOMPARE(f.cell(4)->text(), QStringLiteral("-0.125"));
    QCOMPARE(f.cell(4)->palette().color(QPalette::Base), QColor(Qt::black));

    f.type(QStringLiteral("0"));
    f.press(Qt::Key_Return);
    QCOMPARE(f.cell(62)->text(), QStringLiteral("128"));
    QCOMPARE(f.window->state().test.Roc, 128.0);
    f.cell(62)->setFocus();
    f.type(QStringLiteral("96.5"));
    f.press(Qt::Key_Return);
    QCOMPARE(f.window->state().test.Roc, 96.5);

    f.cell(0)->setFocus();
    f.type(QStringLiteral("1.2.3-4"));
    QCOMPARE(f.cell(0)->text(), QStringLiteral("1.234"));
    f.cell(0)->selectAll();
    f.type(QStringLiteral("."));
    f.press(Qt::Key_Return);
    QCOMPARE(f.cell(0)->text(), QStringLiteral("0.010"));
    f.cell(63)->setFocus();
    f.type(QStringLiteral("-"));
    QCOMPARE(f.cell(63)->text(), QStringLiteral("8"));

    // The source toggle and the conic redraw the ideal readings; a mouse press empties the clipboard.
    auto* ideal = f.label(QStringLiteral("lblideal_4"));
    const QString fixed = ideal->text();
    f.cell(61)->setFocus();
    f.type(QStringLiteral("m"));
    QCOMPARE(f.cell(61)->text(), QStringLiteral("Moving"));
    QVERIFY(ideal->text() != fixed);
    f.cell(64)->setFocus();
    f.type(QStringLiteral("0"));
    f.press(Qt::Key_Return);
    QCOMPARE(ideal->text(), QStringLiteral("0.000"));  // a sphere: every zone reads alike

    f.clipboard.setText("histogram table");
    QTest::mouseClick(f.cell(0), Qt::LeftButton);
    QCOMPARE(f.clipboard.text(), std::string());
    QCOMPARE(f.focusedName(), QStringLiteral("lblF3Kedata_0"));
    QTRY_VERIFY(f.cell(0)->hasSelectedText());
  }

  void navigation() {
    MirrorTest test = SampleMirror();
    test.ReadingSets = 2;
    WindowFixture f;
    OpenOnReadings(f, test);  // four zones, two sets
    QCOMPARE(f.walk(Qt::Key_Return, 15),
             QStringList({"0", "1", "4", "5", "8", "9", "12", "13", "60", "61", "62", "63", "64", "65", "0"}));
    QCOMPARE(f.walk(Qt::Key_Left, 2), QStringList({"65", "64"}));
    f.cell(1)->setFocus();
    QCOMPARE(f.walk(Qt::Key_Down, 6), QStringList({"5", "9", "13", "60", "61", "62"}));
    f.cell(65)->setFocus();
    QCOMPARE(f.walk(Qt::Key_Down, 1), QStringList({"0"}));
    f.cell(60)->setFocus();
    QCOMPARE(f.walk(Qt::Key_Up, 5), QStringList({"13", "9", "5", "1", "65"}));
    QCOMPARE(f.walk(Qt::Key_Up, 1), QStringList({"64"}));
    QCOMPARE(f.walk(Qt::Key_Right, 2), QStringList({"65", "0"}));
  }

  // Looking is not changing: the published tests keep readings such as 40.200001, shown as
  // "40.200". Visiting every box and cell and leaving them saves nothing, asks nothing and
  // leaves each file as it was, byte for byte.
  void visitingEveryBoxAndCellLeavesTheTestAsItWas() {
    const QStringList examples =
        QDir(QStringLiteral(ZONALYST_SOURCE_DIR "/examples")).entryList({QStringLiteral("foucault2-*.fdr")});
    QVERIFY(examples.size() >= 5);
    for (const QString& example : examples) {
      WindowFixture f;
      f.startOnExample(example);
      const std::string before = ReadFile(f.path(example));
      f.press(Qt::Key_F2);
      f.walk(Qt::Key_Return, 2 * panel::kSetupBoxCount);
      f.press(Qt::Key_F3);
      f.walk(Qt::Key_Return, panel::kReadingsCellCount);
      f.press(Qt::Key_S, Qt::ControlModifier);
      f.press(Qt::Key_F1);
      QVERIFY2(ReadFile(f.path(example)) == before, qPrintable(example));
      QCOMPARE(f.saveAnswer.asked, 0);
      QVERIFY(f.prompter.messages().empty());
    }
  }

  // Leaving the panel refuses a setup of no mirror at the diameter, and a reading that no
  // mirror gives at that reading.
  void refusalsOnTheReadingsPanelFocusTheValueToFix() {
    WindowFixture f;
    OpenOnReadings(f, SampleMirror());
    f.cell(63)->setFocus();
    f.type(QStringLiteral("0"));
    f.press(Qt::Key_F4);
    QCOMPARE(f.focusedName(), QStringLiteral("lblF3Kedata_63"));
    f.type(QStringLiteral("8"));
    f.cell(8)->setFocus();  // zone 3, set 1
    f.type(QStringLiteral("1000"));
    f.press(Qt::Key_F4);
    QCOMPARE(f.focusedName(), QStringLiteral("lblF3Kedata_8"));
    QVERIFY(f.prompter.messages().back().text.startsWith(QStringLiteral("Reading 1 of zone 3 lies farther")));
  }
};

ZONALYST_QTEST_MAIN(ReadingsPanelTest)
#include "ReadingsPanelTest.moc"
