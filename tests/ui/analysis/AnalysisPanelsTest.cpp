// The analysis panels in the real window: sliders, captions, result labels, first visits.
#include "tests/ui/QtTestMain.h"
#include "tests/ui/WindowFixture.h"
#include "ui/analysis/AnalysisView.h"

#include <QCheckBox>

using namespace zonalyst;
using testing::WindowFixture;

namespace {

QString OffsetCaption(const char* offset, const char* unit, int resetKey) {
  return QStringLiteral("Offset from best fit ROC = %1 %2.\nUse L/R arrows or mouse to adjust, F%3 to reset")
      .arg(QLatin1String(offset), QLatin1String(unit))
      .arg(resetKey);
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
};

ZONALYST_QTEST_MAIN(AnalysisPanelsTest)
#include "AnalysisPanelsTest.moc"
