#include "photo/PhotoFile.h"
#include "photo/PreparedSeries.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/TestMirror.h"

#include <QBuffer>
#include <QImage>
#include <gtest/gtest.h>

namespace zonalyst::photo {
namespace {

using zonalyst::testing::ScratchFolder;

// Photographs of width x 2 pixels, each one grey level, named 0.png, 1.png, ...
std::vector<std::string> GreyPhotos(const ScratchFolder& folder, const std::vector<int>& widths) {
  std::vector<std::string> paths;
  for (std::size_t i = 0; i < widths.size(); ++i) {
    QImage image(widths[i], 2, QImage::Format_Grayscale8);
    image.fill(static_cast<uint>(10 * i));
    paths.push_back((folder.path() / (std::to_string(i) + ".png")).string());
    EXPECT_TRUE(image.save(QString::fromStdString(paths.back())));
  }
  return paths;
}

TEST(ReadPhotoSeries, KeepsThePathsOrderAndReportsEveryFileRead) {
  ScratchFolder folder;
  const std::vector<std::string> paths = GreyPhotos(folder, std::vector<int>(7, 3));
  std::vector<int> reported;
  const SeriesLoad series = ReadPhotoSeries(paths, 0, [&](int read) {
    reported.push_back(read);
    return true;
  });
  ASSERT_EQ(series.error, "");
  ASSERT_EQ(series.frames.size(), 7u);
  for (std::size_t i = 0; i < 7; ++i) EXPECT_EQ(series.frames[i].grey[0], 10 * i);
  ASSERT_FALSE(reported.empty());
  EXPECT_TRUE(std::is_sorted(reported.begin(), reported.end()));
  EXPECT_EQ(reported.back(), 7);
}

TEST(ReadPhotoSeries, AFrameOfAnotherSizeIsNamed) {
  ScratchFolder folder;
  const std::vector<std::string> paths = GreyPhotos(folder, {3, 3, 4, 3});
  const SeriesLoad series = ReadPhotoSeries(paths, 0);
  EXPECT_EQ(series.error, "\"" + paths[2] + "\" is 4 x 2 pixels, but \"" + paths[0] +
                              "\" is 3 x 2: the photographs of a series must all be the same size");
  EXPECT_TRUE(series.frames.empty());
}

TEST(ReadPhotoSeries, TheFirstFileThatFailsIsNamed) {
  ScratchFolder folder;
  std::vector<std::string> paths = GreyPhotos(folder, {3, 3});
  paths.insert(paths.begin() + 1, (folder.path() / "missing.png").string());
  EXPECT_EQ(ReadPhotoSeries(paths, 0).error, "cannot open \"" + paths[1] + "\": No such file or directory");
}

// A JPEG with an EXIF orientation tag (1 as taken, 3 turned 180 degrees), as a camera writes it.
std::string JpegTurned(int orientation) {
  QImage image(8, 4, QImage::Format_Grayscale8);
  image.fill(100);
  QByteArray jpeg;
  QBuffer buffer(&jpeg);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "JPEG");
  // APP1 "Exif": a big-endian TIFF header and one IFD entry, Orientation (0x0112), SHORT, 1 value.
  const std::string tiff = std::string("MM\0\x2a\0\0\0\x08\0\x01\x01\x12\0\x03\0\0\0\x01\0", 19) +
                           static_cast<char>(orientation) + std::string(6, '\0');
  const std::string app1 = std::string("Exif\0\0", 6) + tiff;
  const std::string segment =
      std::string("\xff\xe1") + static_cast<char>((app1.size() + 2) >> 8) + static_cast<char>(app1.size() + 2) + app1;
  return jpeg.left(2).toStdString() + segment + jpeg.mid(2).toStdString();
}

TEST(ReadPhotoSeries, AFrameTurnedOtherwiseThanTheSeriesIsNamed) {
  ScratchFolder folder;
  std::vector<std::string> paths;
  for (const int orientation : {3, 1, 1, 3, 1}) {
    paths.push_back((folder.path() / (std::to_string(paths.size()) + ".jpg")).string());
    zonalyst::testing::WriteFileBytes(paths.back(), JpegTurned(orientation));
  }
  EXPECT_EQ(ReadPhotoSeries(paths, 0).error, "\"" + paths[0] +
                                                 "\" is turned 180 degrees by its orientation tag, the other "
                                                 "photographs as taken: the photographs of a series must all be "
                                                 "turned alike");
}

TEST(ReadPhotoSeries, ASeriesBeyondTheMemoryBudgetIsRefusedAfterItsFirstPhoto) {
  ScratchFolder folder;
  const std::string path = (folder.path() / "large.png").string();
  QImage large(1000, 1000, QImage::Format_Grayscale8);
  large.fill(0);
  ASSERT_TRUE(large.save(QString::fromStdString(path)));
  const SeriesLoad series = ReadPhotoSeries(std::vector<std::string>(600, path), 1000);
  EXPECT_EQ(series.error,
            "600 photographs of 1000 x 1000 pixels need 1144 MiB as frames, more than the 1024 MiB a series may hold");
  EXPECT_TRUE(series.frames.empty());
}

TEST(ReadPhotoSeries, StopsWhenProgressSaysSo) {
  ScratchFolder folder;
  const std::vector<std::string> paths = GreyPhotos(folder, std::vector<int>(6, 3));
  const SeriesLoad series = ReadPhotoSeries(paths, 0, [](int) { return false; });
  EXPECT_TRUE(series.cancelled);
  EXPECT_TRUE(series.frames.empty());
  EXPECT_EQ(series.error, "");
}

TEST(PrepareSeries, ACancelReachesEveryStepAndStopsTheRest) {
  ScratchFolder folder;
  const std::vector<std::string> paths = GreyPhotos(folder, std::vector<int>(3, 4));
  const MirrorTest test = zonalyst::testing::TestMirror();
  for (const SeriesStep stop : {SeriesStep::Decoding, SeriesStep::Brightest, SeriesStep::Disc, SeriesStep::Mask}) {
    std::vector<SeriesStep> seen;
    const PreparedSeries series = PrepareSeries(paths, test, {}, [&](const SeriesProgress& now) {
      seen.push_back(now.step);
      return now.step != stop;
    });
    EXPECT_TRUE(series.cancelled);
    EXPECT_FALSE(series.ready());
    EXPECT_EQ(seen.back(), stop);
    EXPECT_EQ(std::count(seen.begin(), seen.end(), stop), 1);
  }
  const PreparedSeries whole = PrepareSeries(paths, test, {PhotoDisc{2.0, 1.0, 1.5}, true, {}});
  ASSERT_TRUE(whole.ready());
  ASSERT_TRUE(whole.discScale);
  EXPECT_EQ(whole.discScale->source, ScaleSource::Given);
  EXPECT_TRUE(whole.masked);
  EXPECT_EQ(whole.frames.size(), 3u);
}

}  // namespace
}  // namespace zonalyst::photo
