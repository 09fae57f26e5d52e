#include <QCheckBox>
#include <QComboBox>
#include <QtTest>

#include "tests/ui/QtTestMain.h"
#include "tests/ui/WindowFixture.h"
#include "ui/window/PanelTexts.h"
#include "plot/SurfaceErrorChart.h"

using namespace zonalyst;
using namespace zonalyst::testing;

namespace {

// Pixels of the surface error picture in an earlier test's grey.
int EarlierCurvePixels(const WindowFixture& f) {
  const QImage picture = f.label(QStringLiteral("SG"))->pixmap().toImage();
  const QRgb grey = qRgb(plot::kEarlierCurve.r, plot::kEarlierCurve.g, plot::kEarlierCurve.b);
  int count = 0;
  for (int y = 0; y < picture.height(); ++y) {
    for (int x = 0; x < picture.width(); ++x) count += (picture.pixel(x, y) & 0xffffffu) == (grey & 0xffffffu);
  }
  return count;
}

}  // namespace

class WorkshopToolsTest : public QObject {
  Q_OBJECT

 private slots:
  void previousTestIsDrawnFaintlyBehindWhenAskedAndTheMaskTemplateSavedAsAPdfOnTheChosenPaperOrRefusedForEffectiveRadii() {
    WindowFixture f;
    f.startOnLoadPanel();
    MirrorTest earlier = SampleMirror();
    earlier.KeReading[3][1] = 0.05;  // a zone well off the paraboloid
    QVERIFY(!WriteTestFile(earlier, f.folder(), QStringLiteral("a.fdr")).empty());
    f.openTest(SampleMirror());
    auto* show = f.window->findChild<QCheckBox*>(QStringLiteral("chkPreviousTest"));
    QCOMPARE(show->text(), QStringLiteral("Show previous test"));
    QCOMPARE(EarlierCurvePixels(f), 0);

    QTest::mouseClick(show, Qt::LeftButton, {}, QPoint(4, show->height() / 2));
    QVERIFY(EarlierCurvePixels(f) > 100);
    QCOMPARE(f.text(QStringLiteral("LblHelp")), QStringLiteral("Grey: a.fdr, the test before this one"));
    f.press(Qt::Key_F4);  // entering the panel again keeps it
    QVERIFY(EarlierCurvePixels(f) > 100);

    f.press(Qt::Key_Z);  // a.fdr is first in its folder: nothing before it
    QCOMPARE(f.window->currentPanel(), ui::Panel::SurfaceError);
    QCOMPARE(EarlierCurvePixels(f), 0);

    show->setChecked(false);
    f.press(Qt::Key_X);
    QCOMPARE(EarlierCurvePixels(f), 0);

    // Back on m.fdr: its mask template.
    f.press(Qt::Key_F2);
    QPushButton* print = f.button(QStringLiteral("cmdMaskTemplate"));
    QLabel* why = f.label(QStringLiteral("lblMaskTemplate"));
    QVERIFY(print->isEnabled());
    QVERIFY(!why->isVisible());

    const QString pdf = f.folder() + QStringLiteral("/chosen");
    f.prompter.answerSaveFile(pdf);
    QTest::mouseClick(print, Qt::LeftButton);
    QCOMPARE(f.prompter.saveFiles().back().fileName, QStringLiteral("m_Mask.pdf"));
    QCOMPARE(f.prompter.saveFiles().back().folder, f.folder());
    QCOMPARE(ReadFile(pdf + QStringLiteral(".pdf")).substr(0, 5), std::string("%PDF-"));
    QVERIFY(f.help().startsWith(QStringLiteral("Mask template saved to ") + pdf));
    QVERIFY(f.help().contains(QStringLiteral("of Letter")));  // the paper of the user's country
    f.find<QComboBox>(QStringLiteral("cboMaskPaper"))->setFocus();
    f.press(Qt::Key_Up);  // A4, kept for the next run

    f.prompter.answerSaveFile(std::nullopt);  // cancelled: nothing written, nothing said
    QTest::mouseClick(print, Qt::LeftButton);
    QCOMPARE(f.prompter.messages().size(), std::size_t{0});

    f.box(1)->setFocus();
    f.press(Qt::Key_Space);  // the entry method flips to effective radii
    QVERIFY(!print->isEnabled());
    QVERIFY(why->isVisible());
    QVERIFY(why->text().contains(QStringLiteral("needs inner and outer radii")));
    QCOMPARE(f.prompter.unexpected(), 0);
    QCOMPARE(f.settings->read(platform::kSettingsSection, platform::kKeyMaskPaper), std::string("A4"));
  }
};

ZONALYST_QTEST_MAIN(WorkshopToolsTest)
#include "WorkshopToolsTest.moc"
