#include "core/SurfaceAnalysis.h"
#include "core/TesterControls.h"
#include "io/TestFileLoader.h"
#include "tests/ui/QtTestMain.h"
#include "tests/ui/WindowFixture.h"
#include "ui/analysis/TestersViewPanel.h"
#include "ui/panel/rules/EntryIndex.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QImage>
#include <QPainter>
#include <QTableWidget>
#include <QtTest>

using namespace zonalyst;
using namespace zonalyst::testing;

namespace {

// Photos of the open test's mirror as the tester shows it, a disc 200 pixels across centred
// on (140, 125) of a 280 x 240 frame, every 0.1 mm of knife travel from 9.8 to 13.2 mm
// (around its readings), named by their positions.
QStringList WriteSeries(WindowFixture& f) {
  MirrorTest test = f.window->state().test;
  SurfaceAnalysis analysis(f.window->state().bessel);
  const double bestFit = analysis.reduceAndFit(test).bestFitRocMm;
  QStringList paths;
  GreyPicture view;
  for (int step = 0; step < 35; ++step) {
    const double knife = 9.8 + 0.1 * step;
    SimulateTesterView(test, analysis.profile(), bestFit, false, knife, TesterSettings{}, 200, view);
    QImage image(280, 240, QImage::Format_Grayscale8);
    image.fill(0);
    QPainter(&image).drawImage(40, 25,
                               QImage(view.grey.data(), view.size, view.size, view.size, QImage::Format_Grayscale8));
    paths << f.path(QStringLiteral("ke_%1.png").arg(knife, 0, 'f', 1));
    if (!image.save(paths.back())) qFatal("could not write %s", qPrintable(paths.back()));
  }
  return paths;
}

// Opens the test mirror, shows F3 and presses "Read from Photos..." with its series; act
// runs once the dialog has read the photos, and closes it.
void ReadPhotos(WindowFixture& f, const std::function<void(QDialog&)>& act) {
  f.open(TestMirror());
  f.press(Qt::Key_F3);
  f.prompter.answerOpenFiles(WriteSeries(f));
  bool done = false;
  WhenTrue(
      [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        return dialog != nullptr && dialog->findChild<QTableWidget*>(QStringLiteral("tblZones"))->rowCount() > 0;
      },
      [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        act(*dialog);
        done = true;
        dialog->reject();
      });
  QTest::mouseClick(f.button(QStringLiteral("cmdReadPhotos")), Qt::LeftButton);
  QVERIFY(done);
}

void TypeInto(QDialog& dialog, const QString& boxName, double value) {
  auto* box = dialog.findChild<QDoubleSpinBox*>(boxName);
  box->setFocus();
  box->selectAll();
  QTest::keyClicks(box, QString::number(value, 'f', 1));
  QTest::keyClick(box, Qt::Key_Return);
}

QString ZoneReading(QDialog& dialog, int zone) {
  return dialog.findChild<QTableWidget*>(QStringLiteral("tblZones"))->item(zone - 1, 2)->text();
}

}  // namespace

class PhotoDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void photosFillTheChosenSetAndTheTestAsksToBeSaved() {
    WindowFixture f;
    const MirrorTest hand = TestMirror();
    std::array<QString, 7> read{};
    ReadPhotos(f, [&](QDialog& dialog) {
      const QString found = ZoneReading(dialog, 6);
      TypeInto(dialog, QStringLiteral("txtDiscR"), 90.0);
      QVERIFY(ZoneReading(dialog, 6) != found);
      TypeInto(dialog, QStringLiteral("txtDiscX"), 140.0);
      TypeInto(dialog, QStringLiteral("txtDiscY"), 125.0);
      TypeInto(dialog, QStringLiteral("txtDiscR"), 100.0);
      QCOMPARE(ZoneReading(dialog, 1), QString());  // too near the centre
      for (int zone = 2; zone <= 6; ++zone) read[zone] = ZoneReading(dialog, zone);
      QCOMPARE(dialog.findChild<QComboBox*>(QStringLiteral("cboFillSet"))->currentText(), QStringLiteral("2"));
      QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("cmdFillSet")), Qt::LeftButton);
    });
    for (int zone = 2; zone <= 6; ++zone) {
      QVERIFY2(std::abs(read[zone].toDouble() - hand.KeReading[zone][1]) < 0.01, qPrintable(read[zone]));
      QCOMPARE(f.cell(panel::ReadingCell(zone, 2))->text().toDouble(), read[zone].toDouble());
    }
    // Unread in a set brought into use: the zone's mean of the other sets, its average unmoved.
    QCOMPARE(f.cell(panel::ReadingCell(1, 2))->text(), f.cell(panel::ReadingCell(1, 1))->text());
    QCOMPARE(f.window->state().test.ReadingSets, 2);

    const double filled = f.window->state().test.KeReading[4][2];  // as read, not as shown
    QVERIFY(std::abs(filled - read[4].toDouble()) <= 0.0005);
    f.press(Qt::Key_F1);  // leaving the test asks to save it
    QCOMPARE(f.saveAnswer.asked, 1);
    const io::LoadResult saved = io::LoadTestFile(f.folder().toStdString(), "m.fdr");
    QVERIFY(saved.ok());
    QCOMPARE(saved.test->KeReading[4][2], filled);
  }

  void theDiscDraggedByTheMouseMovesByAsMuchInThePhotosPixelsAndReadsAgain() {
    WindowFixture f;
    ReadPhotos(f, [&](QDialog& dialog) {
      auto* x = dialog.findChild<QDoubleSpinBox*>(QStringLiteral("txtDiscX"));
      auto* view = dialog.findChild<QWidget*>(QStringLiteral("picDisc"));
      const QString before = ZoneReading(dialog, 6);
      const double startX = x->value();
      const QPoint centre = view->rect().center();
      QTest::mousePress(view, Qt::LeftButton, {}, centre);
      QTest::mouseMove(view, centre + QPoint(21, 0));
      QTest::mouseRelease(view, Qt::LeftButton, {}, centre + QPoint(21, 0));
      QVERIFY(std::abs(x->value() - (startX + 21 * 280.0 / 360.0)) <= 0.05);  // shown to 0.1 pixel
      QVERIFY(ZoneReading(dialog, 6) != before);
    });
  }

  void comparingWithAPhotoShowsItAndMovesTheKnifeToItsPosition() {
    WindowFixture f;
    f.open(TestMirror());
    const QStringList series = WriteSeries(f);
    f.press(Qt::Key_F10);
    f.prompter.answerOpenFiles({series[22]});  // ke_12.0.png
    f.prompter.answerInput(QStringLiteral("12.05"));
    QTest::mouseClick(f.button(QStringLiteral("cmdComparePhoto")), Qt::LeftButton);
    QCOMPARE(f.prompter.inputs().back().defaultText, QStringLiteral("12"));
    auto* panel = static_cast<ui::TestersViewPanel*>(f.window->panelContent(ui::Panel::TestersView));
    QCOMPARE(panel->knifeReading(), 12.05);
    QVERIFY(f.find<QCheckBox>(QStringLiteral("chkPhoto"))->isChecked());
    QVERIFY(panel->view().logicalPicture() != QImage());
    const QImage withPhoto = panel->view().logicalPicture();
    f.find<QCheckBox>(QStringLiteral("chkPhoto"))->setChecked(false);
    QVERIFY(panel->view().logicalPicture() != withPhoto);  // the perfect mirror again
    QCOMPARE(f.prompter.unexpected(), 0);
  }
};

ZONALYST_QTEST_MAIN(PhotoDialogTest)
#include "PhotoDialogTest.moc"
