// The Monte Carlo set-up and explanation dialogs and the save progress window.
#include "core/MonteCarloExplanation.h"
#include "platform/Clipboard.h"
#include "platform/MemorySettingsStore.h"
#include "tests/ui/QtTestMain.h"
#include "ui/analysis/GifProgressWindow.h"
#include "ui/analysis/McExplainDialog.h"
#include "ui/analysis/McSetupDialog.h"
#include "ui/prompt/ScriptedPrompter.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace zonalyst;

namespace {

ui::MonteCarloValues ThreeZones() {
  ui::MonteCarloValues values;
  values.zoneCount = 3;
  for (int z = 1; z <= 15; ++z) {
    values.zoneStdDev[z] = 0.001 * z;
    values.lastStdDev[z] = 0.0;
  }
  values.zoneStdDev[3] = 0.00304;  // shown as 0.0030, used as it is
  values.meanStdDev = MeanOverZones(values.zoneStdDev, 3);
  values.lastMeanStdDev = 0.5;
  values.radiusOfCurvature = 48.0;
  return values;
}

template <typename T>
T* Child(QWidget& parent, const QString& name) {
  T* child = parent.findChild<T*>(name);
  if (child == nullptr) qFatal("no child %s", qPrintable(name));
  return child;
}

// The set-up dialog on show over three zones, with its settings kept in memory.
struct SetupDialog {
  ui::MonteCarloValues values = ThreeZones();
  platform::Settings settings;
  platform::MemorySettingsStore store;
  ui::ScriptedPrompter prompter;
  ui::McSetupDialog dialog{values, settings, store, prompter};
  SetupDialog() { dialog.show(); }
  template <typename T = QLineEdit>
  T* child(const char* name) {
    return Child<T>(dialog, QString::fromLatin1(name));
  }
  void click(const char* name) { QTest::mouseClick(child<QAbstractButton>(name), Qt::LeftButton); }
  bool activate() {
    dialog.activateWindow();
    return QTest::qWaitForWindowActive(&dialog);
  }
};

}  // namespace

class AnalysisDialogsTest : public QObject {
  Q_OBJECT
 private slots:
  void setupShowsTheColumnsForTheZonesInUseAndItsButtonsFillTheManualOne() {
    SetupDialog d;
    QCOMPARE(d.child<QLabel>("lblCalc_1")->text(), QStringLiteral("0.0020"));
    QCOMPARE(d.child<QLabel>("lbLast_1")->text(), QStringLiteral("0.0000"));
    QCOMPARE(d.child("txtMan_1")->text(), QStringLiteral("0.0020"));
    QCOMPARE(d.child("Text1_0")->text(), QStringLiteral("0.0020"));
    QCOMPARE(d.child("Text1_2")->text(), QStringLiteral("0.5000"));
    QVERIFY(d.child("txtMan_2")->isVisible());
    QVERIFY(!d.child("txtMan_3")->isVisible());
    QVERIFY(!d.child<QLabel>("lblCalc_14")->isVisible());
    QVERIFY(d.child<QCheckBox>("ChkDisplayafter")->isChecked());
    QVERIFY(d.values.cancelled);

    // The manual column's buttons refill its rows, "Manual entry" follows with their mean,
    // and GO copies all fifteen.
    d.click("Command2_0");  // last entered
    QCOMPARE(d.child("txtMan_0")->text(), QStringLiteral("0.0000"));
    QCOMPARE(d.child("txtMan_9")->text(), QStringLiteral("0.0000"));
    d.click("Command2_1");  // calculated
    QCOMPARE(d.child("txtMan_9")->text(), QStringLiteral("0.0100"));
    d.click("Command1_2");  // the mean for all zones in use
    QCOMPARE(d.child("txtMan_0")->text(), QStringLiteral("0.5000"));
    QCOMPARE(d.child("txtMan_2")->text(), QStringLiteral("0.5000"));
    QCOMPARE(d.child("txtMan_3")->text(), QStringLiteral("0.0040"));
    QCOMPARE(d.child("Text1_1")->text(), QStringLiteral("0.5000"));
    d.click("Command2_2");
    QVERIFY(!d.values.cancelled);
    QCOMPARE(d.values.zoneStdDev[1], 0.5);
    QCOMPARE(d.values.zoneStdDev[3], 0.5);
    QCOMPARE(d.values.zoneStdDev[4], 0.004);
    QCOMPARE(d.values.lastStdDev[15], 0.015);
    QCOMPARE(d.values.lastMeanStdDev, 0.5);
  }

  void goRefusesAZoneThatScattersMoreThanTheRadiusOfCurvature() {
    SetupDialog d;
    d.child("Text1_1")->setText(QStringLiteral("48.5"));
    d.click("Command1_1");
    d.click("Command2_2");
    QVERIFY(d.values.cancelled);
    QVERIFY(d.dialog.isVisible());
    QCOMPARE(d.prompter.messageTexts(),
             QStringList{QStringLiteral("The standard deviation of zone 1, 48.5000, is larger than the radius of "
                                        "curvature of this test, 48.\r\nNo readings scatter that far: please enter "
                                        "a smaller one.")});
  }

