#include "live/Replay.h"
#include "live/SimulatedDial.h"
#include "live/SimulatedTester.h"
#include "tests/ui/QtTestMain.h"
#include "tests/ui/WindowFixture.h"
#include "ui/live/LiveTesterDialog.h"
#include "ui/live/rules/NullMeter.h"
#include "ui/live/rules/SteppedRun.h"
#include "ui/live/rules/SweepRun.h"
#include "ui/panel/rules/EntryIndex.h"

#include <QComboBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QtTest>

#include <deque>

using namespace zonalyst;
using namespace zonalyst::testing;

namespace {

// Opens the live tester on the test mirror from F3 and runs act in it, on the simulated tester
// at 160 x 120 pixels with its time simulated; act closes the window.
void WithLiveTester(WindowFixture& f, const std::function<void(ui::LiveTesterDialog&)>& act) {
  f.open(TestMirror());
  f.press(Qt::Key_F3);
  bool done = false;
  WhenTrue([] { return qobject_cast<ui::LiveTesterDialog*>(QApplication::activeModalWidget()) != nullptr; },
           [&] {
             auto& dialog = *qobject_cast<ui::LiveTesterDialog*>(QApplication::activeModalWidget());
             auto* size = dialog.findChild<QComboBox*>(QStringLiteral("cboSimulatedSize"));
             size->setFocus();
             QTest::keyClick(size, Qt::Key_End);  // 160 x 120
             dialog.simulatedTester()->simulateTime();
             dialog.simulatedDial()->simulateTime();
             act(dialog);
             done = true;
             // A check that failed inside act left the window open: closed, so the test ends.
             if (dialog.isVisible()) static_cast<QDialog&>(dialog).reject();
           });
  QTest::mouseClick(f.button(QStringLiteral("cmdLiveTester")), Qt::LeftButton);
  QVERIFY(done);
}

template <typename T>
T* Child(QDialog& dialog, const char* name) {
  T* child = dialog.findChild<T*>(QString::fromLatin1(name));
  if (child == nullptr) qFatal("no control %s", name);
  return child;
}

// The frames that arrived metered, and shown.
void Metered(ui::LiveTesterDialog& dialog) {
  // Polled every 10 ms rather than QTRY_VERIFY's 50: a test waits for hundreds of frames.
  QVERIFY(QTest::qWaitFor([&] {
    const auto counts = dialog.frameCounts();
    return counts.metered + counts.dropped == counts.arrived;
  }));
  dialog.takeFrames();
}

// A frame that arrives at `time` (simulated), metered and shown.
void Frame(ui::LiveTesterDialog& dialog, double time) {
  dialog.simulatedTester()->tick(time);
  Metered(dialog);
}

// One moment of simulated time: the knife at `knife`, a dial value and a frame taken.
void Moment(ui::LiveTesterDialog& dialog, double time, double knife) {
  dialog.simulatedTester()->setPath([knife](double) { return knife; });
  dialog.simulatedDial()->tick(time);
  Frame(dialog, time);
}

// The readings that `zonalyst-cli` prints as JSON for these arguments, by zone (none: no reading).
std::map<int, std::optional<double>> CliReadings(const QStringList& arguments) {
  QProcess cli;
  cli.start(QStringLiteral(ZONALYST_CLI), arguments);
  if (!cli.waitForFinished(60000) || cli.exitCode() != 0) qFatal("%s", cli.readAllStandardError().constData());
  std::map<int, std::optional<double>> readings;
  for (const QJsonValue zone :
       QJsonDocument::fromJson(cli.readAllStandardOutput()).object()[QStringLiteral("zones")].toArray()) {
    const QJsonValue reading = zone[QStringLiteral("reading")];
    readings[zone[QStringLiteral("zone")].toInt()] =
        reading.isDouble() ? std::optional<double>(reading.toDouble()) : std::nullopt;
  }
  return readings;
}

void TypeDisc(ui::LiveTesterDialog& dialog);

// The knife far out and far in, so that the disc is seen lit whole; the disc found, then
// typed where the simulated camera draws it.
void PlaceDisc(ui::LiveTesterDialog& dialog) {
  Moment(dialog, 0.0, 9.0);
  Moment(dialog, 0.1, 14.0);
  QTest::mouseClick(Child<QPushButton>(dialog, "cmdFindDisc"), Qt::LeftButton);
  TypeDisc(dialog);
}

void TypeDisc(ui::LiveTesterDialog& dialog) {
  for (const auto& [name, value] : {std::pair{"txtDiscX", 87.0}, {"txtDiscY", 58.0}, {"txtDiscR", 45.0}}) {
    auto* box = Child<QDoubleSpinBox>(dialog, name);
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, QString::number(value, 'f', 1));
    QTest::keyClick(box, Qt::Key_Return);
  }
}

QString DiscArgument(QDialog& dialog) {
  return QStringLiteral("%1,%2,%3")
      .arg(Child<QDoubleSpinBox>(dialog, "txtDiscX")->value())
      .arg(Child<QDoubleSpinBox>(dialog, "txtDiscY")->value())
      .arg(Child<QDoubleSpinBox>(dialog, "txtDiscR")->value());
}

}  // namespace

