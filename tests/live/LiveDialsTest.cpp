#include "live/LiveSession.h"
#include "live/Replay.h"
#include "live/SerialDial.h"
#include "live/SimulatedDial.h"
#include "live/SimulatedTester.h"
#include "tests/support/TestMirror.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>
#include <pty.h>
#include <string>
#include <unistd.h>

using namespace zonalyst;
using namespace zonalyst::live;

namespace {

// A clock that stands still until told: simulated time.
class ManualClock final : public LiveClock {
 public:
  double time = 0.0;
  double now() const override { return time; }
};

// The far end of a pseudo-terminal: what a dial's adapter would write into the port.
class FakeAdapter {
 public:
  FakeAdapter() {
    int slave = -1;
    char name[256] = {};
    if (openpty(&master_, &slave, name, nullptr, nullptr) != 0) return;
    path_ = QString::fromLocal8Bit(name);
    ::close(slave);  // the dial opens the port by its path
  }
  ~FakeAdapter() { unplug(); }
  const QString& path() const { return path_; }
  void send(const std::string& bytes) const {
    if (::write(master_, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size())) ADD_FAILURE() << "write";
  }
  void unplug() {
    if (master_ >= 0) ::close(master_);
    master_ = -1;
  }

 private:
  int master_ = -1;
  QString path_;
};

// Lets the port's events run for ms milliseconds, or until done.
void RunEventsFor(
    int ms, const std::function<bool()>& done = [] { return false; }) {
  QElapsedTimer timer;
  timer.start();
  while (timer.elapsed() < ms && !done()) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

std::unique_ptr<SerialDial> DialOn(const FakeAdapter& adapter, const LiveClock& clock) {
  SerialDialSettings settings;
  settings.port = adapter.path();
  settings.format = DialFormat::Text;
  return std::make_unique<SerialDial>(settings, clock, false, 0.0);
}

}  // namespace

// 30 lines at 10 Hz, some cut in two across writes, one garbage line between them; then the
// adapter is unplugged, and plugged in again on another port.
TEST(LiveDials, ASerialDialReadsEveryLineSkipsGarbageAndSurvivesAnUnplugging) {
  const LiveClock clock;
  LiveSession session(clock);
  auto adapter = std::make_unique<FakeAdapter>();
  ASSERT_FALSE(adapter->path().isEmpty());
  ASSERT_TRUE(session.setDialSource(DialOn(*adapter, clock)));
  std::string held;
  for (int k = 0; k < 30; ++k) {
    const std::string line = "1." + std::to_string(100 + k) + " mm\r\n";
    if (k % 3 == 1) {  // cut in two: the first half now, the rest with the next line
      adapter->send(line.substr(0, 3));
      held = line.substr(3);
    } else {
      adapter->send(held + line);
      held.clear();
    }
    if (k == 12) adapter->send("12:00 dial ok?\n");
    RunEventsFor(100);
  }
  adapter->send(held);
  RunEventsFor(2000, [&] { return session.dialValues().size() >= 30; });
  ASSERT_EQ(session.dialValues().size(), 30u);
  for (int k = 0; k < 30; ++k) {
    EXPECT_NEAR(session.dialValues()[static_cast<std::size_t>(k)].sample.position, 1.1 + 0.001 * k, 1e-12) << k;
  }
  EXPECT_EQ(session.refusedDialLines(), 1);
  EXPECT_EQ(session.dialValues()[3].sent, "1.103 mm");

  QString said;
  QObject::connect(&session, &LiveSession::dialStateChanged, [&](DialState, const QString& text) { said = text; });
  adapter->unplug();
  RunEventsFor(5000, [&] { return session.dialSource()->state() == DialState::Disconnected; });
  EXPECT_EQ(session.dialSource()->state(), DialState::Disconnected);
  EXPECT_EQ(said, QStringLiteral("disconnected"));

  adapter = std::make_unique<FakeAdapter>();
  ASSERT_TRUE(session.setDialSource(DialOn(*adapter, clock)));
  adapter->send("2.5 mm\n");
  RunEventsFor(2000, [&] { return session.dialValues().size() > 30; });
  ASSERT_EQ(session.dialValues().size(), 31u);  // every value read before the unplugging kept
  EXPECT_EQ(session.dialValues().back().sample.position, 2.5);
}

// A minute of a 15 fps camera and a 10 Hz dial in simulated time, the worker metering as fast
// as it can: every frame is metered or counted dropped, every dial value is kept.
TEST(LiveDials, AMinuteOfFramesAndDialValuesLosesNothingTheMailboxDidNotCount) {
  ManualClock clock;
  LiveSession session(clock);
  auto tester = std::make_unique<SimulatedTester>(zonalyst::testing::TestMirror(), clock,
                                                  SimulatedRig{.width = 64, .height = 48});
  SimulatedTester& simulated = *tester;
  simulated.setPath([](double t) { return 10.0 + 0.05 * t; });
  auto dial = std::make_unique<SimulatedDial>(simulated, clock);
  SimulatedDial& simulatedDial = *dial;
  ASSERT_TRUE(session.setFrameSource(std::move(tester)));
  ASSERT_TRUE(session.setDialSource(std::move(dial)));
  std::vector<MeteredFrame> metered;
  for (int ms = 0; ms <= 60000; ++ms) {
    clock.time = ms / 1000.0;
    if (ms % 200 == 0 || ms % 200 == 67 || ms % 200 == 133) simulated.tick(clock.time);  // 15 a second
    if (ms % 100 == 0) simulatedDial.tick(clock.time);
    if (ms % 50 == 0) {
      for (MeteredFrame& frame : session.worker().take()) metered.push_back(std::move(frame));
    }
  }
  session.end();
  for (MeteredFrame& frame : session.worker().take()) metered.push_back(std::move(frame));
  const MeterWorker::Counts counts = session.worker().counts();
  EXPECT_EQ(counts.arrived, 901);
  EXPECT_EQ(static_cast<long>(metered.size()) + counts.dropped, counts.arrived);
  for (std::size_t k = 1; k < metered.size(); ++k) EXPECT_GT(metered[k].number, metered[k - 1].number);
  ASSERT_EQ(session.dialValues().size(), 601u);
  EXPECT_NEAR(session.dialValues().back().sample.position, 13.0, 1e-9);
}

// A recording replayed: its frames and dial values come again in order, each when as much time
// has passed since the replay started as had since the recording's first time, stamped then;
// the frames end with finished().
TEST(LiveDials, AReplayGivesTheRecordingAgainAtItsOwnPace) {
  ManualClock clock;
  clock.time = 100.0;
  auto pace = std::make_shared<ReplayPace>(clock, 5.0);
  std::vector<RecordedFrameSource> recorded;
  for (const double time : {5.0, 5.2, 5.4}) recorded.push_back({time, [] { return DevelopedFrame{}; }});
  ReplaySource frames(recorded, pace);
  ReplayDial dial({{5.0, 1.0}, {5.1, 1.001}, {5.3, 1.0025}}, false, pace);
  std::vector<double> frameTimes, dialTimes, positions;
  bool finished = false;
  QObject::connect(&frames, &FrameSource::finished, [&] { finished = true; });
  QObject::connect(&dial, &DialSource::arrived, [&](const DialArrival& value) {
    dialTimes.push_back(value.sample.timeS);
    positions.push_back(value.sample.position);
  });
  ASSERT_TRUE(frames.start([&](ArrivedFrame frame) { frameTimes.push_back(frame.time); }));
  ASSERT_TRUE(dial.start());
  for (const auto& [now, frameCount, dialCount] :
       {std::tuple{100.0, 1u, 1u}, {100.15, 1u, 2u}, {100.3, 2u, 3u}, {101.0, 3u, 3u}}) {
    clock.time = now;
    frames.tick(now);
    dial.tick(now);
    EXPECT_EQ(frameTimes.size(), frameCount) << now;
    EXPECT_EQ(dialTimes.size(), dialCount) << now;
  }
  EXPECT_TRUE(finished);
  const std::vector<double> frameTimesAgain{100.0, 100.2, 100.4}, dialTimesAgain{100.0, 100.1, 100.3};
  for (std::size_t k = 0; k < 3; ++k) {
    EXPECT_NEAR(frameTimes[k], frameTimesAgain[k], 1e-9);
    EXPECT_NEAR(dialTimes[k], dialTimesAgain[k], 1e-9);
  }
  EXPECT_EQ(positions, (std::vector<double>{1.0, 1.001, 1.0025}));
}
