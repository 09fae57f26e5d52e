// The analysis panels in the real window: sliders, captions, result labels, first visits.
#include "platform/Settings.h"
#include "tests/ui/QtTestMain.h"
#include "tests/ui/WindowFixture.h"
#include "ui/analysis/AnalysisView.h"

#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QScopeGuard>
#include <QTableWidget>

using namespace zonalyst;
using testing::WhenModalOpens;
using testing::WindowFixture;

namespace {

QString OffsetCaption(const char* offset, const char* unit, int resetKey) {
  return QStringLiteral("Offset from best fit ROC = %1 %2.\nUse L/R arrows or mouse to adjust, F%3 to reset")
      .arg(QLatin1String(offset), QLatin1String(unit))
      .arg(resetKey);
}

// The test mirror turned to an orientation, with 0.02 mm of astigmatism at 50 degrees.
MirrorTest Turned(double deg, double diameter = 200.0) {
  return testing::TurnedMirror({.diameter = diameter}, deg, 0.02, 50.0);
}

// The row of the astigmatism dialog's table that lists the file.
int RowOf(QTableWidget& table, const QString& fileName) {
  const auto found = table.findItems(fileName, Qt::MatchExactly);
  return found.isEmpty() ? -1 : found.front()->row();
}

QString Figure(QDialog& dialog, const QString& caption) {
  auto* figures = dialog.findChild<QTableWidget*>(QStringLiteral("tblAstigFigures"));
  const auto found = figures->findItems(caption, Qt::MatchExactly);
  return found.isEmpty() ? QString() : figures->item(found.front()->row(), 1)->text();
}

}  // namespace

class AnalysisPanelsTest : public QObject {
  Q_OBJECT
 private slots:
  void f4RecentresTheSurfaceSliderAndOffsetsAreCaptionedInMillimetres() {
    WindowFixture f;
    f.open(testing::ScatteredFifteenZones());
    QScrollBar* slider = f.slider(QStringLiteral("HScroll1_0"));
    QCOMPARE(slider->value(), 1500);
    QVERIFY(f.text(QStringLiteral("Offset_0")).startsWith(QStringLiteral("Entered ROC of 2500mm + ")));
    QCOMPARE(f.text(QStringLiteral("Offset_1")), OffsetCaption("0", "Millimeters", 4));
    QCOMPARE(f.help(), QStringLiteral(
                           "Offsetting ROC can help during figuring, Shorter ROC effectively raises center of mirror"));
    const QString bestStrehl = f.text(QStringLiteral("lblRslt_4"));
    slider->setValue(0);
    QCOMPARE(f.text(QStringLiteral("Offset_1")), OffsetCaption("-1.5", "Millimeters", 4));
    QVERIFY(f.text(QStringLiteral("lblRslt_4")) != bestStrehl);
    slider->setValue(3000);
    f.press(Qt::Key_F4);
    QCOMPARE(slider->value(), 1500);
    QCOMPARE(f.text(QStringLiteral("lblRslt_4")), bestStrehl);

    // Arrows and page keys move the slider with the focus; Up and Down never do.
    QCOMPARE(QApplication::focusWidget(), slider);
    const std::pair<Qt::Key, int> moves[] = {
        {Qt::Key_Up, 1500}, {Qt::Key_Down, 1500}, {Qt::Key_Right, 1501}, {Qt::Key_PageUp, 1511}, {Qt::Key_Left, 1510}};
    for (const auto& [key, value] : moves) {
      f.press(key);
      QCOMPARE(slider->value(), value);
    }
    QCOMPARE(f.text(QStringLiteral("Offset_1")), OffsetCaption("0.01", "Millimeters", 4));

    f.press(Qt::Key_F6);
    QCOMPARE(f.slider(QStringLiteral("HScroll1_1"))->value(), 1500);
    QVERIFY(f.text(QStringLiteral("Offset_2")).startsWith(QStringLiteral("Entered ROC of 2500mm + ")));
    f.slider(QStringLiteral("HScroll1_1"))->setValue(1400);
    QCOMPARE(f.text(QStringLiteral("Offset_3")), OffsetCaption("-0.1", "Millimeters", 6));
    f.press(Qt::Key_F6);
    QCOMPARE(f.slider(QStringLiteral("HScroll1_1"))->value(), 1500);
    f.press(Qt::Key_F7);
    f.slider(QStringLiteral("HScroll1_2"))->setValue(1510);
    QCOMPARE(f.text(QStringLiteral("Offset_5")), OffsetCaption("0.01", "Millimeters", 7));
  }