class LiveTesterTest : public QObject {
  Q_OBJECT

 private slots:
  // Steps of 0.05 mm through zones 4 and 5, each asked for by Space as the dial shows the knife
  // there and recorded, into a folder, from the first frame that arrives late enough to show
  // the knife at rest: the window's readings are those `photos` gives on the frames recorded;
  // Fill Set fills the set, and Cancel leaves the test as it was.
  void steppedReadingsAreThePhotosReadingsOfTheRecordedFramesAndCancelKeepsTheTest() {
    WindowFixture f;
    const QString run = f.path(QStringLiteral("run"));
    std::map<int, QString> shown;
    WithLiveTester(f, [&](ui::LiveTesterDialog& dialog) {
      auto* average = Child<QSpinBox>(dialog, "spnAverage");
      average->setValue(1);
      PlaceDisc(dialog);
      f.prompter.answerSaveFile(run);
      QTest::mouseClick(Child<QPushButton>(dialog, "cmdRecordTo"), Qt::LeftButton);
      const auto recorded = [&] { return QDir(run).entryList({QStringLiteral("knife_*.png")}); };
      for (int step = 0; step <= 20; ++step) {
        Moment(dialog, 1.0 + step, 11.35 + 0.05 * step);
        QTest::keyClick(&dialog, Qt::Key_Space);
        Frame(dialog, 1.2 + step);  // may still show the knife moving
        QCOMPARE(recorded().size(), step);
        Frame(dialog, 1.3 + step);
        QCOMPARE(recorded().size(), step + 1);
      }
      auto* zones = Child<QTableWidget>(dialog, "tblZones");
      for (int zone : {4, 5}) shown[zone] = zones->item(zone - 1, 2)->text();
      const QString disc = DiscArgument(dialog);
      const QStringList frames = recorded();
      QStringList arguments{QStringLiteral("photos"), f.path(QStringLiteral("m.fdr"))};
      for (const QString& frame : frames) arguments << QDir(run).filePath(frame);
      arguments << QStringLiteral("--disc") << disc << QStringLiteral("--json");
      const auto readings = CliReadings(arguments);
      for (int zone : {4, 5}) {
        QVERIFY2(readings.at(zone).has_value(), qPrintable(QString::number(zone)));
        QVERIFY2(std::abs(shown[zone].toDouble() - *readings.at(zone)) <= 0.001, qPrintable(shown[zone]));
      }
      f.prompter.answerMessage(ui::MessageAnswer::Yes);  // zones 1-3 and 6 take 0 in the new set
      QTest::mouseClick(Child<QPushButton>(dialog, "cmdFillSet"), Qt::LeftButton);
      QCOMPARE(f.window->state().test.ReadingSets, 2);
      QTest::mouseClick(Child<QPushButton>(dialog, "cmdCancel"), Qt::LeftButton);
    });
    QCOMPARE(f.window->state().test.ReadingSets, 1);
    QCOMPARE(f.cell(panel::ReadingCell(4, 2))->isVisible(), false);
    QCOMPARE(f.prompter.unexpected(), 0);
  }