  void cancelChangesNothing() {
    SetupDialog d;
    const ui::MonteCarloValues before = d.values;
    d.click("Command1_2");
    d.click("Command3");
    QVERIFY(d.values.cancelled);
    QCOMPARE(d.values.zoneStdDev, before.zoneStdDev);
    QCOMPARE(d.values.lastStdDev, before.lastStdDev);
    QCOMPARE(d.values.lastMeanStdDev, before.lastMeanStdDev);
    QVERIFY(d.store.values().empty());
  }

  void editingFiltersMovesReformatsAndUpdatesTheManualMean() {
    SetupDialog d;
    QVERIFY(d.activate());
    QLineEdit* first = d.child("txtMan_0");
    first->setFocus();
    QCOMPARE(first->palette().color(QPalette::Base), QColor(0, 0, 255));
    QVERIFY(first->selectedText() == first->text());
    QTest::keyClicks(first, QStringLiteral("x.3.25"));
    QCOMPARE(first->text(), QStringLiteral(".325"));
    QTest::keyClick(first, Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), d.child("txtMan_1"));
    QCOMPARE(first->palette().color(QPalette::Base), QColor(Qt::black));
    QCOMPARE(first->text(), QStringLiteral("0.3250"));
    // (0.325 + 0.002 + 0.003) / 3
    QCOMPARE(d.child("Text1_1")->text(), QStringLiteral("0.1100"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
    QCOMPARE(QApplication::focusWidget(), first);
    QTest::keyClick(first, Qt::Key_Down);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    QCOMPARE(QApplication::focusWidget(), d.child("txtMan_2"));
  }

  void aCommaLocaleShowsAndReadsCommas() {
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    SetupDialog d;
    QVERIFY(d.activate());
    QCOMPARE(d.child<QLabel>("lblCalc_1")->text(), QStringLiteral("0,0020"));
    QLineEdit* first = d.child("txtMan_0");
    first->setFocus();
    QTest::keyClicks(first, QStringLiteral("0.,25"));
    QCOMPARE(first->text(), QStringLiteral("0,25"));
    QTest::keyClick(first, Qt::Key_Down);
    QCOMPARE(first->text(), QStringLiteral("0,2500"));
    d.click("Command2_2");
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    QCOMPARE(d.values.zoneStdDev[1], 0.25);
    QCOMPARE(d.values.zoneStdDev[3], 0.00304);
    QCOMPARE(d.values.lastMeanStdDev, (0.25 + 0.002 + 0.00304) / 3);
  }

  void explanationStatesTheRangesInTheUsersLocale() {
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const ChartRange strehl{.lower68 = 85, .upper68 = 90, .lower95 = 80, .upper95 = 93};
    const ChartRange rms{.lower68 = 12, .upper68 = 15};
    platform::MemoryClipboard clipboard;
    platform::Settings settings;
    platform::MemorySettingsStore store;
    auto* dialog = new ui::McExplainDialog(ExplainMonteCarlo(strehl, rms), "raw\r\n", clipboard, settings, store);
    dialog->show();
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    QVERIFY(!dialog->isModal());
    // The sentences are the explanation's own; the numbers take the user's separator.
    const QString text = Child<QLabel>(*dialog, "Label1")->text();
    QVERIFY(text.contains(QStringLiteral("+/- 2 sigma results in a Strehl between 0,8 and 0,93\n")));

    auto* copy = Child<QPushButton>(*dialog, "cmdCopy_data");
    QTest::mouseClick(copy, Qt::LeftButton);
    QTest::mouseClick(copy, Qt::LeftButton);
    QCOMPARE(clipboard.text(), std::string("raw\r\n"));

    auto* suppress = Child<QCheckBox>(*dialog, "Check1");
    QTest::mouseClick(suppress, Qt::LeftButton);
    QCOMPARE(store.read("Global", "Show_MC_Dialog"), std::string("True"));
    QTest::mouseClick(suppress, Qt::LeftButton);
    QCOMPARE(store.read("Global", "Show_MC_Dialog"), std::string("False"));

    QPointer<ui::McExplainDialog> guard(dialog);
    QTest::mouseClick(Child<QPushButton>(*dialog, "OKButton"), Qt::LeftButton);
    QTRY_VERIFY(guard.isNull());
  }

  void progressWindowRetitlesAndLengthensItsBlueBar() {
    ui::GifProgressWindow progress;
    progress.show();
    progress.showProgress(0);
    QCOMPARE(progress.bar().pixelColor(0, 0), QColor(Qt::white));
    progress.showProgress(50);
    QCOMPARE(progress.windowTitle(), QStringLiteral("Saving image 50% Complete"));
    QCOMPARE(progress.bar().pixelColor(149, 10), QColor(0, 0, 255));
    QCOMPARE(progress.bar().pixelColor(150, 10), QColor(Qt::white));
    // Cumulative: a smaller value later does not erase the bar.
    progress.showProgress(10);
    QCOMPARE(progress.bar().pixelColor(149, 19), QColor(0, 0, 255));
    progress.showProgress(100);
    QCOMPARE(progress.bar().pixelColor(ui::GifProgressWindow::kBarWidth - 1, 0), QColor(0, 0, 255));
  }
};

ZONALYST_QTEST_MAIN(AnalysisDialogsTest)
#include "AnalysisDialogsTest.moc"
