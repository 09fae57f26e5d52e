#include "plot/SurfaceErrorChart.h"
#include "tests/ui/QtTestMain.h"
#include "tests/ui/WindowFixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QtTest>

using namespace zonalyst;
using namespace zonalyst::testing;

namespace {

QImage SurfacePicture(const WindowFixture& f) { return f.label(QStringLiteral("SG"))->pixmap().toImage(); }

// Pixels of the surface error picture in an earlier test's grey, within the rows given.
int EarlierPixels(const WindowFixture& f, int fromRow, int toRow) {
  const QImage picture = SurfacePicture(f);
  const QRgb grey = qRgb(plot::kEarlierCurve.r, plot::kEarlierCurve.g, plot::kEarlierCurve.b);
  int count = 0;
  for (int y = fromRow; y <= toRow; ++y) {
    for (int x = 0; x < picture.width(); ++x) count += (picture.pixel(x, y) & 0xffffffu) == (grey & 0xffffffu);
  }
  return count;
}
// The plot area's rows, from its top line to its base line, and the legend's below them.
constexpr int kTop = 40;
constexpr int kBase = 240;
constexpr int kLast = 279;

// Dates the file as written at noon UTC on that day of January 2026.
void SetWritten(const QString& path, int day) {
  QFile file(path);
  QVERIFY(file.open(QIODevice::ReadWrite));
  QVERIFY(file.setFileTime(QDateTime(QDate(2026, 1, day), QTime(12, 0), QTimeZone::utc()),
                           QFileDevice::FileModificationTime));
}

}  // namespace

class WorkshopToolsTest : public QObject {
  Q_OBJECT

 private slots:
  void
  previousTestIsDrawnFaintlyBehindWhenAskedAndTheMaskTemplateSavedAsAPdfOnTheChosenPaperOrRefusedForEffectiveRadii() {
    WindowFixture f;
    f.startOnLoadPanel();
    MirrorTest earlier = SampleMirror();
    for (int z = 1; z <= 4; ++z) earlier.KeReading[z][1] = -0.01 * z;  // farther from the paraboloid
    MirrorTest refused = SampleMirror();
    refused.Roc = 0.0;
    // Named after the open test: the previous test is the one written before it.
    QVERIFY(!WriteTestFile(earlier, f.folder(), QStringLiteral("z.fdr")).empty());
    QVERIFY(!WriteTestFile(refused, f.folder(), QStringLiteral("y.fdr")).empty());
    SetWritten(f.path(QStringLiteral("z.fdr")), 2);
    SetWritten(f.path(QStringLiteral("y.fdr")), 3);
    f.openTest(SampleMirror());
    auto* show = f.window->findChild<QCheckBox*>(QStringLiteral("chkPreviousTest"));
    QCOMPARE(show->text(), QStringLiteral("Show previous test"));
    const QImage alone = SurfacePicture(f);

    // y.fdr would be refused: not drawn, and its legend says why.
    QTest::mouseClick(show, Qt::LeftButton, {}, QPoint(4, show->height() / 2));
    QCOMPARE(f.help(), QStringLiteral("Not drawn, its setup would be refused: the previous test, "
                                      "y.fdr of 2026-01-03T12:00:00Z"));
    QCOMPARE(EarlierPixels(f, 0, kBase), 0);
    QVERIFY(EarlierPixels(f, kBase + 1, kLast) > 0);

    // Then z.fdr is drawn in the open test's scale, its title unchanged, cut off at the top.
    QVERIFY(QFile::remove(f.path(QStringLiteral("y.fdr"))));
    show->setChecked(false);
    QCOMPARE(EarlierPixels(f, 0, kLast), 0);
    show->setChecked(true);
    QCOMPARE(f.help(), QStringLiteral("Grey: the previous test, z.fdr of 2026-01-02T12:00:00Z"));
    QVERIFY(EarlierPixels(f, kTop, kBase) > 100);
    QVERIFY(EarlierPixels(f, kTop, kTop) > 0);
    QCOMPARE(SurfacePicture(f).copy(0, 0, alone.width(), kTop), alone.copy(0, 0, alone.width(), kTop));
    f.press(Qt::Key_F4);  // entering the panel again keeps it
    QVERIFY(EarlierPixels(f, kTop, kBase) > 100);
    show->setChecked(false);

    // Its mask template.
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
