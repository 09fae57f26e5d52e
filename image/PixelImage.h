#pragma once

#include <cstdint>
#include <vector>

namespace zonalyst::image {

// A 32-bit picture as the GIF writer takes it: width * height pixels, row-major,
// rows from top to bottom, each 0x00RRGGBB. The top byte is ignored, so pixels of
// an opaque 0xFFRRGGBB picture may be passed as they are.
struct PixelImage {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;
};

}  // namespace zonalyst::image
