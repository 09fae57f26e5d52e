#include "photo/PhotoFile.h"
#include "tests/support/ScratchFolder.h"

#include <QBuffer>
#include <QColor>
#include <QImage>
#include <gtest/gtest.h>

#include <array>
#include <sys/stat.h>

namespace zonalyst::photo {
namespace {

using zonalyst::testing::ScratchFolder;
using zonalyst::testing::WriteFileBytes;

std::string Path(const ScratchFolder& folder, const std::string& name) { return (folder.path() / name).string(); }

// CRC-32 of PNG chunks (ISO 3309), bit by bit: only a few bytes are checked.
std::uint32_t Crc32(const std::string& bytes) {
  std::uint32_t crc = 0xFFFFFFFFu;
  for (const char c : bytes) {
    crc ^= static_cast<unsigned char>(c);
    for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
  }
  return ~crc;
}

std::string BigEndian(std::uint32_t value) {
  return {static_cast<char>(value >> 24), static_cast<char>(value >> 16), static_cast<char>(value >> 8),
          static_cast<char>(value)};
}

// A valid PNG of 1 x 1 pixel whose header then claims width x height pixels, its checksum mended.
std::string PngClaiming(std::uint32_t width, std::uint32_t height) {
  QImage image(1, 1, QImage::Format_Grayscale8);
  image.fill(0);
  QByteArray png;
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "PNG");
  std::string bytes = png.toStdString();
  // Signature (8), IHDR length (4), "IHDR" (4), width, height, then 5 bytes, then the CRC.
  const std::string header = "IHDR" + BigEndian(width) + BigEndian(height) + bytes.substr(24, 5);
  bytes.replace(12, 17, header);
  bytes.replace(29, 4, BigEndian(Crc32(header)));
  return bytes;
}

struct HostileCase {
  const char* name;
  const char* expected;  // the message after the quoted file name, or before it
};

// A JPEG of a lit disc, as a camera would give it.
QByteArray JpegOfADisc() {
  QImage image(64, 48, QImage::Format_Grayscale8);
  image.fill(20);
  for (int y = 0; y < 48; ++y) {
    for (int x = 0; x < 64; ++x) {
      if ((x - 32) * (x - 32) + (y - 24) * (y - 24) < 400) image.scanLine(y)[x] = static_cast<uchar>(150 + x);
    }
  }
  QByteArray jpeg;
  QBuffer buffer(&jpeg);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "JPEG", 90);
  return jpeg;
}

TEST(ReadPhoto, RefusesWhatIsNoPhotographWithASentenceNamingIt) {
  ScratchFolder folder;
  WriteFileBytes(folder.path() / "text.png", "not a picture at all\n");
  WriteFileBytes(folder.path() / "empty.jpg", "");
  WriteFileBytes(folder.path() / "bomb.png", PngClaiming(100000, 100000));
  // A JPEG caught while it is being written: libjpeg fills the missing rows with grey.
  WriteFileBytes(folder.path() / "cut.jpg", JpegOfADisc().first(400).toStdString());
  QImage mono(8, 8, QImage::Format_Mono);
  mono.fill(1);
  ASSERT_TRUE(mono.save(QString::fromStdString(Path(folder, "mono.png"))));
  std::filesystem::create_directory(folder.path() / "folder.png");
  ASSERT_EQ(::mkfifo(Path(folder, "pipe.png").c_str(), 0600), 0);
  std::vector<HostileCase> cases = {
      {"text.png", "\"%\" is not a PNG, JPEG or TIFF picture"},
      {"empty.jpg", "\"%\" is empty, not a photograph"},
      {"bomb.png", "\"%\" is too large a picture (100000 x 100000 pixels, more than 60 megapixels)"},
      {"cut.jpg", "\"%\" is cut short or damaged: Corrupt JPEG data: premature end of data segment"},
      {"mono.png", "\"%\" is a picture of 1 bit a pixel; photographs need 8 or 16 bits a channel"},
      {"folder.png", "\"%\" is a folder, not a photograph"},
      {"pipe.png", "\"%\" is a pipe (FIFO), not a photograph"},
      {"missing.png", "cannot open \"%\": No such file or directory"},
  };
  // A file that tells one size and holds another, as one that grows while it is read does.
  const std::filesystem::path growing = "/sys/kernel/mm/transparent_hugepage/enabled";
  if (std::filesystem::exists(growing)) {
    std::filesystem::create_symlink(growing, folder.path() / "growing.jpg");
    cases.push_back({"growing.jpg", "\"%\" is being written (its size changed while it was read)"});
  }
  for (const HostileCase& c : cases) {
    const std::string path = Path(folder, c.name);
    std::string expected = c.expected;
    expected.replace(expected.find('%'), 1, path);
    const PhotoLoad load = ReadPhoto(path, 0);
    EXPECT_EQ(load.error, expected);
    EXPECT_EQ(load.frame.planeCount, 0) << c.name;
  }
}

// 16-bit samples that an 8-bit path would round (none a multiple of 257).
constexpr std::array<std::uint16_t, 4> kDeep = {1000, 40001, 65534, 3};

