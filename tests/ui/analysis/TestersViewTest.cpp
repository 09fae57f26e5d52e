// The tester's view in the real window: F10, its sliders by key and mouse, the choice of
// knife or grating, the side, the nearest zone at every zone and F9.
#include "core/TesterControls.h"
#include "tests/ui/QtTestMain.h"
#include "tests/ui/WindowFixture.h"
#include "ui/analysis/rules/TesterRules.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QRadioButton>

#include <algorithm>

using namespace zonalyst;
using testing::WindowFixture;

namespace {

QImage Picture(const WindowFixture& f) {
  return f.window->findChild<QLabel*>(QStringLiteral("PicTester"))->pixmap().toImage();
}

// The left view's square in the picture (the measured mirror).
QImage MeasuredView(const WindowFixture& f) { return Picture(f).copy(185 - 118, 16, 236, 236); }

bool HasHeading(const WindowFixture& f, const QString& text) {
  const auto labels = f.window->findChildren<QLabel*>();
  return std::any_of(labels.begin(), labels.end(), [&](const QLabel* label) { return label->text() == text; });
}

}  // namespace

class TestersViewTest : public QObject {
  Q_OBJECT
 private slots:
  void f10ShowsBothMirrorsAndTheKnifeWalksAcrossEveryZone() {
    WindowFixture f;
    MirrorTest test = testing::ScatteredFifteenZones();
    f.open(test);
    const QString glass = f.text(QStringLiteral("lblRslt_0"));
    const QString strehl = f.text(QStringLiteral("lblRslt_4"));
    f.press(Qt::Key_F10);
    QVERIFY(f.find<QGroupBox>(QStringLiteral("Display_10"))->isVisible());
    QCOMPARE(f.find<QGroupBox>(QStringLiteral("Display_10"))->title(), QStringLiteral("Tester's View -- m.fdr"));
    QVERIFY(f.find<QPushButton>(QStringLiteral("Action_10"))->isChecked());
    QCOMPARE(f.text(QStringLiteral("lblRslt_30")), glass);
    QCOMPARE(f.text(QStringLiteral("lblRslt_34")), strehl);

    // The knife starts at the middle zone's reading, zone 8 of 15, and has the focus.
    AverageReadings(test);
    const KnifeScale scale = KnifeSliderScale(test);
    QScrollBar* knife = f.slider(QStringLiteral("ScrlKnife"));
    QCOMPARE(QApplication::focusWidget(), knife);
    QCOMPARE(knife->maximum(), scale.maximum);
    QCOMPARE(knife->value(), scale.valueNearest(test.KeAverage[8]));
    QVERIFY(f.text(QStringLiteral("LblKnife")).endsWith(QStringLiteral(" mm, nearest zone 8")));
    QVERIFY(f.help().contains(QStringLiteral("readings typed on F3")));

    // A key step redraws (the keys of the panels' sliders are the surface panel's test).
    const QImage before = Picture(f);
    const int start = knife->value();
    f.press(Qt::Key_Right);
    QCOMPARE(knife->value(), start + 1);
    QVERIFY(Picture(f) != before);

    // Across every zone: at its reading the caption names it.
    for (int z = 1; z <= 15; ++z) {
      knife->setValue(scale.valueNearest(test.KeAverage[z]));
      QVERIFY2(f.text(QStringLiteral("LblKnife")).endsWith(QStringLiteral("nearest zone %1").arg(z)),
               qPrintable(f.text(QStringLiteral("LblKnife"))));
    }
  }