  void captionsInInches() {
    WindowFixture f;
    f.open(testing::TestMirror(
               {.roc = 64.0, .diameter = 8.0, .inches = true, .zones = {1.2, 2.2, 3.0, 3.7}, .readingOffset = 0.5}),
           QStringLiteral("inch.fdr"));
    QVERIFY(f.text(QStringLiteral("Offset_0")).endsWith(QStringLiteral("\" = Best fit ROC")));
    f.slider(QStringLiteral("HScroll1_0"))->setValue(0);
    QCOMPARE(f.text(QStringLiteral("Offset_1")), OffsetCaption("-0.059", "Inches", 4));
    f.press(Qt::Key_F8);
    QCOMPARE(f.text(QStringLiteral("Offset_6")), QStringLiteral("DeFocus Amount"));
  }

  void f5RunsTheSurfaceAnalysisFirstAndFillsItsResultLabels() {
    WindowFixture f;
    f.open(testing::ScatteredFifteenZones());
    QStringList surface;
    for (int i = 0; i <= 5; ++i) surface << f.text(QStringLiteral("lblRslt_%1").arg(i));
    // The RMS's caption and value tell the RMS over the measured zones; the core words it.
    const QString spanNote = f.label(QStringLiteral("lblRslt_5"))->toolTip();
    QVERIFY(spanNote.startsWith(QStringLiteral("RMS over the measured zones: ")));
    QCOMPARE(f.label(QStringLiteral("lblF4lbl_5"))->toolTip(), spanNote);
    f.slider(QStringLiteral("HScroll1_0"))->setValue(200);
    f.press(Qt::Key_F5);
    for (int k = 0; k < 6; ++k) QCOMPARE(f.text(QStringLiteral("lblRslt_%1").arg(29 - k)), surface[k]);
    QCOMPARE(f.label(QStringLiteral("lblRslt_24"))->toolTip(), spanNote);
    QScrollBar* shift = f.slider(QStringLiteral("HScroll1_4"));
    QCOMPARE(QApplication::focusWidget(), shift);
    QVERIFY(f.text(QStringLiteral("LblML"))
                .startsWith(QStringLiteral("NOTE, These plots DO NOT represent the surface profile of your optic.\n")));
    const plot::PixelImage before = f.panels.milliesLacroix->view().pictureImage();
    shift->setValue(100);
    QVERIFY(f.panels.milliesLacroix->view().pictureImage().pixels != before.pixels);
    f.press(Qt::Key_F5);
    QCOMPARE(shift->value(), 0);
    QVERIFY(f.panels.milliesLacroix->view().pictureImage().pixels == before.pixels);
  }

