#include "CliRun.h"
#include "core/NumberText.h"
#include "io/TestFileLoader.h"
#include "plot/ContrastCurvesChart.h"
#include "tests/support/HandSweep.h"

#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <random>
#include <sys/stat.h>

namespace zonalyst::cli {
namespace {

using testing::ReadFileBytes;
using testing::WriteFileBytes;

// A moving-source test whose zones 2..7 are read; its readings run from 0.75 to 2.25 mm.
const std::string kTest = kExamples + "foucault2-simu200f6-unmasked-7zones-effective.fdr";
constexpr int kDisc = 100, kWidth = 140, kHeight = 120, kLeft = 25, kTop = 10;

// A sweep in and out from 0.9 (past zone 1's null) to 2.55 mm at 0.2 mm/s, filmed 100 ms late
// in small grey PNG frames, the dial logged in the Mitutoyo form; made once for every case.
class SweepCommand : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    folder_ = new ScratchFolder;
    // The tester's view every 0.1 mm; a frame blends the two views around its knife.
    std::vector<QImage> views;
    for (int k = 0; k <= 22; ++k) {
      const std::string view = Scratch("view.png");
      ASSERT_EQ(Cli({"simulate", kTest, "--view", "foucault", "--knife", FormatFixed(0.4 + 0.1 * k, 2), "--size",
                     std::to_string(kDisc), "-o", view})
                    .code,
                kSuccess);
      views.push_back(QImage(QString::fromStdString(view)).convertToFormat(QImage::Format_Grayscale8));
    }
    const testing::SweepRecording sweep =
        testing::RecordHandSweep({.from = 0.9, .to = 2.55, .speed = 0.2, .pauseS = 0.5, .latencyS = 0.1, .seed = 5});
    std::mt19937 random(11);
    std::normal_distribution<double> noise(0.0, 1.5);
    std::string frames = "file,time_s\n";
    for (std::size_t k = 0; k < sweep.knife.size(); ++k) {
      const double at = (sweep.knife[k] - 0.4) / 0.1;
      const int i = std::clamp(static_cast<int>(at), 0, 21);
      const double w = at - i;
      QImage frame(kWidth, kHeight, QImage::Format_Grayscale8);
      frame.fill(0);
      for (int y = 0; y < kDisc; ++y) {
        for (int x = 0; x < kDisc; ++x) {
          const double grey = (1 - w) * views[i].pixelColor(x, y).red() + w * views[i + 1].pixelColor(x, y).red();
          frame.scanLine(y + kTop)[x + kLeft] = static_cast<uchar>(std::clamp(grey + noise(random), 0.0, 255.0));
        }
      }
      const std::string name = "f" + std::to_string(k) + ".png";
      ASSERT_TRUE(frame.save(QString::fromStdString(Scratch(name))));
      frames += name + "," + FormatFixed(sweep.stampS[k], 3) + "\n";
    }
    WriteFileBytes(Scratch("frames.csv"), frames);
    std::string dial;
    for (const DialSample& d : sweep.dial) {
      dial += FormatFixed(d.timeS, 2) + ",01A+" + std::string(d.position < 10 ? "000" : "00") +
              FormatFixed(d.position, 3) + "\r\n";
    }
    WriteFileBytes(Scratch("dial.log"), dial);
  }
  static void TearDownTestSuite() { delete folder_; }

  static std::string Scratch(const std::string& name) { return (folder_->path() / name).string(); }
  static CliRun Sweep(const std::vector<std::string>& options, const std::string& frames = Scratch("frames.csv"),
                      const std::string& dial = Scratch("dial.log")) {
    std::vector<std::string> args = {"sweep", kTest, "--frames", frames, "--dial", dial};
    args.insert(args.end(), options.begin(), options.end());
    return Cli(args);
  }

  static inline ScratchFolder* folder_ = nullptr;
};

QStringList Keys(const QJsonObject& object) {
  QStringList keys = object.keys();
  keys.sort();
  return keys;
}

