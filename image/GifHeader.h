#pragma once

#include <cstdint>
#include <vector>

namespace zonalyst::image {

// Everything a GIF file holds before its image data, for one 8-bit picture with the
// fixed palette as global colour table: signature ("GIF89a" with a transparency
// block, else "GIF87a"), logical screen descriptor, colour table, the graphic control
// extension when useTransparency, image descriptor and the LZW minimum code size 8.
// width and height are 1..32767.
std::vector<std::uint8_t> GifHeader(int width, int height, bool useTransparency,
                                    std::uint8_t transparentIndex);

}  // namespace zonalyst::image
