#pragma once

#include "image/PixelImage.h"
#include "tests/support/ScratchFolder.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace zonalyst::image::test {

// A written GIF file taken apart by its fixed layout, independently of the writer.
struct GifFileParts {
  std::string signature;
  int screenWidth = 0, screenHeight = 0;
  std::vector<std::uint8_t> screenFlags;       // flags, background, aspect
  std::vector<std::uint8_t> colourTable;       // 768 bytes
  std::vector<std::uint8_t> controlExtension;  // empty when absent, else all 8 bytes
  std::vector<std::uint8_t> imageDescriptor;   // separator and the 9 bytes after it
  int minimumCodeSize = 0;
  std::vector<int> subBlockSizes;  // in file order, without the terminator
  std::vector<std::uint8_t> data;  // the sub-blocks' data bytes joined
  std::size_t bytesAfterTrailer = 0;
  bool terminatedAndTrailed = false;  // block terminator 0, then 0x3B
};

inline std::vector<std::uint8_t> ReadBytes(const std::filesystem::path& path) {
  const std::string bytes = testing::ReadFileBytes(path);
  return {bytes.begin(), bytes.end()};
}
GifFileParts SplitGif(const std::vector<std::uint8_t>& bytes);

// The LZW codes of the image data read as 9-bit values, least significant bit first,
// up to and including the end code 257.
std::vector<unsigned> NineBitCodes(const std::vector<std::uint8_t>& data);

// The colour of a palette entry 0..124 (channels 0, 64, 128, 192, 255) as 0x00RRGGBB.
std::uint32_t PaletteColour(int index);

// Deterministic pseudo-random numbers, the same on every run.
struct Lcg {
  std::uint32_t state = 12345;
  std::uint32_t next() { return (state = state * 1664525U + 1013904223U) >> 8; }
};

// A picture of one colour, or of pseudo-random colours that hardly compress.
inline PixelImage Filled(int width, int height, std::uint32_t colour = 0) {
  return {width, height, std::vector<std::uint32_t>(static_cast<std::size_t>(width) * height, colour)};
}
inline PixelImage Noise(int width, int height) {
  PixelImage picture = Filled(width, height);
  Lcg random;
  for (std::uint32_t& pixel : picture.pixels) pixel = random.next() & 0xFFFFFF;
  return picture;
}

// A picture of one row per given row of palette entries.
PixelImage PictureOfIndices(const std::vector<std::vector<int>>& rows);

using testing::ScratchFolder;

}  // namespace zonalyst::image::test