TEST_F(SweepCommand, JsonGivesThePhotosKeysWithThePassesTheHysteresisAndEachZoneInAndOut) {
  const CliRun run = Sweep({"--json"});
  ASSERT_EQ(run.code, kSuccess) << run.err;
  EXPECT_EQ(run.err, "warning: zone 1 has no reading (no crossing)\n");
  const QJsonObject json = QJsonDocument::fromJson(QByteArray::fromStdString(run.out)).object();
  EXPECT_EQ(Keys(json), (QStringList{"disc", "hysteresis", "passes", "photos", "zones"}));
  EXPECT_NEAR(json["disc"]["x"].toDouble(), kLeft + kDisc / 2.0, 1.0);
  const QJsonArray passes = json["passes"].toArray();
  ASSERT_EQ(passes.size(), 2);
  EXPECT_EQ(Keys(passes[0].toObject()), (QStringList{"direction", "frames", "from", "speed", "to"}));
  EXPECT_EQ(passes[0]["direction"].toString(), "in");
  EXPECT_EQ(passes[1]["direction"].toString(), "out");
  EXPECT_NEAR(passes[1]["speed"].toDouble(), 0.2, 0.02);
  const QJsonArray photos = json["photos"].toArray();
  EXPECT_EQ(Keys(photos[0].toObject()), (QStringList{"file", "position", "source"}));
  EXPECT_TRUE(photos[0]["position"].isNull()) << "the first frame is taken while the knife stands still";
  // Each pass reads late by 0.1 s at 0.1 to 0.3 mm/s: in - out is 0.02 to 0.06 mm.
  EXPECT_GT(json["hysteresis"].toDouble(), 0.02);
  EXPECT_LT(json["hysteresis"].toDouble(), 0.06);
  const QJsonArray zones = json["zones"].toArray();
  ASSERT_EQ(zones.size(), 7);
  EXPECT_TRUE(zones[0]["in_minus_out"].isNull());
  for (int z = 1; z < 7; ++z) {
    const QJsonObject zone = zones[z].toObject();
    EXPECT_EQ(Keys(zone), (QStringList{"hand", "in", "in_minus_out", "out", "radius_mm", "reading", "status",
                                       "uncertainty", "zone"}));
    EXPECT_EQ(zone["status"].toString(), "read") << z + 1;
    // The simulated view of this measured mirror nulls zones 3 and 4 up to 0.015 mm off its hand
    // readings (photos at fine steps read them there too).
    EXPECT_NEAR(zone["reading"].toDouble(), zone["hand"].toDouble(), 0.025) << z + 1;
    EXPECT_NEAR(zone["in_minus_out"].toDouble(), zone["in"].toDouble() - zone["out"].toDouble(), 1e-12);
  }
}

TEST_F(SweepCommand, WritesTheReadingsIntoACopyAndDrawsEachPassInItsOwnColour) {
  const std::string copy = Scratch("copy.fdr"), plot = Scratch("sweep.png");
  // Zone 1 is not read: a set brought into use has no measured value there, set 1 has.
  EXPECT_EQ(Sweep({"-o", copy}).code, kSetupRefused);
  EXPECT_FALSE(std::filesystem::exists(copy));
  const CliRun run = Sweep({"--direction", "in", "--latency", "0.1", "--set", "1", "-o", copy, "--plot", plot});
  ASSERT_EQ(run.code, kSuccess) << run.err;
  EXPECT_NE(run.out.find("Hysteresis (the median of the zones' in - out): "), std::string::npos) << run.out;
  const io::LoadResult original = io::LoadTestFile("", kTest), written = io::LoadTestFile("", copy);
  ASSERT_TRUE(written.ok());
  EXPECT_EQ(written.test->ReadingSets, 1);
  EXPECT_EQ(written.test->KeReading[1][1], original.test->KeReading[1][1]);
  for (int z = 2; z <= 7; ++z) EXPECT_NEAR(written.test->KeReading[z][1], original.test->KeReading[z][1], 0.025) << z;
  const QImage picture(QString::fromStdString(plot));
  ASSERT_EQ(picture.size(), QSize(plot::kContrastChartWidth, plot::kContrastChartHeight));
  int inColour = 0, outColour = 0;
  for (int y = 0; y < picture.height(); ++y) {
    for (int x = 0; x < picture.width(); ++x) {
      inColour += picture.pixel(x, y) == qRgb(255, 150, 0);
      outColour += picture.pixel(x, y) == qRgb(0, 200, 255);
    }
  }
  EXPECT_GT(inColour, 100);
  EXPECT_GT(outColour, 100);
}

