#include "GifFileParts.h"
#include "image/GIF.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <set>
#include <utility>

namespace zonalyst::image {
namespace {

using test::GifFileParts;
using test::NineBitCodes;
using test::PictureOfIndices;
using test::ReadBytes;
using test::ScratchFolder;
using test::SplitGif;
using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

constexpr unsigned kClear = 256;
constexpr unsigned kEnd = 257;

class GifCodeStream : public ::testing::Test {
 protected:
  std::vector<std::uint8_t> save(const PixelImage& picture, bool useTransparency = false,
                                 std::uint32_t transparentColour = 0) {
    const auto path = folder_ / "picture.gif";
    GIF gif;
    const GifSaveResult result = gif.SaveGIF(picture, path, useTransparency, transparentColour);
    EXPECT_EQ(result.outcome, GifSaveOutcome::Written) << result.message;
    return ReadBytes(path);
  }
  std::vector<unsigned> codesOf(const PixelImage& picture) {
    const GifFileParts parts = SplitGif(save(picture));
    EXPECT_TRUE(parts.terminatedAndTrailed);
    return NineBitCodes(parts.data);
  }

  ScratchFolder folder_;
};

TEST_F(GifCodeStream, OnePixelIsClearPixelEndInFourBytesAndEachOnePixelRowStartsWithAClear) {
  const std::vector<std::uint8_t> bytes = save(PictureOfIndices({{4}}));
  // 256 | 4 << 9 | 257 << 18 = 0x04040900, least significant byte first.
  EXPECT_THAT(std::vector<std::uint8_t>(bytes.end() - 7, bytes.end()), ElementsAre(4, 0x00, 0x09, 0x04, 0x04, 0, 0x3B));
  EXPECT_THAT(codesOf(PictureOfIndices({{4}, {124}, {0}})), ElementsAre(kClear, 4, kClear, 124, kClear, 0, kEnd));
}

TEST_F(GifCodeStream, UniformRowIsCodedInGrowingRunsAndEveryRowStartsWithAnEmptyTable) {
  // 12 = 1 + 2 + 3 + 4 + 2 pixels.
  EXPECT_THAT(codesOf(PictureOfIndices({std::vector<int>(12, 7)})), ElementsAre(kClear, 7, 258, 259, 260, 258, kEnd));
  EXPECT_THAT(codesOf(PictureOfIndices({{3, 3, 3}, {3, 3, 3}})), ElementsAre(kClear, 3, 258, kClear, 3, 258, kEnd));
}

// A row whose neighbouring pixels never pair the same way twice, so that every pixel
// after the first adds a string to the table.
std::vector<int> RowOfDistinctPairs(int length) {
  std::set<std::pair<int, int>> used;
  std::vector<int> row{0};
  while (static_cast<int>(row.size()) < length) {
    int step = 1;
    while (used.count({row.back(), (row.back() + step) % 125}) != 0) ++step;
    const int next = (row.back() + step) % 125;
    used.insert({row.back(), next});
    row.push_back(next);
  }
  return row;
}

TEST_F(GifCodeStream, FullTableGivesPendingCodeThenClearThenCodesFrom258Again) {
  // Pixels 1..253 fill codes 258..510; pixel 254 finds the table full.
  std::vector<int> row = RowOfDistinctPairs(256);
  row.push_back(row[254]);
  row.push_back(row[255]);

  std::vector<unsigned> expected{kClear};
  expected.insert(expected.end(), row.begin(), row.begin() + 254);
  // row[254], row[255] again is the first string after the clear
  for (const unsigned code : {kClear, unsigned(row[254]), unsigned(row[255]), 258U, kEnd}) expected.push_back(code);

  const std::vector<unsigned> codes = codesOf(PictureOfIndices({row}));
  EXPECT_THAT(codes, ElementsAreArray(expected));
  for (const unsigned code : codes) EXPECT_LT(code, 511U);
}

TEST_F(GifCodeStream, DataOfExactly255BytesIsOneFullSubBlockAndLongerDataContinuesInANewOne) {
  // 75 rows of clear + 2 pixels, and the end code: 226 codes, 2034 bits, 255 bytes.
  const GifFileParts parts = SplitGif(save(PictureOfIndices(std::vector(75, std::vector<int>{1, 2}))));
  EXPECT_THAT(parts.subBlockSizes, ElementsAre(255));
  EXPECT_TRUE(parts.terminatedAndTrailed);
  EXPECT_EQ(parts.bytesAfterTrailer, 0U);
  EXPECT_EQ(NineBitCodes(parts.data).size(), 226U);

  // One row more: 229 codes, 2061 bits, 258 bytes.
  const GifFileParts longer = SplitGif(save(PictureOfIndices(std::vector(76, std::vector<int>{1, 2}))));
  EXPECT_THAT(longer.subBlockSizes, ElementsAre(255, 3));
  const std::vector<unsigned> codes = NineBitCodes(longer.data);
  ASSERT_EQ(codes.size(), 229U);
  EXPECT_THAT(std::vector<unsigned>(codes.end() - 4, codes.end()), ElementsAre(kClear, 1, 2, kEnd));
}

TEST_F(GifCodeStream, WithoutTransparencyTheFileIsGif87aWithoutExtensionAndWithItGif89aWithTheExtension) {
  const GifFileParts parts = SplitGif(save(PictureOfIndices({{1, 2, 3}, {4, 5, 6}}), false, 0x00FF0000));
  // The screen's size, the colour table and the code size: GifDecode reads them back.
  EXPECT_EQ(parts.signature, "GIF87a");
  EXPECT_THAT(parts.screenFlags, ElementsAre(0xF7, 0, 0));
  EXPECT_TRUE(parts.controlExtension.empty());
  EXPECT_THAT(parts.imageDescriptor, ElementsAre(0x2C, 0, 0, 0, 0, 3, 0, 2, 0, 0x07));

  const GifFileParts red = SplitGif(save(PictureOfIndices({{1}}), true, 0x00FF0000));
  EXPECT_EQ(red.signature, "GIF89a");
  EXPECT_THAT(red.controlExtension, ElementsAre(0x21, 0xF9, 4, 0x09, 0, 0, 4, 0));
  EXPECT_THAT(red.imageDescriptor, ElementsAre(0x2C, 0, 0, 0, 0, 1, 0, 1, 0, 0x07));

  const GifFileParts offPalette = SplitGif(save(PictureOfIndices({{1}}), true, 0x00123456));
  EXPECT_THAT(offPalette.controlExtension, ElementsAre(0x21, 0xF9, 4, 0x09, 0, 0, 0, 0));
}

}  // namespace
}  // namespace zonalyst::image
