#include "core/SurfaceAnalysis.h"
#include "core/TesterControls.h"
#include "io/TestFileLoader.h"
#include "photo/PreparedSeries.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/SyntheticSeries.h"
#include "tests/ui/QtTestMain.h"
#include "tests/ui/WindowFixture.h"
#include "ui/analysis/TestersViewPanel.h"
#include "ui/panel/DiscView.h"
#include "ui/panel/rules/EntryIndex.h"
#include "ui/panel/rules/SweepTable.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QImage>
#include <QPainter>
#include <QProgressBar>
#include <QTableWidget>
#include <QtTest>

using namespace zonalyst;
using namespace zonalyst::testing;

namespace {

// Photos of the open test's mirror as the tester shows it, a disc 200 pixels across centred
// on (140, 125) of a 280 x 240 frame, every 0.1 mm of knife travel from just past zone 1's
// null (which they then do not read) to 0.4 mm past the last zone's, named by their positions.
QStringList WriteSeries(WindowFixture& f) {
  MirrorTest test = f.window->state().test;
  SurfaceAnalysis analysis(f.window->state().bessel);
  const double bestFit = analysis.reduceAndFit(test).bestFitRocMm;
  QStringList paths;
  GreyPicture view;
  const double first = test.KeReading[1][1] + 0.075, last = test.KeReading[test.ZoneCount][1] + 0.4;
  for (int step = 0; first + 0.1 * step <= last; ++step) {
    const double knife = first + 0.1 * step;
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

// The frames of a synthetic series as photos named by their positions, which the names give to
// four decimals: kept in `positions`.
QStringList WriteFrames(WindowFixture& f, const SyntheticSeries& s, std::vector<double>& positions) {
  QStringList paths;
  for (std::size_t k = 0; k < s.frames.size(); ++k) {
    const GreyFrame& frame = s.frames[k];
    QImage image(frame.width, frame.height, QImage::Format_Grayscale8);
    for (int y = 0; y < frame.height; ++y) {
      for (int x = 0; x < frame.width; ++x) image.scanLine(y)[x] = static_cast<uchar>(frame.at(x, y));
    }
    const QString position = QString::number(s.positions[k], 'f', 4);
    positions.push_back(position.toDouble());
    paths << f.path(QStringLiteral("ke_%1.png").arg(position));
    if (!image.save(paths.back())) qFatal("could not write %s", qPrintable(paths.back()));
  }
  return paths;
}

// Black frames: no mirror in them.
QStringList WriteBlackFrames(WindowFixture& f) {
  QStringList paths;
  for (const char* name : {"dark_1.0.png", "dark_1.5.png", "dark_2.0.png"}) {
    QImage image(280, 240, QImage::Format_Grayscale8);
    image.fill(0);
    paths << f.path(QString::fromLatin1(name));
    if (!image.save(paths.back())) qFatal("could not write %s", qPrintable(paths.back()));
  }
  return paths;
}

// Shows F3 of the open test and presses the button, the prompter answering its file boxes in
// turn; act runs once the dialog is ready (its zone table filled, unless told otherwise), and
// closes it.
void ReadFrom(WindowFixture& f, const char* button, const std::vector<QStringList>& answers,
              const std::function<void(QDialog&)>& act, std::function<bool(QDialog&)> ready = {}) {
  f.press(Qt::Key_F3);
  for (const QStringList& answer : answers) f.prompter.answerOpenFiles(answer);
  if (!ready) {
    ready = [](QDialog& dialog) { return dialog.findChild<QTableWidget*>(QStringLiteral("tblZones"))->rowCount() > 0; };
  }
  bool done = false;
  WhenTrue(
      [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        return dialog != nullptr && ready(*dialog);
      },
      [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        act(*dialog);
        done = true;
        dialog->reject();
      });
  QTest::mouseClick(f.button(QString::fromLatin1(button)), Qt::LeftButton);
  QVERIFY(done);
}

// "Read from Photos..." with the photos (a series of the open test's mirror unless given).
void ReadPhotos(WindowFixture& f, const std::function<void(QDialog&)>& act, const QStringList& photos = {}) {
  ReadFrom(f, "cmdReadPhotos", {photos.isEmpty() ? WriteSeries(f) : photos}, act);
}

const QString kExampleSweep = QStringLiteral(ZONALYST_SOURCE_DIR "/examples/sweep/simu200f6/");

void TypeInto(QDialog& dialog, const QString& boxName, double value) {
  auto* box = dialog.findChild<QDoubleSpinBox*>(boxName);
  box->setFocus();
  box->selectAll();
  QTest::keyClicks(box, QString::number(value, 'f', 1));
  QTest::keyClick(box, Qt::Key_Return);
}

// Places the disc where WriteSeries drew it.
void PlaceTrueDisc(QDialog& dialog) {
  TypeInto(dialog, QStringLiteral("txtDiscX"), 140.0);
  TypeInto(dialog, QStringLiteral("txtDiscY"), 125.0);
  TypeInto(dialog, QStringLiteral("txtDiscR"), 100.0);
}

QString Cell(QDialog& dialog, int zone, int column) {
  return dialog.findChild<QTableWidget*>(QStringLiteral("tblZones"))->item(zone - 1, column)->text();
}

QString ZoneReading(QDialog& dialog, int zone) { return Cell(dialog, zone, 2); }

void FillSet(QDialog& dialog, int set) {
  dialog.findChild<QComboBox*>(QStringLiteral("cboFillSet"))->setCurrentIndex(set - 1);
  QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("cmdFillSet")), Qt::LeftButton);
}

int Pixels(const QImage& image, QRgb colour) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) count += image.pixel(x, y) == colour;
  }
  return count;
}

