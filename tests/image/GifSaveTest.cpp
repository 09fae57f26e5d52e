#include "GifFileParts.h"
#include "image/GIF.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <stdexcept>

namespace zonalyst::image {
namespace {

using test::ReadBytes;
using test::ScratchFolder;
using ::testing::ElementsAre;

PixelImage Picture(int width, int height) { return test::Filled(width, height, 0x00FF8000); }

using testing::ReadFileBytes;
using testing::WriteFileBytes;

GifSaveResult Save(const PixelImage& picture, const std::filesystem::path& path) {
  return GIF().SaveGIF(picture, path, false, 0);
}

TEST(GifSaveProgress, ReportedAfterEveryTenthRowRoundedHalfToEven) {
  const std::pair<int, std::vector<int>> cases[] = {
      {9, {}}, {1, {}}, {10, {100}}, {25, {40, 80}}, {48, {21, 42, 62, 83}}, {80, {12, 25, 38, 50, 62, 75, 88, 100}}};
  ScratchFolder folder;
  for (const auto& [height, percents] : cases) {
    std::vector<int> reported;
    const auto report = [&](int percent) { return reported.push_back(percent), true; };
    EXPECT_EQ(GIF().SaveGIF(Picture(3, height), folder / "p.gif", false, 0, report).outcome, GifSaveOutcome::Written);
    EXPECT_EQ(reported, percents) << height << " rows";
  }
}

TEST(GifSave, WritesANewFileReplacesAnExistingOneAndTakesTheLargestSide) {
  ScratchFolder folder;
  const auto path = folder / "Mirror F4.gif";
  EXPECT_EQ(Save(Picture(5, 5), path).outcome, GifSaveOutcome::Written);
  const std::vector<std::uint8_t> first = ReadBytes(path);
  WriteFileBytes(path, "an older file");
  const GifSaveResult again = Save(Picture(5, 5), path);
  EXPECT_EQ(again.outcome, GifSaveOutcome::Written);
  EXPECT_EQ(ReadBytes(path), first);
  EXPECT_THAT(folder.entries(), ElementsAre("Mirror F4.gif"));

  EXPECT_EQ(Save(Picture(32767, 2), path).outcome, GifSaveOutcome::Written);
  const test::GifFileParts parts = test::SplitGif(ReadBytes(path));
  EXPECT_EQ(parts.screenWidth, 32767);
  EXPECT_TRUE(parts.terminatedAndTrailed);
}

TEST(GifSave, ASaveStartedDuringASaveIsBusyAndWritesNothing) {
  ScratchFolder folder;
  GIF gif;
  std::vector<GifSaveResult> nested;
  const GifSaveResult outer = gif.SaveGIF(Picture(4, 20), folder / "outer.gif", false, 0, [&](int) {
    nested.push_back(gif.SaveGIF(Picture(4, 4), folder / "inner.gif", false, 0));
    return true;
  });
  EXPECT_EQ(outer.outcome, GifSaveOutcome::Written);
  ASSERT_EQ(nested.size(), 2U);
  EXPECT_EQ(nested[0].outcome, GifSaveOutcome::Busy);
  EXPECT_EQ(nested[0].message, "A GIF image is already being saved.");
  EXPECT_THAT(folder.entries(), ElementsAre("outer.gif"));
  EXPECT_EQ(gif.SaveGIF(Picture(4, 4), folder / "inner.gif", false, 0).outcome, GifSaveOutcome::Written);
}

TEST(GifSave, StoppingOrThrowingFromTheProgressCallbackLeavesTheTargetAsItWasAndTheWriterFree) {
  ScratchFolder folder;
  const auto path = folder / "kept.gif";
  WriteFileBytes(path, "previous picture");
  GIF gif;
  int events = 0;
  const GifSaveResult result = gif.SaveGIF(Picture(4, 50), path, false, 0, [&](int) { return ++events < 2; });
  EXPECT_EQ(result.outcome, GifSaveOutcome::Cancelled);
  EXPECT_EQ(result.message, "Saving \"" + path.string() + "\" was cancelled.");
  EXPECT_EQ(events, 2);
  EXPECT_THROW(gif.SaveGIF(Picture(4, 30), folder / "x.gif", false, 0,
                           [](int) -> bool { throw std::runtime_error("window closed"); }),
               std::runtime_error);
  EXPECT_EQ(ReadFileBytes(path), "previous picture");
  EXPECT_THAT(folder.entries(), ElementsAre("kept.gif"));
  EXPECT_EQ(gif.SaveGIF(Picture(4, 30), folder / "x.gif", false, 0).outcome, GifSaveOutcome::Written);
}

// A missing folder or a full disk: the file writer's reason, pinned by the export tests of the
// command line (ExportBinaryTest, hostile-cli.sh) and the file writer's own.
TEST(GifSave, PicturesThatCannotBeWrittenAreRefusedWithTheirReason) {
  const struct {
    int width, height;
    std::size_t pixelCount;
    std::string reason;
  } cases[] = {
      {32768, 1, 32768, "the picture is 32768 x 1 pixels, more than 32767 on a side"},
      {1, 32768, 32768, "the picture is 1 x 32768 pixels, more than 32767 on a side"},
      {5, 0, 0, "the picture is 5 x 0 pixels and has nothing to save"},
      {-3, 4, 0, "the picture is -3 x 4 pixels and has nothing to save"},
      {3, 3, 8, "the picture is 3 x 3 pixels but holds 8 pixel values"},
  };
  ScratchFolder folder;
  const auto path = folder / "refused.gif";
  WriteFileBytes(path, "previous picture");
  for (const auto& c : cases) {
    const GifSaveResult result = Save({c.width, c.height, std::vector<std::uint32_t>(c.pixelCount, 0)}, path);
    EXPECT_EQ(result.outcome, GifSaveOutcome::Failed);
    EXPECT_EQ(result.message, "could not write \"" + path.string() + "\": " + c.reason);
  }
  EXPECT_EQ(ReadFileBytes(path), "previous picture");
  EXPECT_THAT(folder.entries(), ElementsAre("refused.gif"));
}

}  // namespace
}  // namespace zonalyst::image
