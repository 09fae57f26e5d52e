#pragma once

#include <array>
#include <cstdint>

namespace zonalyst::image {

// The fixed 256-entry palette of the GIF files: entry 25*b + 5*g + r (b, g, r = 0..4)
// holds the channel levels 0, 64, 128, 192, 255; entries 125..255 are black.

inline constexpr int kPaletteSize = 256;
inline constexpr int kUsedPaletteEntries = 125;

// The palette entry of a 0x00RRGGBB pixel (top byte ignored): each channel goes to
// the nearest level. A channel exactly halfway between two levels (32, 96, 160) goes
// to the brighter one.
std::uint8_t PaletteIndex(std::uint32_t pixel);

// The palette as the file stores it: red, green, blue of entries 0..255.
const std::array<std::uint8_t, 3 * kPaletteSize>& PaletteColourTable();

// The first palette entry whose colour is exactly the 0x00RRGGBB colour (top byte
// ignored), 0 when no entry has it.
std::uint8_t TransparentIndex(std::uint32_t colour);

}  // namespace zonalyst::image