QString Status(QDialog& dialog) { return dialog.findChild<QLabel*>(QStringLiteral("lblPhotoStatus"))->text(); }

}  // namespace

class PhotoDialogTest : public QObject {
  Q_OBJECT

 private slots:
  // Zone 1's null lies before the photos; set 2 held no value there before.
  void fillingASetBroughtIntoUseAsksBeforeAZoneHoldsAValueNeverMeasured() {
    WindowFixture f;
    f.open(TestMirror());
    const MirrorTest hand = TestMirror();
    std::array<QString, 7> read{};
    ReadPhotos(f, [&](QDialog& dialog) {
      const QString found = ZoneReading(dialog, 6);
      TypeInto(dialog, QStringLiteral("txtDiscR"), 90.0);
      QVERIFY(ZoneReading(dialog, 6) != found);
      PlaceTrueDisc(dialog);
      QCOMPARE(ZoneReading(dialog, 1), QString());  // no crossing
      for (int zone = 2; zone <= 6; ++zone) read[zone] = ZoneReading(dialog, zone);
      QCOMPARE(dialog.findChild<QComboBox*>(QStringLiteral("cboFillSet"))->currentText(), QStringLiteral("2"));
      f.prompter.answerMessage(ui::MessageAnswer::No);
      FillSet(dialog, 2);
      QCOMPARE(f.window->state().test.ReadingSets, 1);  // refused: nothing changed
      QCOMPARE(Status(dialog), QStringLiteral("Set 2 was left as it was."));
      f.prompter.answerMessage(ui::MessageAnswer::Yes);
      FillSet(dialog, 2);
      QCOMPARE(Status(dialog), QStringLiteral("Set 2 holds 5 readings from the photos. Zone 1 has no measured value: "
                                              "type it by hand."));
    });
    QCOMPARE(f.prompter.messages().size(), std::size_t{2});
    QVERIFY(f.prompter.messages()[0].text.startsWith(
        QStringLiteral("Zone 1 has no reading from the photos, and set 2 holds no measured value there.")));
    for (int zone = 2; zone <= 6; ++zone) {
      QVERIFY2(std::abs(read[zone].toDouble() - hand.KeReading[zone][1]) < 0.01, qPrintable(read[zone]));
      QCOMPARE(f.cell(panel::ReadingCell(zone, 2))->text(), read[zone]);  // as shown, not to 15 digits
    }
    QCOMPARE(f.cell(panel::ReadingCell(1, 2))->text(), f.cell(panel::ReadingCell(1, 1))->text());
    QCOMPARE(f.window->state().test.ReadingSets, 2);
  }

