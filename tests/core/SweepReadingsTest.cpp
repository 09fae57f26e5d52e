#include "core/QualityMetrics.h"
#include "core/SweepReadings.h"
#include "tests/support/HandSweep.h"
#include "tests/support/TestMirror.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace zonalyst {
namespace {

using testing::HandSweep;
using testing::RecordHandSweep;
using testing::SweepRecording;

TEST(KnifeTrack, InterpolatesTheDialSplitsPassesAtTurnaroundsAndKnowsNothingInAGap) {
  // Still at 1.0, up to 1.5 at 0.1 a second with a count of jitter, still at the top with
  // jitter, down to 1.2 with a 2 s gap in the dial's values.
  std::vector<DialSample> dial;
  for (int k = 0; k <= 10; ++k) dial.push_back({0.1 * k, k % 2 == 0 ? 1.0 : 1.001});
  for (int k = 1; k <= 50; ++k) dial.push_back({1.0 + 0.1 * k, 1.0 + 0.01 * k - (k % 3 == 0 ? 0.001 : 0.0)});
  for (int k = 1; k <= 20; ++k) dial.push_back({6.0 + 0.1 * k, k % 2 == 0 ? 1.5 : 1.499});
  for (int k = 1; k <= 30; ++k) {
    if (k < 10 || k > 30) dial.push_back({8.0 + 0.1 * k, 1.5 - 0.01 * k});
  }
  dial.push_back({11.0, 1.2});
  const KnifeTrack track(dial, 1.0);

  EXPECT_NEAR(*track.positionAt(3.05), 1.2045, 1e-12);
  EXPECT_FALSE(track.positionAt(10.0));  // in the gap from 8.9 to 11 s
  EXPECT_FALSE(track.positionAt(-0.1));
  ASSERT_EQ(track.gaps().size(), 1u);
  EXPECT_DOUBLE_EQ(track.gaps()[0].fromS, 8.9);

  for (const auto& [time, travel] : std::vector<std::pair<double, Travel>>{
           {0.5, Travel::Still}, {3.0, Travel::In}, {7.0, Travel::Still}, {8.5, Travel::Out}, {20.0, Travel::Still}}) {
    EXPECT_EQ(track.travelAt(time), travel) << time;
  }
  EXPECT_NEAR(track.speedAt(3.0), 0.1, 0.01);

  ASSERT_EQ(track.passes().size(), 2u);
  const KnifePass& up = track.passes()[0];
  const KnifePass& down = track.passes()[1];
  EXPECT_EQ(up.direction, Travel::In);
  EXPECT_EQ(down.direction, Travel::Out);
  EXPECT_NEAR(up.startS, 1.0, 0.15);
  EXPECT_NEAR(up.endS, 6.0, 0.15);
  EXPECT_NEAR(down.startS, 8.0, 0.15);
  EXPECT_DOUBLE_EQ(down.endS, 11.0);
  EXPECT_NEAR(up.speed(), 0.1, 0.005);
  EXPECT_FALSE(track.passAt(7.0));  // the pause at the turnaround
  EXPECT_EQ(track.passAt(8.5), 1u);
  EXPECT_NEAR(*track.timeAt(up, 1.3), 4.0, 0.15);
}

// A 150 mm f/8 paraboloid, every zone readable, nulled by the simulated tester at its
// readings (a moving source) from 10.21 to 11.05 mm.
class SweepReadings : public ::testing::Test {
 protected:
  static constexpr int kSize = 160;      // the disc's diameter, pixels
  static constexpr double kStep = 0.02;  // between the views, mm
  static constexpr double kFirst = 9.8, kLast = 11.5;