  // A sweep in and out through zones 4 and 5 at 0.4 mm/s, the simulated camera at 15 frames a
  // second and 0.1 s late, its dial at 10 Hz: the window's readings are those that `sweep`
  // gives on the recording, and so are those of the recording replayed and swept again.
  void sweepReadingsAreTheSweepCommandsReadingsOfTheRecording() {
    WindowFixture f;
    const QString run = f.path(QStringLiteral("sweep"));
    std::map<int, QString> shown;
    WithLiveTester(f, [&](ui::LiveTesterDialog& dialog) {
      PlaceDisc(dialog);
      f.prompter.answerSaveFile(run);
      QTest::mouseClick(Child<QPushButton>(dialog, "cmdRecordTo"), Qt::LeftButton);
      QTest::mouseClick(Child<QRadioButton>(dialog, "optSweep"), Qt::LeftButton);
      QTest::mouseClick(Child<QPushButton>(dialog, "cmdSweep"), Qt::LeftButton);
      // 11.3 mm to 12.4 mm and back, half a second's pause at the turn.
      const auto knife = [](double t) { return t < 2.75 ? 11.3 + 0.4 * t : t < 3.25 ? 12.4 : 12.4 - 0.4 * (t - 3.25); };
      dialog.simulatedTester()->setPath([&](double time) { return knife(time - 1.0); });
      for (int tick = 0; tick <= 180; ++tick) {  // 6 s in steps of 1/30 s
        const double time = 1.0 + tick / 30.0;
        if (tick % 3 == 0) dialog.simulatedDial()->tick(time);
        if (tick % 2 == 0) Frame(dialog, time);
      }
      QTest::mouseClick(Child<QPushButton>(dialog, "cmdSweep"), Qt::LeftButton);
      auto* zones = Child<QTableWidget>(dialog, "tblZones");
      for (int zone : {4, 5}) shown[zone] = zones->item(zone - 1, 4)->text();
      const auto readings = CliReadings({QStringLiteral("sweep"), f.path(QStringLiteral("m.fdr")),
                                         QStringLiteral("--frames"), QDir(run).filePath(QStringLiteral("frames.csv")),
                                         QStringLiteral("--dial"), QDir(run).filePath(QStringLiteral("dial.log")),
                                         QStringLiteral("--disc"), DiscArgument(dialog), QStringLiteral("--json")});
      for (int zone : {4, 5}) {
        QVERIFY2(readings.at(zone).has_value(), qPrintable(QString::number(zone)));
        QVERIFY2(std::abs(shown[zone].toDouble() - *readings.at(zone)) <= 0.001, qPrintable(shown[zone]));
      }

      f.prompter.answerOpenFiles({QDir(run).filePath(QStringLiteral("frames.csv"))});
      f.prompter.answerOpenFiles({QDir(run).filePath(QStringLiteral("dial.log"))});
      auto* source = Child<QComboBox>(dialog, "cboFrameSource");
      source->setFocus();
      QTest::keyClick(source, Qt::Key_End);  // "Recording..."
      live::ReplaySource* frames = dialog.replaySource();
      live::ReplayDial* dial = dialog.replayDial();
      QVERIFY(frames != nullptr && dial != nullptr);
      frames->simulateTime();
      dial->simulateTime();
      const auto replayTo = [&](double recorded) {
        const double now = frames->pace().replayed(recorded + 1e-5);  // past the recording's rounding
        dial->tick(now);
        frames->tick(now);
        Metered(dialog);
      };
      replayTo(1.0);
      TypeDisc(dialog);
      QTest::mouseClick(Child<QPushButton>(dialog, "cmdSweep"), Qt::LeftButton);
      for (int tick = 1; tick <= 180; ++tick) replayTo(1.0 + tick / 30.0);
      QTest::mouseClick(Child<QPushButton>(dialog, "cmdSweep"), Qt::LeftButton);
      QVERIFY(Child<QLabel>(dialog, "lblCamera")->text().endsWith(QStringLiteral("The recording has ended.")));
      QCOMPARE(QDir(run).entryList({QStringLiteral("*.png")}).size(), 91);  // not recorded into again
      for (int zone : {4, 5}) {
        const QString replayed = zones->item(zone - 1, 4)->text();
        QVERIFY2(std::abs(replayed.toDouble() - *readings.at(zone)) <= 0.001, qPrintable(replayed));
      }
    });
    QCOMPARE(f.prompter.unexpected(), 0);
  }

  // The window's rules without the window. A dial's value records a step once it has stood a
  // second, once, and not where a step was just recorded; a step waits for frames of the knife
  // at rest; a zone is null only when every one of the averaged frames has it under the
  // threshold; a sweep keeps so few frames that a minute stays under 50 MB.
  void dialSettlingMeterAndStrideRules() {
    livetester::DialSettling settling;
    const std::vector<std::pair<double, double>> dial = {{0.0, 1.0}, {0.5, 1.0}, {1.0, 1.0}, {1.5, 1.0},
                                                         {1.6, 1.2}, {2.5, 1.2}, {2.6, 1.2}};
    std::vector<double> recorded;
    for (const auto& [time, position] : dial) {
      if (const auto step = settling.feed(time, position)) recorded.push_back(*step);
      if (time == 1.6) settling.recorded(1.2);  // Space pressed there
    }
    QCOMPARE(recorded, std::vector<double>{1.0});

    // A step's frames are the newest, once every one of them came 0.25 s after the knife stopped.
    std::deque<livetester::TimedFrame> frames;
    for (const double time : {0.9, 1.1, 1.3, 1.4}) frames.push_back({time, std::make_shared<const GreyFrame>()});
    for (const auto& [count, since, expected] : {std::tuple{2, 1.0, 2}, {3, 1.0, 0}, {1, 1.2, 0}, {5, 0.0, 0}}) {
      QCOMPARE(static_cast<int>(livetester::FramesAtRest(frames, count, since).size()), expected);
    }

    livetester::NullMeter meter;
    meter.setFrames(3);
    for (const double c : {0.001, -0.002, 0.05}) meter.add({ZoneBalance{c, 0.0}, ZoneBalance{0.001, 0.0}});
    const auto bars = meter.bars(0.02);
    QCOMPARE(bars[0].null, false);
    QCOMPARE(bars[1].null, true);
    QVERIFY(std::abs(bars[0].contrast - 0.049 / 3) < 1e-12);

    for (const auto& [width, height, bytes, fps] :
         {std::tuple{640, 480, 1, 15.0}, {1920, 1080, 2, 30.0}, {160, 120, 1, 5.0}}) {
      const int stride = livetester::FrameStride(width, height, bytes, fps);
      QVERIFY(60.0 * fps / stride * width * height * bytes <= 50e6);
      QVERIFY(stride == 1 || 60.0 * fps / (stride - 1) * width * height * bytes > 50e6 / 1.02);
    }
  }
};

ZONALYST_QTEST_MAIN(LiveTesterTest)
#include "LiveTesterTest.moc"