  void aSetFilledAndSavedIsCleanAndTheFileHoldsWhatWasCompared() {
    WindowFixture f;
    f.open(TestMirror());
    QString read4;
    ReadPhotos(f, [&](QDialog& dialog) {
      PlaceTrueDisc(dialog);
      read4 = ZoneReading(dialog, 4);
      FillSet(dialog, 1);  // a set in use: zone 1 keeps its measured value, no question
      QCOMPARE(Status(dialog), QStringLiteral("Set 1 holds 5 readings from the photos. Zone 1 keeps its value."));
    });
    f.press(Qt::Key_S, Qt::ControlModifier);
    const io::LoadResult saved = io::LoadTestFile(f.folder().toStdString(), "m.fdr");
    QVERIFY(saved.ok());
    QCOMPARE(saved.test->KeReading[4][1], read4.toDouble());
    QCOMPARE(saved.test->KeReading, f.window->state().test.KeReading);
    f.press(Qt::Key_F1);  // clean: leaving asks nothing
    QCOMPARE(f.saveAnswer.asked, 0);
    // The next photo box starts where these photos were chosen.
    QCOMPARE(f.settings->read(platform::kSettingsSection, platform::kKeyPhotoFolder), f.folder().toStdString());
    QCOMPARE(f.prompter.messageTexts(), QStringList());
  }

  // The second test opened since start-up, its readings 0.5 mm beyond the first's.
  void theHandColumnShowsTheOpenTestsAveragesAndTheDifference() {
    WindowFixture f;
    f.open(TestMirror(), QStringLiteral("a.fdr"));
    f.press(Qt::Key_F1);
    const MirrorTest second = TestMirror({.readingOffset = 10.5});
    QVERIFY(!WriteTestFile(second, f.folder(), QStringLiteral("b.fdr")).empty());
    f.panels.files->refreshFiles();
    f.openFile(QStringLiteral("b.fdr"));
    ReadPhotos(f, [&](QDialog& dialog) {
      for (int zone = 1; zone <= 6; ++zone) {
        QCOMPARE(Cell(dialog, zone, 5), QString::number(second.KeReading[zone][1], 'f', 3));
      }
      const double difference = ZoneReading(dialog, 4).toDouble() - second.KeReading[4][1];
      QVERIFY(std::abs(Cell(dialog, 4, 6).toDouble() - difference) <= 0.0011);
      QCOMPARE(Cell(dialog, 1, 6), QString());  // no reading, no difference
    });
  }

  // Photos of the paraboloid read for an oblate test, whose own readings fall outwards.
  void readingsThatRunAgainstTheTestsOwnAreWarnedAbout() {
    WindowFixture f;
    f.open(TestMirror(), QStringLiteral("a.fdr"));
    const QStringList paraboloid = WriteSeries(f);
    f.press(Qt::Key_F1);
    QVERIFY(!WriteTestFile(TestMirror({.conic = 1.0}), f.folder(), QStringLiteral("b.fdr")).empty());
    f.panels.files->refreshFiles();
    f.openFile(QStringLiteral("b.fdr"));
    const QString against = QStringLiteral("The readings run the other way with the zones' radius than the test's own");
    ReadPhotos(
        f, [&](QDialog& dialog) { QVERIFY2(Status(dialog).contains(against), qPrintable(Status(dialog))); },
        paraboloid);
  }

  void noDiscFoundEndsTheReadingAtOnceAndInvitesPlacingItByHand() {
    WindowFixture f;
    f.open(TestMirror());
    ReadPhotos(
        f,
        [&](QDialog& dialog) {
          QVERIFY(!dialog.findChild<QProgressBar*>(QStringLiteral("barReading"))->isVisible());
          QVERIFY2(Status(dialog).contains(QStringLiteral("place it by hand")), qPrintable(Status(dialog)));
          QCOMPARE(dialog.findChild<QLabel*>(QStringLiteral("lblScale"))->text(),
                   QStringLiteral("Scale: no edge found, please place the disc"));
          QVERIFY(dialog.findChild<QWidget*>(QStringLiteral("picDisc"))->isEnabled());
          QVERIFY(!dialog.findChild<QPushButton*>(QStringLiteral("cmdFillSet"))->isEnabled());  // nothing read
        },
        WriteBlackFrames(f));
    QCOMPARE(f.prompter.unexpected(), 0);
  }