  // The tester's view at fixed steps, read as a photo series, and each view's grey.
  static void SetUpTestSuite() {
    test_ = testing::TestMirror({.roc = 2400.0, .diameter = 150.0, .zones = {20.0, 32.0, 44.0, 54.0, 63.0, 71.0}});
    AverageReadings(test_);
    SurfaceProfile profile;
    QualityMetrics metrics;
    const double roc = FindBestFitRoc(profile, test_.DesiredConic, ReduceReadings(test_, profile), metrics);
    GreyPicture view;
    std::vector<double> positions;
    for (double x = kFirst; x <= kLast + 1e-9; x += kStep) {
      SimulateTesterView(test_, profile, roc, false, x, {}, kSize, view);
      views_.push_back(FrameOf(view));
      positions.push_back(x);
    }
    photos_ = ReadPhotoNulls(test_, views_, positions, GivenScale(kDisc), false);
  }

  // The frames a camera takes of the sweep: each the view where the knife is (the two nearest
  // views blended), with noise of a grey level, measured by the zone meter.
  static std::vector<SweepFrame> Frames(const SweepRecording& recording) {
    const ZoneMeter meter(test_, kDisc, views_, false);
    std::mt19937 random(7);
    std::normal_distribution<double> noise(0.0, 1.0);
    std::vector<SweepFrame> frames;
    GreyFrame frame = views_.front();
    // Only the rows the windows lie on are measured: only they are blended.
    double top = kSize, bottom = 0.0;
    for (const MeteredZone& zone : meter.zones()) {
      top = std::min(top, zone.windows.left.y0);
      bottom = std::max(bottom, zone.windows.left.y1);
    }
    const std::size_t from = static_cast<std::size_t>(top) * kSize, to = static_cast<std::size_t>(bottom + 1.0) * kSize;
    for (std::size_t k = 0; k < recording.knife.size(); ++k) {
      const double at = std::clamp((recording.knife[k] - kFirst) / kStep, 0.0, views_.size() - 1.001);
      const std::size_t i = static_cast<std::size_t>(at);
      const double w = at - i;
      for (std::size_t p = from; p < to; ++p) {
        const double grey = (1.0 - w) * views_[i].grey[p] + w * views_[i + 1].grey[p] + noise(random);
        frame.grey[p] = static_cast<std::uint16_t>(std::clamp(std::round(grey), 0.0, 255.0));
      }
      frames.push_back({recording.stampS[k], meter.measure(frame)});
    }
    return frames;
  }

  // The sweep solved; with a gap, the dial silent for 2.5 s in the middle of the first pass.
  static SweepResult Solve(const HandSweep& hand, const SweepSettings& settings = {}, bool gap = false) {
    SweepRecording recording = RecordHandSweep(hand);
    if (gap) std::erase_if(recording.dial, [](const DialSample& d) { return d.timeS > 10.0 && d.timeS < 12.5; });
    return SolveSweep(test_, ZoneMeter(test_, kDisc, views_, false).zones(), KnifeTrack(recording.dial, 1.0),
                      Frames(recording), settings);
  }

  static HandSweep Hand() { return {.from = 9.95, .to = 11.35, .speed = 0.05}; }