  void firstStarVisitShowsDefocusZeroAndObstructionThirtyThreeAndTheSpotPanelDrawsWithoutObstructionOnEntry() {
    WindowFixture f;
    f.open(testing::ScatteredFifteenZones());
    QScrollBar* defocus = f.slider(QStringLiteral("HScroll1_3"));
    QScrollBar* obstruction = f.slider(QStringLiteral("HScroll2"));
    QCOMPARE(defocus->value(), 20);
    QCOMPARE(obstruction->value(), 99);
    f.press(Qt::Key_F8);
    QCOMPARE(defocus->value(), 0);
    QCOMPARE(obstruction->value(), 33);
    QCOMPARE(f.text(QStringLiteral("Offset_7")), QStringLiteral("0 Waves Defocus"));
    QCOMPARE(f.text(QStringLiteral("Offset_9")), QStringLiteral("33%"));
    auto* detail = f.window->findChild<QCheckBox*>(QStringLiteral("ChkDetail"));
    QVERIFY(!detail->isChecked());
    // "High Detail" follows the defocus slider.
    defocus->setValue(3);
    QVERIFY(detail->isChecked());
    defocus->setValue(0);
    QVERIFY(!detail->isChecked());
    // A second visit leaves positions that are not the starting ones.
    obstruction->setValue(20);
    defocus->setValue(6);
    f.press(Qt::Key_F4);
    f.press(Qt::Key_F8);
    QCOMPARE(defocus->value(), 6);
    QCOMPARE(obstruction->value(), 20);

    // The help line follows the focus, to a slider or a button (one spot check each).
    obstruction->setFocus();
    QVERIFY(
        f.help().startsWith(QStringLiteral("33% obstruction is good for comparing to Velmar's Star test instructions, "
                                           "Else enter your actual obstruction\nObstruction is the percent")));
    f.press(Qt::Key_F4);
    f.panels.surface->conicButton()->setFocus();
    QCOMPARE(f.help(), QStringLiteral("This will find the best fit conic constant for your current knife entry data\n"
                                      "This might be usefull when figuring to show if your Over / Under corrected "));

    f.press(Qt::Key_F7);
    ui::AnalysisView& view = f.panels.spot->view();
    const plot::PixelImage clear = view.pictureImage();
    QScrollBar* spotObstruction = f.slider(QStringLiteral("scrlF6Obst"));
    spotObstruction->setFocus();
    QCOMPARE(f.help(), QStringLiteral("Select amount of Central Obstruction (% diameter), "));
    spotObstruction->setValue(40);
    QCOMPARE(f.text(QStringLiteral("lblF6Obst_1")), QStringLiteral("40%"));
    const plot::PixelImage obstructed = view.pictureImage();
    QVERIFY(obstructed.pixels != clear.pixels);
    f.press(Qt::Key_F4);
    f.press(Qt::Key_F7);
    QCOMPARE(spotObstruction->value(), 40);
    QVERIFY(view.pictureImage().pixels == clear.pixels);
    // The next movement of the reference slider applies the obstruction shown.
    f.slider(QStringLiteral("HScroll1_2"))->setValue(1501);
    f.slider(QStringLiteral("HScroll1_2"))->setValue(1500);
    QVERIFY(view.pictureImage().pixels == obstructed.pixels);
    QCOMPARE(f.text(QStringLiteral("lblF6Ideal_0")), QStringLiteral("- Ideal"));
    QCOMPARE(f.text(QStringLiteral("lblF6Ideal_1")), QStringLiteral("- Actual"));
  }

