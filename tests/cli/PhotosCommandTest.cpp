#include "CliRun.h"
#include "core/NumberText.h"
#include "core/PhotoReadings.h"
#include "io/TestFileLoader.h"
#include "plot/ContrastCurvesChart.h"

#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace zonalyst::cli {
namespace {

using testing::ReadFileBytes;
using testing::WriteFileBytes;

// A moving-source test whose zones 2..7 lie outside 0.35 of the radius; its readings run
// from 0.75 to 2.25 mm, and with a moving source they are where the simulated view nulls.
const std::string kTest = kExamples + "foucault2-simu200f6-unmasked-7zones-effective.fdr";
constexpr int kDisc = 400;  // the simulated disc's diameter, pixels
constexpr int kFrameWidth = 600, kFrameHeight = 480;
constexpr int kLeft = 130, kTop = 46;  // the disc's square off the frame's centre

// Each pixel's value after a Gaussian blur of sigma pixels, along rows then columns.
std::vector<double> Blurred(std::vector<double> v, int width, int height, double sigma) {
  const int reach = static_cast<int>(std::ceil(3.0 * sigma));
  std::vector<double> kernel;
  for (int i = -reach; i <= reach; ++i) kernel.push_back(std::exp(-i * i / (2.0 * sigma * sigma)));
  double sum = 0.0;
  for (const double k : kernel) sum += k;
  for (const auto& [stepX, stepY] : {std::pair{1, 0}, std::pair{0, 1}}) {
    std::vector<double> out(v.size(), 0.0);
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < width; ++x) {
        for (int i = -reach; i <= reach; ++i) {
          const int sx = std::clamp(x + i * stepX, 0, width - 1), sy = std::clamp(y + i * stepY, 0, height - 1);
          out[y * width + x] += kernel[i + reach] / sum * v[sy * width + sx];
        }
      }
    }
    v = std::move(out);
  }
  return v;
}

// The simulated view at the knife position as a camera would take it: off-centre in a larger
// frame, a bright rim at the edge, blurred 1.5 px, exposed with the gain, noise of 3 grey
// levels, JPEG at quality 85.
void TakePhoto(const std::string& view, double gain, unsigned seed, const std::string& photo) {
  const QImage simulated = QImage(QString::fromStdString(view)).convertToFormat(QImage::Format_Grayscale8);
  ASSERT_FALSE(simulated.isNull());
  std::vector<double> v(kFrameWidth * kFrameHeight, 0.0);
  const double c = kDisc / 2.0;
  for (int y = 0; y < kDisc; ++y) {
    for (int x = 0; x < kDisc; ++x) {
      const double r = std::hypot(x + 0.5 - c, y + 0.5 - c);
      const double rim = std::fabs(r - c) < 0.7 ? 140.0 : 0.0;
      v[(y + kTop) * kFrameWidth + x + kLeft] = std::max<double>(simulated.constScanLine(y)[x], rim);
    }
  }
  v = Blurred(std::move(v), kFrameWidth, kFrameHeight, 1.5);
  std::mt19937 noise(seed);
  std::normal_distribution<double> sigma3(0.0, 3.0);
  QImage image(kFrameWidth, kFrameHeight, QImage::Format_Grayscale8);
  for (int y = 0; y < kFrameHeight; ++y) {
    for (int x = 0; x < kFrameWidth; ++x) {
      image.scanLine(y)[x] =
          static_cast<uchar>(std::clamp(std::round(v[y * kFrameWidth + x] * gain + sigma3(noise)), 0.0, 255.0));
    }
  }
  ASSERT_TRUE(image.save(QString::fromStdString(photo), "JPEG", 85));
}

class PhotosCommand : public ::testing::Test {
 protected:
  // 20 photographs every 0.1 mm from 0.55 to 2.45 mm, made once for every case.
  static void SetUpTestSuite() {
    folder_ = new ScratchFolder;
    for (int k = 0; k < 20; ++k) {
      const std::string knife = FormatFixed(0.55 + 0.1 * k, 2);
      const std::string view = (folder_->path() / "view.png").string();
      ASSERT_EQ(
          Cli({"simulate", kTest, "--view", "foucault", "--knife", knife, "--size", std::to_string(kDisc), "-o", view})
              .code,
          kSuccess);
      photos_.push_back((folder_->path() / ("ke_" + knife + "mm.jpg")).string());
      TakePhoto(view, 0.85 + 0.3 * std::fmod(k * 0.618, 1.0), 100 + k, photos_.back());
    }
  }
  static void TearDownTestSuite() { delete folder_; }