  void theMouseChoosesGratingSideAndLinesAndF9LeavesTheKnifeWhereItWas() {
    WindowFixture f;
    f.open(testing::ScatteredFifteenZones(), QStringLiteral("mirror.fdr"));
    f.press(Qt::Key_F10);
    QCOMPARE(f.text(QStringLiteral("LblCut")), QStringLiteral("0.025 mm"));
    QCOMPARE(f.text(QStringLiteral("LblSlit")), QStringLiteral("0.1 mm"));

    // The knife from the left shows the mirror image of the knife from the right.
    const QImage right = MeasuredView(f);
    QTest::mouseClick(f.find<QCheckBox>(QStringLiteral("ChkLeft")), Qt::LeftButton);
    QCOMPARE(MeasuredView(f), right.mirrored(true, false));

    // The grating: its phase starts at 0, its views hold only black and white.
    QTest::mouseClick(f.find<QRadioButton>(QStringLiteral("OptRonchi")), Qt::LeftButton);
    QCOMPARE(f.slider(QStringLiteral("ScrlCut"))->value(), 0);
    QCOMPARE(f.text(QStringLiteral("LblCut")), QStringLiteral("0 mm"));
    const QImage bands = MeasuredView(f);
    for (int y = 0; y < bands.height(); y += 7) {
      for (int x = 0; x < bands.width(); x += 7) {
        const QRgb grey = bands.pixel(x, y) & 0xffffffu;
        QVERIFY2(grey == 0u || grey == 0xffffffu, qPrintable(QString::number(grey, 16)));
      }
    }
    // A click right of the handle moves the lines per inch a page up.
    QScrollBar* lines = f.slider(QStringLiteral("ScrlLpi"));
    QTest::mouseClick(lines, Qt::LeftButton, {}, QPoint(lines->width() - 20, lines->height() / 2));
    QCOMPARE(lines->value(), 100 + analysis::kLinesPerInchRange.largeChange);
    QCOMPARE(f.text(QStringLiteral("LblLpi")), QStringLiteral("110 lines per inch"));
    QVERIFY(MeasuredView(f) != bands);
    QTest::mouseClick(f.find<QRadioButton>(QStringLiteral("OptFoucault")), Qt::LeftButton);
    QCOMPARE(f.slider(QStringLiteral("ScrlCut"))->value(), 25);

    QScrollBar* knife = f.slider(QStringLiteral("ScrlKnife"));
    knife->setValue(knife->value() - 37);
    const int placed = knife->value();
    // F9 proposes PNG, which keeps the smooth greys; a name without extension is PNG.
    const QString path = f.folder() + QStringLiteral("/view");
    f.saveImage(path);
    QCOMPARE(f.prompter.saveFiles().back().fileName, QStringLiteral("mirror_Testers_View.png"));
    QVERIFY(f.prompter.saveFiles().back().filter.startsWith(QStringLiteral("PNG pictures (*.png);;")));
    const QImage png(path + QStringLiteral(".png"), "PNG");
    QCOMPARE(png.width(), 769);
    QCOMPARE(f.window->currentPanel(), ui::Panel::TestersView);
    QCOMPARE(knife->value(), placed);
    // GIF is still offered; the report below the frame is the same in both.
    f.saveImage(f.folder() + QStringLiteral("/view.gif"));
    const QImage gif(f.folder() + QStringLiteral("/view.gif"), "GIF");
    QCOMPARE(gif.size(), png.size());
    const QRect report(0, 465, png.width(), png.height() - 465);
    QCOMPARE(gif.copy(report).convertToFormat(QImage::Format_RGB32),
             png.copy(report).convertToFormat(QImage::Format_RGB32));
  }

  void onAnInchTestTheLengthsAreInInchesAndTheGratingsKnifeReachesFarther() {
    WindowFixture f;
    f.startOnExample();  // a 6 inch mirror measured in inches
    f.press(Qt::Key_F10);
    QCOMPARE(f.text(QStringLiteral("LblSlit")), QStringLiteral("0.004 inch"));
    QScrollBar* knife = f.slider(QStringLiteral("ScrlKnife"));
    const std::pair knifeSpan(knife->minimum(), knife->maximum());
    QVERIFY(!f.slider(QStringLiteral("ScrlLpi"))->isEnabled());

    // The grating: "Cut" is its phase, the slit is not used, the knife reaches farther.
    QTest::mouseClick(f.find<QRadioButton>(QStringLiteral("OptRonchi")), Qt::LeftButton);
    QCOMPARE(f.text(QStringLiteral("LblCut")), QStringLiteral("0 inch"));
    QVERIFY(HasHeading(f, QStringLiteral("Phase")) && !HasHeading(f, QStringLiteral("Cut")));
    QVERIFY(!f.slider(QStringLiteral("ScrlSlit"))->isEnabled() && f.slider(QStringLiteral("ScrlLpi"))->isEnabled());
    // How far it reaches is the core's to pin (RonchiKnifeScale).
    QVERIFY(knife->minimum() < knifeSpan.first && knife->maximum() > knifeSpan.second);
  }
};

ZONALYST_QTEST_MAIN(TestersViewTest)
#include "TestersViewTest.moc"
