#include "GifFileParts.h"

#include <stdexcept>

namespace zonalyst::image::test {

GifFileParts SplitGif(const std::vector<std::uint8_t>& bytes) {
  std::size_t at = 0;
  const auto take = [&](std::size_t n) {
    if (n > bytes.size() - at) throw std::runtime_error("GIF file ends early");
    at += n;
    return std::vector<std::uint8_t>(bytes.begin() + static_cast<std::ptrdiff_t>(at - n),
                                     bytes.begin() + static_cast<std::ptrdiff_t>(at));
  };
  const auto byte = [&] { return take(1)[0]; };
  const auto word = [&] {
    const std::vector<std::uint8_t> w = take(2);
    return w[0] | w[1] << 8;
  };
  GifFileParts parts;
  const std::vector<std::uint8_t> signature = take(6);
  parts.signature.assign(signature.begin(), signature.end());
  parts.screenWidth = word();
  parts.screenHeight = word();
  parts.screenFlags = take(3);
  parts.colourTable = take(768);
  if (at < bytes.size() && bytes[at] == 0x21) parts.controlExtension = take(8);
  parts.imageDescriptor = take(10);
  parts.minimumCodeSize = byte();
  for (int size = byte(); size != 0; size = byte()) {
    parts.subBlockSizes.push_back(size);
    const std::vector<std::uint8_t> block = take(static_cast<std::size_t>(size));
    parts.data.insert(parts.data.end(), block.begin(), block.end());
  }
  parts.terminatedAndTrailed = byte() == 0x3B;
  parts.bytesAfterTrailer = bytes.size() - at;
  return parts;
}

std::vector<unsigned> NineBitCodes(const std::vector<std::uint8_t>& data) {
  std::vector<unsigned> codes;
  const std::size_t bits = data.size() * 8;
  for (std::size_t start = 0; start + 9 <= bits; start += 9) {
    unsigned code = 0;
    for (std::size_t i = 0; i < 9; ++i) {
      const std::size_t bit = start + i;
      if ((data[bit / 8] >> (bit % 8)) & 1U) code |= 1U << i;
    }
    codes.push_back(code);
    if (code == 257) break;
  }
  return codes;
}

std::uint32_t PaletteColour(int index) {
  constexpr int kLevels[5] = {0, 64, 128, 192, 255};
  return static_cast<std::uint32_t>(kLevels[index % 5] << 16 | kLevels[(index / 5) % 5] << 8 | kLevels[index / 25]);
}

PixelImage PictureOfIndices(const std::vector<std::vector<int>>& rows) {
  PixelImage picture;
  picture.height = static_cast<int>(rows.size());
  picture.width = static_cast<int>(rows.front().size());
  for (const auto& row : rows) {
    for (const int index : row) picture.pixels.push_back(PaletteColour(index));
  }
  return picture;
}

}  // namespace zonalyst::image::test