  static CliRun Photos(std::vector<std::string> options, std::vector<std::string> photos = photos_) {
    std::vector<std::string> args = {"photos", kTest};
    args.insert(args.end(), photos.begin(), photos.end());
    args.insert(args.end(), options.begin(), options.end());
    return Cli(args);
  }
  static std::string Scratch(const std::string& name) { return (folder_->path() / name).string(); }
  // The photographs up to 2.15 mm: zone 7's null, at 2.25 mm, lies beyond them.
  static std::vector<std::string> ShortOfZone7() { return {photos_.begin(), photos_.begin() + 17}; }

  static inline ScratchFolder* folder_ = nullptr;
  static inline std::vector<std::string> photos_;
};

QStringList Keys(const QJsonObject& object) {
  QStringList keys = object.keys();
  keys.sort();
  return keys;
}

QJsonObject JsonOf(const CliRun& run) { return QJsonDocument::fromJson(QByteArray::fromStdString(run.out)).object(); }

// The disc where the test drew it: "X,Y,R" in the photographs' pixels.
const std::string kTrueDisc =
    std::to_string(kLeft + kDisc / 2) + "," + std::to_string(kTop + kDisc / 2) + "," + std::to_string(kDisc / 2);

TEST_F(PhotosCommand, JsonHoldsExactlyTheKeysAndAStatusForEveryZone) {
  const CliRun run = Photos({"--json"});
  ASSERT_EQ(run.code, kSuccess) << run.err;
  const QJsonObject json = JsonOf(run);
  EXPECT_EQ(Keys(json), (QStringList{"disc", "light_gradient", "light_gradient_uncertainty", "photos", "zones"}));
  EXPECT_EQ(Keys(json["disc"].toObject()),
            (QStringList{"edge_diameter_mm", "radius", "radius_uncertainty", "source", "x", "y"}));
  EXPECT_EQ(json["disc"]["source"].toString(), "found edge");
  const QJsonArray photos = json["photos"].toArray();
  ASSERT_EQ(photos.size(), 20);
  EXPECT_EQ(Keys(photos[0].toObject()), (QStringList{"file", "position", "source"}));
  EXPECT_EQ(photos[0]["source"].toString(), "name");
  EXPECT_EQ(photos[4]["position"].toDouble(), 0.95);
  EXPECT_EQ(photos[4]["file"].toString().toStdString(), photos_[4]);

  const QJsonArray zones = json["zones"].toArray();
  ASSERT_EQ(zones.size(), 7);
  EXPECT_EQ(run.err, "");  // every zone read, zone 1 too: its two windows do not touch
  for (int z = 0; z < 7; ++z) {
    EXPECT_EQ(Keys(zones[z].toObject()),
              (QStringList{"hand", "radius_mm", "reading", "status", "uncertainty", "uncertainty_parts", "zone"}));
    EXPECT_EQ(zones[z]["status"].toString().toStdString(), StatusText(NullStatus::Read)) << "zone " << z + 1;
  }
}

// With a moving source the simulated view nulls each zone at the test's own reading.
TEST_F(PhotosCommand, DegradedJpegSeriesWithItsDiscGivesEachZoneWithinAHundredthOfAMillimetre) {
  const QJsonArray zones = JsonOf(Photos({"--json", "--disc", kTrueDisc}))["zones"].toArray();
  ASSERT_EQ(zones.size(), 7);
  for (int z = 0; z < 7; ++z) {
    EXPECT_NEAR(zones[z]["reading"].toDouble(), zones[z]["hand"].toDouble(), 0.01) << "zone " << z + 1;
  }
}

TEST_F(PhotosCommand, WritesTheReadingsIntoASetOfACopyAndKeepsTheInput) {
  const std::string before = ReadFileBytes(kTest);
  const std::string copy = Scratch("copy.fdr");
  const std::string plot = Scratch("curves.png");
  const CliRun run = Photos({"--json", "--set", "1", "-o", copy, "--plot", plot}, ShortOfZone7());
  ASSERT_EQ(run.code, kSuccess) << run.err;
  EXPECT_EQ(run.err, "warning: zone 7 has no reading (" + StatusText(NullStatus::NoCrossing) + ")\n");
  EXPECT_EQ(ReadFileBytes(kTest), before);
  const io::LoadResult written = io::LoadTestFile("", copy);
  const io::LoadResult input = io::LoadTestFile("", kTest);
  ASSERT_TRUE(written.ok() && input.ok());
  EXPECT_EQ(written.test->ReadingSets, 1);
  EXPECT_EQ(written.test->KeReading[7][1], input.test->KeReading[7][1]) << "an unread zone keeps its measured value";
  const QJsonArray zones = JsonOf(run)["zones"].toArray();
  for (int z = 1; z <= 6; ++z) {
    EXPECT_EQ(written.test->KeReading[z][1], std::stod(FormatFixed(zones[z - 1]["reading"].toDouble(), 3))) << z;
  }
  EXPECT_EQ(QImage(QString::fromStdString(plot)).size(), QSize(plot::kContrastChartWidth, plot::kContrastChartHeight));
}