TEST(ReadPhoto, SixteenBitGreyPngAndTiffKeepTheirFullDepthInOnePlane) {
  ScratchFolder folder;
  QImage image(4, 1, QImage::Format_Grayscale16);
  for (int x = 0; x < 4; ++x) reinterpret_cast<std::uint16_t*>(image.scanLine(0))[x] = kDeep[x];
  for (const char* name : {"grey16.png", "grey16.tif"}) {
    ASSERT_TRUE(image.save(QString::fromStdString(Path(folder, name))));
    const PhotoLoad load = ReadPhoto(Path(folder, name), 0);
    ASSERT_EQ(load.error, "") << name;
    EXPECT_EQ(load.frame.planeCount, 1) << name;
    EXPECT_EQ(load.frame.planes[0], std::vector<std::uint16_t>(kDeep.begin(), kDeep.end())) << name;
  }
}

TEST(ReadPhoto, SixteenBitColourPngAndTiffKeepTheirFullDepthInThreePlanes) {
  ScratchFolder folder;
  QImage image(4, 1, QImage::Format_RGBX64);
  for (int x = 0; x < 4; ++x) {
    image.setPixelColor(x, 0, QColor(QRgba64::fromRgba64(kDeep[x], kDeep[3 - x], 7, 65535)));
  }
  for (const char* name : {"colour16.png", "colour16.tiff"}) {
    ASSERT_TRUE(image.save(QString::fromStdString(Path(folder, name))));
    const PhotoLoad load = ReadPhoto(Path(folder, name), 0);
    ASSERT_EQ(load.error, "") << name;
    ASSERT_EQ(load.frame.planeCount, 3) << name;
    EXPECT_EQ(load.frame.planes[0], std::vector<std::uint16_t>(kDeep.begin(), kDeep.end())) << name;
    EXPECT_EQ(load.frame.planes[1], std::vector<std::uint16_t>(kDeep.rbegin(), kDeep.rend())) << name;
    EXPECT_EQ(load.frame.planes[2], std::vector<std::uint16_t>(4, 7)) << name;
  }
}

TEST(ReadPhoto, EightBitJpegAndPngKeepTheirEightBitSamples) {
  ScratchFolder folder;
  QImage grey(8, 8, QImage::Format_Grayscale8);
  grey.fill(200);
  QImage colour(8, 8, QImage::Format_RGB32);
  colour.fill(qRgb(250, 100, 0));
  ASSERT_TRUE(grey.save(QString::fromStdString(Path(folder, "grey.jpg")), "JPEG", 100));
  ASSERT_TRUE(colour.save(QString::fromStdString(Path(folder, "colour.png"))));
  const PhotoLoad greyLoad = ReadPhoto(Path(folder, "grey.jpg"), 0);
  ASSERT_EQ(greyLoad.frame.planeCount, 1);
  EXPECT_NEAR(greyLoad.frame.planes[0][27], 200, 1);
  const PhotoLoad colourLoad = ReadPhoto(Path(folder, "colour.png"), 0);
  ASSERT_EQ(colourLoad.frame.planeCount, 3);
  EXPECT_EQ(colourLoad.frame.planes[0][9], 250);
  EXPECT_EQ(colourLoad.frame.planes[1][9], 100);
  EXPECT_EQ(colourLoad.frame.planes[2][9], 0);
}

TEST(ReadPhoto, ReducesByAveragingWholeBlocksHalvesToEven) {
  ScratchFolder folder;
  // 5 x 3 pixels to at most 3 across: blocks of 2 x 2; the last column and row are left out.
  QImage image(5, 3, QImage::Format_Grayscale8);
  image.fill(255);
  const std::array<std::array<uchar, 4>, 2> blocks = {{{1, 2, 1, 2}, {2, 3, 2, 3}}};  // means 1.5 and 2.5
  for (int y = 0; y < 2; ++y) {
    for (int x = 0; x < 4; ++x) image.scanLine(y)[x] = blocks[x / 2][2 * y + x % 2];
  }
  ASSERT_TRUE(image.save(QString::fromStdString(Path(folder, "reduce.png"))));
  const PhotoLoad load = ReadPhoto(Path(folder, "reduce.png"), 3);
  ASSERT_EQ(load.error, "");
  EXPECT_EQ(load.frame.width, 2);
  EXPECT_EQ(load.frame.height, 1);
  EXPECT_EQ(load.frame.scale, 2.0);
  EXPECT_EQ(load.fileWidth, 5);
  EXPECT_EQ(load.frame.planes[0], (std::vector<std::uint16_t>{2, 2}));
}

TEST(ReadPhoto, ReducesTallAndWidePicturesByTheirLargerSideInEveryFormat) {
  ScratchFolder folder;
  const QImage disc = QImage::fromData(JpegOfADisc());
  // JPEG is scaled by libjpeg as it is decoded, PNG averaged after: the frames agree in size and scale.
  for (const bool tall : {false, true}) {
    const QImage picture = tall ? disc.transformed(QTransform().rotate(90)) : disc;
    for (const char* format : {"png", "jpg"}) {
      const std::string path = Path(folder, std::string(tall ? "tall." : "wide.") + format);
      ASSERT_TRUE(picture.save(QString::fromStdString(path)));
      const PhotoLoad load = ReadPhoto(path, 16);
      ASSERT_EQ(load.error, "") << path;
      EXPECT_EQ(load.frame.scale, 4.0) << path;
      EXPECT_EQ(std::max(load.frame.width, load.frame.height), 16) << path;
      EXPECT_EQ(std::min(load.frame.width, load.frame.height), 12) << path;
      EXPECT_EQ(load.fileWidth, tall ? 48 : 64) << path;
      // The disc's bright middle survives either way.
      EXPECT_GT(load.frame.planes[0][load.frame.planes[0].size() / 2 + load.frame.width / 2], 150) << path;
    }
  }
}

}  // namespace
}  // namespace zonalyst::photo
