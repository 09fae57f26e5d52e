#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace zonalyst::image {

// Everything a GIF file holds before its image data, for one 8-bit picture with the
// given palette (red, green, blue of 256 entries) as global colour table: signature ("GIF89a" with a transparency
// block, else "GIF87a"), logical screen descriptor, colour table, the graphic control
// extension when useTransparency, image descriptor and the LZW minimum code size 8.
// width and height are 1..32767.
std::vector<std::uint8_t> GifHeader(int width, int height, const std::array<std::uint8_t, 768>& colours,
                                    bool useTransparency, std::uint8_t transparentIndex);

}  // namespace zonalyst::image