// A value never measured is never written as a reading: nothing is written, exit code 3.
TEST_F(PhotosCommand, WritesNothingWhereAZoneWouldHoldAValueNeverMeasured) {
  std::string blank = ReadFileBytes(kTest);
  for (const std::string zone :
       {"30.96 0 0.75", "46.87 0 1", "59.43 0 1.25", "65.76 0 1.5", "77.46 0 1.75", "85.25 0 2", "93.5 0 2.25"}) {
    blank.replace(blank.find(zone), zone.size(), zone.substr(0, zone.rfind(' ')) + " 0");
  }
  WriteFileBytes(Scratch("blank.fdr"), blank);
  const std::string copy = Scratch("refused.fdr");
  const std::string unmeasured = "zone 7 got no reading from the photographs, and set ";
  struct Case {
    std::string test;
    std::vector<std::string> options;
    std::string message;
  };
  const std::vector<Case> cases = {
      {kTest, {}, unmeasured + "2 holds no measured value there"},
      {Scratch("blank.fdr"), {}, unmeasured + "1 holds no measured value there"},
      {kTest, {"--disc", "5000,5000,100", "--set", "1"}, "no zone was read from the photographs"},
  };
  for (const Case& c : cases) {
    std::vector<std::string> args = {"photos", c.test, "-o", copy};
    const std::vector<std::string> photos = ShortOfZone7();
    args.insert(args.end(), photos.begin(), photos.end());
    args.insert(args.end(), c.options.begin(), c.options.end());
    const CliRun run = Cli(args);
    EXPECT_EQ(run.code, kSetupRefused) << c.message;
    EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
    EXPECT_FALSE(std::filesystem::exists(copy)) << c.message;
  }
}

TEST_F(PhotosCommand, ListedPositionsServeAsTheNamesDo) {
  std::string list = "file,position\n";
  std::vector<std::string> renamed;
  for (std::size_t k = 0; k < photos_.size(); ++k) {
    renamed.push_back(Scratch("frame" + std::to_string(k) + ".jpg"));
    std::filesystem::copy_file(photos_[k], renamed.back());
    list += "frame" + std::to_string(k) + ".jpg," + FormatFixed(0.55 + 0.1 * k, 2) + "\r\n";
  }
  WriteFileBytes(Scratch("positions.csv"), list);
  const CliRun named = Photos({"--json", "--disc", kTrueDisc});
  const CliRun listed = Photos({"--json", "--positions", Scratch("positions.csv"), "--disc", kTrueDisc}, renamed);
  ASSERT_EQ(listed.code, kSuccess) << listed.err;
  const QJsonObject disc = JsonOf(listed)["disc"].toObject();
  EXPECT_EQ(disc["source"].toString(), "given");
  EXPECT_EQ(disc["x"].toDouble(), kLeft + kDisc / 2);
  EXPECT_EQ(disc["radius"].toDouble(), kDisc / 2);
  EXPECT_EQ(disc["edge_diameter_mm"].toDouble(), 199.0);
  EXPECT_EQ(JsonOf(listed)["zones"], JsonOf(named)["zones"]);
  // Positions listed backwards make readings that fall with the radius: a moving-source test
  // whose own rise warns.
  const std::string against = "the readings from the photographs run the other way with the zones' radius";
  EXPECT_EQ(listed.err.find(against), std::string::npos) << listed.err;
  list = "file,position\n";
  for (std::size_t k = 0; k < photos_.size(); ++k)
    list += "frame" + std::to_string(k) + ".jpg," + FormatFixed(2.45 - 0.1 * k, 2) + "\n";
  WriteFileBytes(Scratch("backwards.csv"), list);
  const CliRun backwards = Photos({"--positions", Scratch("backwards.csv"), "--disc", kTrueDisc}, renamed);
  EXPECT_EQ(backwards.code, kSuccess);
  EXPECT_NE(backwards.err.find(against), std::string::npos) << backwards.err;
  // A visible edge that stands for 190 mm: the test's 199 mm lie on a larger circle.
  const QJsonObject bevelled =
      JsonOf(Photos({"--json", "--disc", kTrueDisc, "--edge-diameter", "190"}))["disc"].toObject();
  EXPECT_DOUBLE_EQ(bevelled["radius"].toDouble(), kDisc / 2 * 199.0 / 190.0);
  EXPECT_EQ(bevelled["edge_diameter_mm"].toDouble(), 190.0);
}