  void aDiameterTypedForTheEdgeRescalesTheReadingsAndEdgeShowsTheRimMagnified() {
    WindowFixture f;
    f.open(TestMirror());
    ReadPhotos(f, [&](QDialog& dialog) {
      auto* scale = dialog.findChild<QLabel*>(QStringLiteral("lblScale"));
      QCOMPARE(scale->text(), QStringLiteral("Scale: found edge"));
      TypeInto(dialog, QStringLiteral("txtDiscR"), 98.0);
      QCOMPARE(scale->text(), QStringLiteral("Scale: edge placed by hand"));
      const QString read = ZoneReading(dialog, 6);
      TypeInto(dialog, QStringLiteral("txtEdgeDiameter"), 220.0);  // the edge seen lies beyond the mirror's
      QVERIFY(ZoneReading(dialog, 6) != read);
      QCOMPARE(scale->text(), QStringLiteral("Scale: edge placed by hand, diameter given"));
      auto* view = dialog.findChild<ui::DiscView*>(QStringLiteral("picDisc"));
      auto* edge = dialog.findChild<QPushButton*>(QStringLiteral("cmdEdgeView"));
      QTest::mouseClick(edge, Qt::LeftButton);
      QVERIFY(view->fit().scale >= 2 * 360.0 / 280.0);
      const double rim = view->fit().toViewX(240.0);  // the disc's rightmost point
      QVERIFY2(rim > 0.0 && rim < view->width(), qPrintable(QString::number(rim)));
      QCOMPARE(edge->text(), QStringLiteral("Whole Photo"));
      QTest::mouseClick(edge, Qt::LeftButton);
      QCOMPARE(view->fit().scale, 360.0 / 280.0);
    });
  }

  // Behind a Couder mask the circle found is the openings' outside: the dialog shows the mirror's
  // disc that the openings give, and reads on their scale what the command line reads.
  void behindAMaskTheOpeningsGiveTheScaleAsOnTheCommandLine() {
    WindowFixture f;
    f.open(TestMirror({.innerOuter = true}));
    const SimulatedMirror m(f.window->state().test);
    const SyntheticSeries s = MakeSyntheticSeries(
        m, {.frameWidth = 260, .frameHeight = 230, .centreX = 130.0, .centreY = 115.0, .discPixels = 220, .mask = true},
        0.1);
    std::vector<double> positions;
    const QStringList paths = WriteFrames(f, s, positions);
    std::vector<std::string> files;
    for (const QString& path : paths) files.push_back(path.toStdString());
    const photo::PreparedSeries series = photo::PrepareSeries(files, m.test);
    QVERIFY(series.masked && series.discScale && series.discScale->source == ScaleSource::Openings);
    const PhotoReadingsResult command = ReadPhotoNulls(m.test, series.frames, positions, *series.discScale, true);
    ReadPhotos(
        f,
        [&](QDialog& dialog) {
          QCOMPARE(dialog.findChild<QLabel*>(QStringLiteral("lblScale"))->text(),
                   QStringLiteral("Scale: the mask's openings"));
          QVERIFY(dialog.findChild<QCheckBox*>(QStringLiteral("chkMask"))->isChecked());
          QVERIFY(std::abs(dialog.findChild<QDoubleSpinBox*>(QStringLiteral("txtDiscR"))->value() - s.disc.radius) <
                  1.0);
          for (const ZoneNull& zone : command.zones) {
            QCOMPARE(ZoneReading(dialog, zone.zone), panel::ReadingText(m.test, zone.reading, QLatin1Char('.')));
          }
        },
        paths);
    // Read for a test that gives its zones by their effective radius, which tells no openings'
    // radii: nothing is read until the disc is placed by hand.
    f.press(Qt::Key_F1);
    QVERIFY(!WriteTestFile(TestMirror(), f.folder(), QStringLiteral("other.fdr")).empty());
    f.panels.files->refreshFiles();
    f.openFile(QStringLiteral("other.fdr"));
    ReadFrom(
        f, "cmdReadPhotos", {paths},
        [&](QDialog& dialog) {
          QCOMPARE(dialog.findChild<QLabel*>(QStringLiteral("lblScale"))->text(),
                   QStringLiteral("Scale: the mask's openings do not match the zones, please place the disc"));
          QVERIFY(!dialog.findChild<QPushButton*>(QStringLiteral("cmdFillSet"))->isEnabled());
          TypeInto(dialog, QStringLiteral("txtDiscR"), 110.0);
          QVERIFY(dialog.findChild<QPushButton*>(QStringLiteral("cmdFillSet"))->isEnabled());
        },
        [](QDialog& dialog) { return !dialog.findChild<QLabel*>(QStringLiteral("lblScale"))->text().isEmpty(); });
  }