  void theAstigmatismDialogFitsTheTickedTestsOfTheFolderAsTheyChangeAndKeepsEachOrientationTyped() {
    WindowFixture f;
    for (const auto& [name, deg] : {std::pair{"m_rot60.fdr", 60.0}, {"m_rot120.fdr", 120.0}, {"m-later.fdr", 90.0}}) {
      testing::WriteTestFile(Turned(deg), f.folder(), QString::fromLatin1(name));
    }
    testing::WriteTestFile(Turned(30.0, 203.0), f.folder(), QStringLiteral("other_rot30.fdr"));
    f.open(Turned(0.0), QStringLiteral("m_rot0.fdr"));
    const QString plot = f.path(QStringLiteral("astig.png"));
    bool checked = false;
    WhenModalOpens(QStringLiteral("frmAstigmatism"), [&](QDialog& dialog) {
      const auto close = qScopeGuard([&] { dialog.reject(); });
      auto* table = dialog.findChild<QTableWidget*>(QStringLiteral("tblOrientations"));
      auto* status = dialog.findChild<QLabel*>(QStringLiteral("lblAstigStatus"));
      // The tests of this mirror whose names give their orientations are ticked; another mirror's is not.
      const int other = RowOf(*table, "other_rot30.fdr");
      QCOMPARE(table->item(other, 0)->checkState(), Qt::Unchecked);
      QVERIFY(table->item(other, 3)->text().contains("have other diameters (203, 200)"));
      QCOMPARE(Figure(dialog, "A, half the readings' swing"), QStringLiteral("0.0200 mm +/- 0.0000"));
      QCOMPARE(Figure(dialog, "theta0, the longer radius"), QStringLiteral("50.0 deg +/- 0.0"));

      // Ticked by the keyboard, the test without an orientation asks for one; typed, it joins the fit.
      const int later = RowOf(*table, "m-later.fdr");
      table->setFocus();
      table->setCurrentCell(later, 0);
      QTest::keyClick(table, Qt::Key_Space);
      QVERIFY2(status->text().startsWith("Type the orientation of m-later.fdr"), qPrintable(status->text()));
      table->setCurrentCell(later, 1);
      QTest::keyClick(table, Qt::Key_F2);
      auto* editor = table->viewport()->findChild<QLineEdit*>();
      QVERIFY(editor != nullptr);
      QTest::keyClicks(editor, QStringLiteral("90"));
      QTest::keyClick(editor, Qt::Key_Return);
      QTRY_COMPARE(status->text(), QStringLiteral("Fit k(theta) = k0 + A cos 2(theta - theta0) over 4 orientations, "
                                                  "shifts against the first test"));
      QCOMPARE(Figure(dialog, "Residual (RMS)"), QStringLiteral("0.0000 mm"));

      table->setCurrentCell(other, 0);
      QTest::keyClick(table, Qt::Key_Space);
      QVERIFY2(status->text().contains("have other diameters (203, 200)"), qPrintable(status->text()));
      QTest::keyClick(table, Qt::Key_Space);

      f.prompter.answerSaveFile(plot);
      dialog.activateWindow();  // F9 is the dialog's while it is the active window
      QVERIFY(QTest::qWaitForWindowActive(&dialog));
      QTest::keyClick(&dialog, Qt::Key_F9);
      QTRY_COMPARE(f.prompter.saveFiles().size(), std::size_t{1});  // the button's click follows the key
      checked = true;
    });
    QTest::mouseClick(f.button(QStringLiteral("cmdAstigmatism")), Qt::LeftButton);
    QVERIFY(checked);
    QCOMPARE(f.prompter.saveFiles().back().fileName, QStringLiteral("m_rot0-astigmatism.png"));
    QVERIFY(testing::ReadFile(plot).starts_with("\x89PNG"));
    QCOMPARE(
        platform::ReadOrientation(f.memorySettings, QDir(f.folder()).absoluteFilePath("m-later.fdr").toStdString()),
        90.0);
    QCOMPARE(f.prompter.unexpected(), 0);

    // Kept for its file: the next time the test of the unnamed orientation is ticked with it.
    WhenModalOpens(QStringLiteral("frmAstigmatism"), [&](QDialog& dialog) {
      const auto close = qScopeGuard([&] { dialog.reject(); });
      auto* table = dialog.findChild<QTableWidget*>(QStringLiteral("tblOrientations"));
      const int later = RowOf(*table, "m-later.fdr");
      QCOMPARE(table->item(later, 1)->text(), QStringLiteral("90"));
      QCOMPARE(table->item(later, 0)->checkState(), Qt::Checked);
    });
    QTest::mouseClick(f.button(QStringLiteral("cmdAstigmatism")), Qt::LeftButton);
  }
};

ZONALYST_QTEST_MAIN(AnalysisPanelsTest)
#include "AnalysisPanelsTest.moc"