TEST_F(PhotosCommand, RefusesWhatCannotBeReadWithItsExitCode) {
  WriteFileBytes(Scratch("text_1.5.png"), "no picture\n");
  WriteFileBytes(Scratch("empty_1.6.jpg"), "");
  QImage small(20, 20, QImage::Format_Grayscale8);
  small.fill(0);
  small.save(QString::fromStdString(Scratch("small_2.95.png")));
  const std::string p0 = photos_[0], p1 = photos_[1];
  // Outputs that would replace an input, reached through links.
  std::filesystem::create_symlink(p1, Scratch("photo-link.png"));
  const std::string list = Scratch("list.csv");
  WriteFileBytes(list, "ke_0.55mm.jpg,0.55\nke_0.65mm.jpg,0.65\n");
  std::filesystem::create_symlink(list, Scratch("list-link.fdr"));
  struct Case {
    std::vector<std::string> photos, options;
    int code;
    std::string message;
  };
  const std::vector<Case> cases = {
      {{p0}, {}, kUsageError, "expected two or more photographs at different knife positions"},
      {{p0, p0}, {}, kUsageError, "are both at knife position 0.55"},
      {{p0, Scratch("frame.jpg")}, {}, kUsageError, "holds no knife position; give them with --positions FILE.csv"},
      {{p0, p1}, {"--disc", "1,2"}, kUsageError, "--disc takes X,Y,R"},
      {{p0, p1}, {"--set", "5"}, kUsageError, "--set takes a reading set from 1 to 4"},
      {{p0, p1}, {"--edge-diameter", "0"}, kUsageError, "--edge-diameter takes the diameter the disc's edge"},
      {{p0, p1}, {"--set", "3"}, kUsageError, "--set 3 would bring reading sets of zeros into use"},
      {{p0, p1}, {"-o", "x.txt"}, kUsageError, "-o names the .fdr file to write"},
      {{p0, p1},
       {"--plot", Scratch("photo-link.png")},
       kUsageError,
       "--plot would replace \"" + p1 + "\", a photograph"},
      {{p0, p1}, {"--positions", list, "-o", Scratch("list-link.fdr")}, kUsageError, "-o would replace \"" + list},
      {{p0, p1}, {"--disc", "1e10,20,10"}, kUsageError, "--disc takes X,Y,R in pixels"},
      {{p0, p1}, {"--disc", "350,232,4.9e-324"}, kUsageError, "--disc takes X,Y,R in pixels"},
      {{p0, p1}, {"--positions", Scratch("none.csv")}, kLoadFailed, "none.csv\": No such file or directory"},
      {{p0, Scratch("text_1.5.png")}, {}, kLoadFailed, "text_1.5.png\" is not a PNG, JPEG or TIFF picture"},
      {{p0, Scratch("empty_1.6.jpg")}, {}, kLoadFailed, "empty_1.6.jpg\" is empty, not a photograph"},
      {{p0, Scratch("small_2.95.png")}, {}, kLoadFailed, "the photographs of a series must all be the same size"},
  };
  for (const Case& c : cases) {
    const CliRun run = Photos(c.options, c.photos);
    EXPECT_EQ(run.code, c.code) << c.message;
    EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
    EXPECT_EQ(run.out, "");
  }
  EXPECT_EQ(Cli({"photos", Scratch("missing.fdr"), p0, p1}).code, kLoadFailed);
  std::string zeroRadius = ReadFileBytes(kTest);
  zeroRadius.replace(zeroRadius.find("2400 199"), 4, "0");
  WriteFileBytes(Scratch("zero-radius.fdr"), zeroRadius);
  EXPECT_EQ(Cli({"photos", Scratch("zero-radius.fdr"), p0, p1}).code, kSetupRefused);
}

}  // namespace
}  // namespace zonalyst::cli
