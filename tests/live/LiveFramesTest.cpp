#include "core/PhotoReadings.h"
#include "live/CameraSource.h"
#include "live/FrameMailbox.h"
#include "live/SimulatedTester.h"
#include "live/VideoFrameGrey.h"
#include "tests/support/TestMirror.h"

#include <QVideoFrame>
#include <QVideoFrameFormat>
#include <QVideoSink>
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

using namespace zonalyst;
using namespace zonalyst::live;

namespace {

constexpr int kWidth = 8;
constexpr int kHeight = 4;

// The grey every frame below carries: distinct at each pixel, within 16..235.
int Luma(int x, int y) { return 16 + 7 * x + 40 * y + (x * y) % 3; }

// A frame of the format built by hand: luma as above where the format has it; in an RGB
// format red and blue held at 20 and 30 while green carries the grey, so that the photo
// grey rule takes green, and a misplaced channel shows. `bytes` names the RGB order in memory.
QVideoFrame HandMadeFrame(QVideoFrameFormat::PixelFormat format, const std::string& bytes) {
  QVideoFrame frame(QVideoFrameFormat(QSize(kWidth, kHeight), format));
  if (!frame.map(QVideoFrame::WriteOnly)) return frame;
  for (int plane = 1; plane < frame.planeCount(); ++plane)
    std::fill_n(frame.bits(plane), frame.mappedBytes(plane), 128);
  for (int y = 0; y < kHeight; ++y) {
    uchar* row = frame.bits(0) + y * frame.bytesPerLine(0);
    for (int x = 0; x < kWidth; ++x) {
      const int v = Luma(x, y);
      switch (format) {
        case QVideoFrameFormat::Format_Y16:
          reinterpret_cast<quint16*>(row)[x] = static_cast<quint16>(v * 257);
          break;
        case QVideoFrameFormat::Format_YUYV:
          row[2 * x] = static_cast<uchar>(v), row[2 * x + 1] = 128;
          break;
        case QVideoFrameFormat::Format_UYVY:
          row[2 * x] = 128, row[2 * x + 1] = static_cast<uchar>(v);
          break;
        default:
          if (bytes.empty()) {
            row[x] = static_cast<uchar>(v);
          } else {
            for (int b = 0; b < 4; ++b) {
              const char c = bytes[static_cast<std::size_t>(b)];
              row[4 * x + b] = static_cast<uchar>(c == 'R' ? 20 : c == 'G' ? v : c == 'B' ? 30 : 255);
            }
          }
      }
    }
  }
  frame.unmap();
  return frame;
}

struct FormatCase {
  QVideoFrameFormat::PixelFormat format;
  std::string rgbBytes;  // empty for luma formats
  int scale;             // grey per unit of luma
};

// Pushes the frame into a real video sink, as a camera's session does, and develops what arrives.
DevelopedFrame ThroughSink(const QVideoFrame& frame, int* arrivals = nullptr) {
  QVideoSink videoSink;
  const LiveClock clock;
  std::vector<ArrivedFrame> arrived;
  const VideoSinkFeed feed(videoSink, clock, [&](ArrivedFrame a) { arrived.push_back(std::move(a)); });
  videoSink.setVideoFrame(frame);
  if (arrivals != nullptr) *arrivals = static_cast<int>(arrived.size());
  if (arrived.size() != 1) {
    DevelopedFrame none;
    none.error = "no frame arrived";
    return none;
  }
  return arrived.front().develop();
}

}  // namespace