TEST_F(SweepCommand, RefusesHostileListsAndLogsWithTheirExitCodesAndWritesNothing) {
  const std::string frames = ReadFileBytes(Scratch("frames.csv")), dial = ReadFileBytes(Scratch("dial.log"));
  const auto file = [](const std::string& name, const std::string& bytes) {
    WriteFileBytes(Scratch(name), bytes);
    return Scratch(name);
  };
  QImage other(20, 20, QImage::Format_Grayscale8);
  other.fill(0);
  other.save(QString::fromStdString(Scratch("other.png")));
  std::string garbled = dial;
  for (std::size_t at = 0, line = 0; (at = garbled.find("01A", at)) != std::string::npos; ++at, ++line) {
    if (line % 8 == 3) garbled.replace(at, 3, "01B");
  }
  std::string endless;
  for (int k = 0; k <= 3000; ++k) endless += "f0.png," + std::to_string(k) + "\n";
  const std::string fifo = Scratch("fifo.log");
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  struct Case {
    std::vector<std::string> options;
    std::string frames, dial;
    int code;
    std::string message;
  };
  const std::string f = Scratch("frames.csv"), d = Scratch("dial.log");
  const std::vector<Case> cases = {
      {{"--latency", "11"}, f, d, kUsageError, "--latency takes seconds from -10 to 10"},
      {{"--direction", "up"}, f, d, kUsageError, "--direction takes in, out or both"},
      {{"--dial-format", "morse"}, f, d, kUsageError, "--dial-format takes auto, digimatic"},
      {{"--dial-offset", "x"}, f, d, kUsageError, "--dial-offset takes a number"},
      {{}, Scratch("none.csv"), d, kLoadFailed, "none.csv\": No such file or directory"},
      {{}, folder_->path().string(), d, kLoadFailed, "is a folder, not a list of frames"},
      {{}, file("bad.csv", "file,time_s\nf0.png,0.1\nf1.png;0.2\n"), d, kLoadFailed, "bad.csv\", line 3: not"},
      {{}, file("missing.csv", "f0.png,1\nnothing.png,2\n"), d, kLoadFailed, "nothing.png"},
      {{}, file("other.csv", "f0.png,1\nother.png,2\n"), d, kLoadFailed, "must all be the same size"},
      {{}, file("endless.csv", endless), d, kLoadFailed, "lists 3001 frames; a sweep takes at most 3000"},
      {{}, f, fifo, kLoadFailed, "is a pipe (FIFO), not a dial log"},
      {{}, f, file("empty.log", "\n\n"), kLoadFailed, "holds no dial values"},
      {{}, f, file("garbled.log", garbled), kLoadFailed, "lines give no dial value; the first, line 4: the line"},
      {{}, f, file("late.log", "100,01A+0001.000\n101,01A+0001.100\n"), kUsageError, "fewer than two frames"},
      {{}, file("one.csv", "f0.png,1\n"), d, kUsageError, "fewer than two frames"},
  };
  for (const Case& c : cases) {
    std::vector<std::string> options = c.options;
    options.insert(options.end(), {"-o", Scratch("never.fdr"), "--plot", Scratch("never.png")});
    const CliRun run = Sweep(options, c.frames, c.dial);
    EXPECT_EQ(run.code, c.code) << c.message << ": " << run.err;
    EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
    EXPECT_EQ(run.out, "") << c.message;
    EXPECT_FALSE(std::filesystem::exists(Scratch("never.fdr")) || std::filesystem::exists(Scratch("never.png")));
  }
  EXPECT_EQ(Cli({"sweep", kTest, "--frames", f}).code, kUsageError);
  const std::string frame = ReadFileBytes(Scratch("f1.png"));
  const CliRun over = Sweep({"--plot", Scratch("f1.png")});
  EXPECT_EQ(over.code, kUsageError);
  EXPECT_NE(over.err.find("--plot would replace"), std::string::npos) << over.err;
  EXPECT_EQ(ReadFileBytes(Scratch("f1.png")), frame);
}

}  // namespace
}  // namespace zonalyst::cli