  static inline const PhotoDisc kDisc{kSize / 2.0, kSize / 2.0, kSize / 2.0};
  static inline MirrorTest test_;
  static inline std::vector<GreyFrame> views_;
  static inline PhotoReadingsResult photos_;
};

TEST_F(SweepReadings, InAndOutReadEveryZoneAsPhotosAtFineStepsDoWhateverTheLatency) {
  // Latencies (s) and the speed back (0: as the speed in, 0.05 mm/s, each +-50 %).
  for (const auto& [latency, backSpeed] :
       std::vector<std::pair<double, double>>{{0, 0}, {0.1, 0}, {0.2, 0}, {0.2, 0.1}}) {
    HandSweep hand = Hand();
    hand.latencyS = latency;
    hand.backSpeed = backSpeed;
    const SweepRecording recording = RecordHandSweep(hand);
    const SweepResult result = Solve(hand);
    ASSERT_EQ(result.passes.size(), 2u);
    EXPECT_EQ(result.passes[0].pass.direction, Travel::In);
    ASSERT_EQ(result.zones.size(), 6u);
    for (std::size_t z = 0; z < 6; ++z) {
      const SweepZone& zone = result.zones[z];
      const std::string what = "latency " + std::to_string(latency) + " back " + std::to_string(backSpeed) + " zone " +
                               std::to_string(zone.zone);
      ASSERT_EQ(zone.status, NullStatus::Read) << what;
      ASSERT_TRUE(photos_.zones[z].reading) << what;
      // The innermost zone's curve is the shallowest: its null moves most with the frames' timing.
      const double tolerance = z == 0 ? 0.006 : 0.003;
      EXPECT_NEAR(*zone.reading, *photos_.zones[z].reading, tolerance) << what;
      EXPECT_NEAR(*zone.reading, test_.KeAverage[zone.zone], 0.01) << what;
      // In - out is the distance the knife went in and out while the frames were late.
      const double null = *photos_.zones[z].reading;
      EXPECT_NEAR(*zone.inMinusOut, (recording.speedAt(0, null) + recording.speedAt(1, null)) * latency, tolerance)
          << what;
    }
  }
}

TEST_F(SweepReadings, ThePlayBetweenDialAndKnifeIsTheHysteresisAndTheMeanCancelsIt) {
  HandSweep hand = Hand();
  hand.latencyS = 0.0;
  hand.play = 0.02;
  const SweepResult result = Solve(hand);
  ASSERT_TRUE(result.hysteresis);
  EXPECT_NEAR(*result.hysteresis, 0.02, 0.003);
  for (std::size_t z = 1; z < 6; ++z) {
    ASSERT_TRUE(result.zones[z].reading) << z;
    EXPECT_NEAR(*result.zones[z].reading, *photos_.zones[z].reading, 0.003) << z;
  }
}

TEST_F(SweepReadings, AZoneTheSweepCannotReadSaysWhyAndIsNeverFilled) {
  struct Case {
    std::string what;
    HandSweep hand;
    SweepSettings settings;
    std::vector<NullStatus> statuses;  // of zones 2..6
    bool gap = false;
  };
  const auto hand = [](double to, int passes) {
    HandSweep h = Hand();
    h.to = to, h.passes = passes, h.speed = 0.1;
    return h;
  };
  using enum NullStatus;
  const std::vector<Case> cases = {
      {"stopped short of zone 6's null", hand(10.95, 2), {}, {Read, Read, Read, Read, NoCrossing}},
      {"one pass",
       hand(11.35, 1),
       {},
       {OneDirectionOnly, OneDirectionOnly, OneDirectionOnly, OneDirectionOnly, OneDirectionOnly}},
      {"turned 0.03 mm past zone 6's null", hand(11.08, 2), {}, {Read, Read, Read, Read, TurnaroundInCrossing}},
      {"in only", hand(11.35, 2), {.direction = SweepDirection::In}, {Read, Read, Read, Read, Read}},
      {"the dial silent for 2.5 s", hand(11.35, 2), {}, {Read, Read, Read, Read, Read}, true},
  };
  for (const Case& c : cases) {
    const SweepResult result = Solve(c.hand, c.settings, c.gap);
    ASSERT_EQ(result.zones.size(), 6u) << c.what;
    for (std::size_t z = 1; z < 6; ++z) {
      const SweepZone& zone = result.zones[z];
      EXPECT_EQ(StatusText(zone.status), StatusText(c.statuses[z - 1])) << c.what << " zone " << z + 1;
      EXPECT_EQ(zone.reading.has_value(), c.statuses[z - 1] == Read || c.statuses[z - 1] == OneDirectionOnly)
          << c.what << " zone " << z + 1;
      if (c.settings.direction == SweepDirection::In) {
        EXPECT_EQ(zone.reading, zone.in) << c.what;
      }
    }
    EXPECT_EQ(result.framesInGaps > 0, c.gap) << c.what;
    EXPECT_GT(result.framesStill, 0) << c.what;
  }
}

}  // namespace
}  // namespace zonalyst