TEST(LiveFrames, EveryReadableFormatThroughARealVideoSinkGivesTheFramesGrey) {
  const std::vector<FormatCase> cases = {
      {QVideoFrameFormat::Format_Y8, "", 1},           {QVideoFrameFormat::Format_Y16, "", 257},
      {QVideoFrameFormat::Format_NV12, "", 1},         {QVideoFrameFormat::Format_NV21, "", 1},
      {QVideoFrameFormat::Format_YUV420P, "", 1},      {QVideoFrameFormat::Format_YUYV, "", 1},
      {QVideoFrameFormat::Format_UYVY, "", 1},         {QVideoFrameFormat::Format_ARGB8888, "ARGB", 1},
      {QVideoFrameFormat::Format_XRGB8888, "XRGB", 1}, {QVideoFrameFormat::Format_BGRA8888, "BGRA", 1},
      {QVideoFrameFormat::Format_BGRX8888, "BGRX", 1}, {QVideoFrameFormat::Format_ABGR8888, "ABGR", 1},
      {QVideoFrameFormat::Format_XBGR8888, "XBGR", 1}, {QVideoFrameFormat::Format_RGBA8888, "RGBA", 1},
      {QVideoFrameFormat::Format_RGBX8888, "RGBX", 1},
  };
  for (const FormatCase& c : cases) {
    const std::string name = QVideoFrameFormat::pixelFormatToString(c.format).toStdString();
    const DevelopedFrame developed = ThroughSink(HandMadeFrame(c.format, c.rgbBytes));
    ASSERT_EQ(developed.error, "") << name;
    ASSERT_EQ(developed.grey.width, kWidth) << name;
    ASSERT_EQ(developed.grey.height, kHeight) << name;
    EXPECT_EQ(developed.white, c.scale == 257 ? 65535 : 255) << name;
    int wrong = 0;
    for (int y = 0; y < kHeight; ++y) {
      for (int x = 0; x < kWidth; ++x) wrong += developed.grey.at(x, y) != Luma(x, y) * c.scale;
    }
    EXPECT_EQ(wrong, 0) << name;
  }
}

TEST(LiveFrames, AFormatThatCannotBeReadGivesAMessageNamingIt) {
  for (const auto format : {QVideoFrameFormat::Format_Jpeg, QVideoFrameFormat::Format_P010}) {
    int arrivals = 0;
    const DevelopedFrame developed = ThroughSink(QVideoFrame(QVideoFrameFormat(QSize(16, 16), format)), &arrivals);
    EXPECT_EQ(arrivals, 1);
    EXPECT_NE(developed.error.find(QVideoFrameFormat::pixelFormatToString(format).toStdString() + " cannot be read"),
              std::string::npos)
        << developed.error;
  }
}

TEST(LiveFrames, TheMailboxHandsOverTheNewestFrameAndCountsTheOthersDropped) {
  FrameMailbox box;
  const auto at = [](double time) {
    ArrivedFrame frame;
    frame.time = time;
    return frame;
  };
  for (double t : {0.1, 0.2, 0.3}) box.put(at(t));
  const auto taken = box.take();
  ASSERT_TRUE(taken.has_value());
  EXPECT_EQ(taken->time, 0.3);
  EXPECT_EQ(taken->number, 2);
  box.put(at(0.4));
  box.close();
  EXPECT_FALSE(box.take().has_value());
  box.put(at(0.5));
  const FrameMailbox::Counts counts = box.counts();
  EXPECT_EQ(counts.arrived, 5);
  EXPECT_EQ(counts.dropped, 4);  // every frame put but the one taken
}

// The simulated tester is a tester as the photo readings see one: its frames, stepped through
// the readings, read each zone at the test's own readings, and its disc is found where it
// stands.
TEST(LiveFrames, TheSimulatedTestersFramesReadAsTheTestsReadings) {
  const MirrorTest test = zonalyst::testing::TestMirror();
  const LiveClock clock;
  SimulatedTester tester(test, clock, SimulatedRig{.width = 320, .height = 240, .latency = 0.0});
  std::vector<GreyFrame> frames;
  std::vector<double> positions;
  tester.start([&](ArrivedFrame frame) { frames.push_back(frame.develop().grey); });
  for (int step = 0; step < 24; ++step) {
    positions.push_back(9.8 + 0.15 * step);
    tester.setPath([&](double) { return positions.back(); });
    tester.tick(step);
  }
  tester.stop();
  tester.tick(40.0);
  ASSERT_EQ(frames.size(), positions.size());
  const std::optional<DiscScale> found = FindDisc(BrightestOfAll(frames));
  ASSERT_TRUE(found.has_value());
  const PhotoDisc& disc = found->disc;
  const PhotoDisc& truth = tester.camera().disc();
  EXPECT_LT(std::hypot(disc.x - truth.x, disc.y - truth.y), 1.0);
  EXPECT_NEAR(disc.radius, truth.radius, 1.0);
  const PhotoReadingsResult read = ReadPhotoNulls(test, frames, positions, *found, false);
  for (const ZoneNull& zone : read.zones) {
    if (zone.status == NullStatus::NearCentre) continue;
    ASSERT_TRUE(zone.reading.has_value()) << "zone " << zone.zone << ": " << StatusText(zone.status);
    EXPECT_NEAR(*zone.reading, test.KeReading[zone.zone][1], std::max(0.01, zone.uncertainty)) << "zone " << zone.zone;
  }
}
