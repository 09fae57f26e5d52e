#include "FixedPalette.h"

namespace zonalyst::image {

namespace {

constexpr std::array<std::uint8_t, 5> kLevels{0, 64, 128, 192, 255};

// Nearest level of a channel value; the halfway values 32, 96 and 160 round up,
// 223.5 (between 192 and 255) is never hit by an integer.
constexpr int LevelOf(int channel) { return (channel + 32) >> 6; }

// Per-channel share of the palette index, so that mapping a pixel is three lookups.
struct ChannelTables {
  std::array<std::uint8_t, 256> red{}, green{}, blue{};
};

constexpr ChannelTables MakeChannelTables() {
  ChannelTables t;
  for (int c = 0; c < 256; ++c) {
    const int level = LevelOf(c);
    t.red[c] = static_cast<std::uint8_t>(level);
    t.green[c] = static_cast<std::uint8_t>(5 * level);
    t.blue[c] = static_cast<std::uint8_t>(25 * level);
  }
  return t;
}

constexpr ChannelTables kChannels = MakeChannelTables();

constexpr std::array<std::uint8_t, 3 * kPaletteSize> MakeColourTable() {
  std::array<std::uint8_t, 3 * kPaletteSize> table{};
  for (int i = 0; i < kUsedPaletteEntries; ++i) {
    table[3 * i] = kLevels[i % 5];
    table[3 * i + 1] = kLevels[(i / 5) % 5];
    table[3 * i + 2] = kLevels[i / 25];
  }
  return table;
}

constexpr std::array<std::uint8_t, 3 * kPaletteSize> kColourTable = MakeColourTable();

}  // namespace

std::uint8_t PaletteIndex(std::uint32_t pixel) {
  return static_cast<std::uint8_t>(kChannels.red[(pixel >> 16) & 0xFF] + kChannels.green[(pixel >> 8) & 0xFF] +
                                   kChannels.blue[pixel & 0xFF]);
}

const std::array<std::uint8_t, 3 * kPaletteSize>& PaletteColourTable() { return kColourTable; }

std::uint8_t TransparentIndex(std::uint32_t colour) {
  const std::uint8_t r = (colour >> 16) & 0xFF, g = (colour >> 8) & 0xFF, b = colour & 0xFF;
  for (int i = 0; i < kPaletteSize; ++i) {
    if (kColourTable[3 * i] == r && kColourTable[3 * i + 1] == g && kColourTable[3 * i + 2] == b) {
      return static_cast<std::uint8_t>(i);
    }
  }
  return 0;
}

}  // namespace zonalyst::image
