#include "GifFileParts.h"
#include "image/FixedPalette.h"
#include "image/GIF.h"

#include <gif_lib.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>

namespace zonalyst::image {
namespace {

using test::ScratchFolder;

struct GifCloser {
  void operator()(GifFileType* gif) const {
    int error = 0;
    DGifCloseFile(gif, &error);
  }
};
using DecodedGif = std::unique_ptr<GifFileType, GifCloser>;

// Decodes with libgif, an implementation independent of the writer.
DecodedGif Decode(const std::filesystem::path& path) {
  int error = 0;
  DecodedGif gif(DGifOpenFileName(path.c_str(), &error));
  EXPECT_NE(gif, nullptr) << GifErrorString(error);
  if (gif && DGifSlurp(gif.get()) != GIF_OK) {
    ADD_FAILURE() << "libgif: " << GifErrorString(gif->Error);
    return nullptr;
  }
  return gif;
}

// Black with a few coloured lines, circles of grey and sparse speckles of every colour.
PixelImage ReportLike(int width, int height) {
  PixelImage picture = test::Filled(width, height);
  test::Lcg random;
  auto at = [&](int x, int y) -> std::uint32_t& {
    return picture.pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)];
  };
  for (int x = 0; x < width; ++x) at(x, height / 2) = 0x4B4B4B;
  for (int y = 0; y < height; ++y) at(width / 3, y) = 0xFFFF00;
  for (int x = 0; x < width; ++x) at(x, (x * 7 / 5) % height) = 0xFF0000;
  for (int i = 0; i < width * height / 20; ++i) {
    at(static_cast<int>(random.next() % static_cast<std::uint32_t>(width)),
       static_cast<int>(random.next() % static_cast<std::uint32_t>(height))) = random.next() & 0xFFFFFF;
  }
  return picture;
}

// The palette entry a pixel should decode to, and the colour table the file should hold.
std::uint8_t EntryOf(std::uint32_t pixel, GifPalette palette) {
  return palette == GifPalette::Greys ? static_cast<std::uint8_t>(pixel & 0xFF) : PaletteIndex(pixel);
}
std::vector<std::uint8_t> ColoursOf(GifPalette palette) {
  if (palette == GifPalette::Fixed) return {PaletteColourTable().begin(), PaletteColourTable().end()};
  std::vector<std::uint8_t> greys;
  for (int i = 0; i < 256; ++i) greys.insert(greys.end(), 3, static_cast<std::uint8_t>(i));
  return greys;
}

void ExpectDecodesToThePaletteMappedPicture(const PixelImage& picture, const std::filesystem::path& path,
                                            GifPalette palette = GifPalette::Fixed) {
  GIF gif(palette);
  const GifSaveResult result = gif.SaveGIF(picture, path, false, 0);
  ASSERT_EQ(result.outcome, GifSaveOutcome::Written) << result.message;

  const DecodedGif decoded = Decode(path);
  ASSERT_NE(decoded, nullptr);
  EXPECT_EQ(decoded->SWidth, picture.width);
  EXPECT_EQ(decoded->SHeight, picture.height);
  ASSERT_NE(decoded->SColorMap, nullptr);
  ASSERT_EQ(decoded->SColorMap->ColorCount, 256);
  std::vector<std::uint8_t> colours;
  for (int i = 0; i < 256; ++i) {
    const GifColorType c = decoded->SColorMap->Colors[i];
    colours.insert(colours.end(), {c.Red, c.Green, c.Blue});
  }
  EXPECT_EQ(colours, ColoursOf(palette));
  ASSERT_EQ(decoded->ImageCount, 1);
  const SavedImage& image = decoded->SavedImages[0];
  EXPECT_EQ(image.ImageDesc.Width, picture.width);
  EXPECT_EQ(image.ImageDesc.Height, picture.height);
  EXPECT_FALSE(image.ImageDesc.Interlace);
  int mismatches = 0;
  for (std::size_t i = 0; i < picture.pixels.size(); ++i) {
    const std::uint8_t expected = EntryOf(picture.pixels[i], palette);
    if (image.RasterBits[i] != expected && ++mismatches <= 5) {
      ADD_FAILURE() << "pixel " << i % static_cast<std::size_t>(picture.width) << ", "
                    << i / static_cast<std::size_t>(picture.width) << " decodes to " << int{image.RasterBits[i]}
                    << " instead of " << int{expected};
    }
  }
  EXPECT_EQ(mismatches, 0);
}

TEST(GifDecode, EveryPixelDecodesToItsPaletteEntryAndGreyPicturesKeepEveryGrey) {
  ScratchFolder folder;
  for (const PixelImage& picture : {ReportLike(769, 430), test::Noise(211, 97), test::Noise(3000, 3),
                                    test::Noise(1, 300), test::Filled(1, 1), test::Filled(4000, 2)}) {
    SCOPED_TRACE(std::to_string(picture.width) + " x " + std::to_string(picture.height));
    ExpectDecodesToThePaletteMappedPicture(picture, folder / "picture.gif");
  }
  PixelImage greys = test::Noise(257, 131);
  for (std::uint32_t& pixel : greys.pixels) pixel = (pixel & 0xFF) * 0x010101u;
  ExpectDecodesToThePaletteMappedPicture(greys, folder / "greys.gif", GifPalette::Greys);
}

}  // namespace
}  // namespace zonalyst::image