  void theDiscDraggedByTheMouseMovesByAsMuchInThePhotosPixelsAndReadsAgain() {
    WindowFixture f;
    f.open(TestMirror());
    ReadPhotos(f, [&](QDialog& dialog) {
      auto* x = dialog.findChild<QDoubleSpinBox*>(QStringLiteral("txtDiscX"));
      auto* view = dialog.findChild<QWidget*>(QStringLiteral("picDisc"));
      const QString before = ZoneReading(dialog, 6);
      const double startX = x->value();
      const QPoint centre = view->rect().center();
      QTest::mousePress(view, Qt::LeftButton, {}, centre);
      QTest::mouseMove(view, centre + QPoint(21, 0));
      QTest::mouseRelease(view, Qt::LeftButton, {}, centre + QPoint(21, 0));
      // Before and after, each shown to 0.1 pixel.
      QVERIFY(std::abs(x->value() - (startX + 21 * 280.0 / 360.0)) <= 0.1);
      QVERIFY(ZoneReading(dialog, 6) != before);
    });
  }

  void comparingWithAPhotoShowsItAndMovesTheKnifeToItsPosition() {
    WindowFixture f;
    f.open(TestMirror());
    const QStringList series = WriteSeries(f);
    f.press(Qt::Key_F10);
    f.prompter.answerOpenFiles({series[18]});  // ke_12.0.png
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

  // The example sweep read in the dialog gives what zonalyst-cli sweep gives on it (the
  // README's output: zone 4 1.4884, in - out 0.0316), each pass's curve in its own colour.
  void aRecordedSweepIsReadAsTheCommandReadsItAndFillsASet() {
    WindowFixture f;
    f.startOnExample(QStringLiteral("foucault2-simu200f6-unmasked-7zones-effective.fdr"));
    ReadFrom(f, "cmdReadSweep", {{kExampleSweep + "frames.csv"}, {kExampleSweep + "dial.log"}}, [&](QDialog& dialog) {
      QCOMPARE(dialog.windowTitle(), QStringLiteral("Read from Sweep"));
      QCOMPARE(dialog.findChild<QTableWidget*>(QStringLiteral("tblPhotos"))->rowCount(), 223);
      QCOMPARE(dialog.findChild<QTableWidget*>(QStringLiteral("tblZones"))->horizontalHeaderItem(5)->text(),
               QStringLiteral("In - Out (mm)"));
      QCOMPARE(Cell(dialog, 4, 4), QStringLiteral("1.488"));
      QCOMPARE(Cell(dialog, 4, 5), QStringLiteral("0.032"));
      QCOMPARE(Cell(dialog, 1, 7), QStringLiteral("read"));
      QVERIFY2(Status(dialog).contains(QStringLiteral("Pass 2 out:")), qPrintable(Status(dialog)));
      const QImage chart = dialog.findChild<QLabel*>(QStringLiteral("picContrast"))->pixmap().toImage();
      QVERIFY(Pixels(chart, qRgb(255, 150, 0)) > 100);  // the pass in
      QVERIFY(Pixels(chart, qRgb(0, 200, 255)) > 100);  // the pass out
      FillSet(dialog, 1);
    });
    QVERIFY(std::abs(f.window->state().test.KeReading[4][1] - 1.488) < 1e-9);
    QCOMPARE(f.prompter.messageTexts(), QStringList());
  }

  // A dial log of which no line gives a value is refused with its first bad line named, and the
  // test is left as it was.
  void aDialLogThatGivesNoValueIsRefusedNamingItsFirstBadLine() {
    WindowFixture f;
    f.startOnExample(QStringLiteral("foucault2-simu200f6-unmasked-7zones-effective.fdr"));
    const MirrorTest before = f.window->state().test;
    const QString log = f.path(QStringLiteral("dial.log"));
    WriteFileBytes(log.toStdString(), "0.0,dial\n0.1,dial\n");
    ReadFrom(
        f, "cmdReadSweep", {{kExampleSweep + "frames.csv"}, {log}},
        [&](QDialog& dialog) {
          QCOMPARE(Status(dialog), QStringLiteral("The sweep could not be read."));
          QVERIFY(!dialog.findChild<QPushButton*>(QStringLiteral("cmdFillSet"))->isEnabled());
        },
        [&](QDialog&) { return !f.prompter.messages().empty(); });
    QVERIFY2(f.prompter.messageTexts().front().contains(QStringLiteral("line 1")),
             qPrintable(f.prompter.messageTexts().front()));
    QCOMPARE(f.window->state().test.KeReading, before.KeReading);
  }
};

ZONALYST_QTEST_MAIN(PhotoDialogTest)
#include "PhotoDialogTest.moc"
