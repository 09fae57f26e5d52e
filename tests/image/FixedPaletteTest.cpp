#include "GifFileParts.h"
#include "image/FixedPalette.h"

#include <gtest/gtest.h>

namespace zonalyst::image {
namespace {

// The index is 25 blue + 5 green + red levels, whatever the top byte holds.
TEST(FixedPalette, EachChannelGoesToTheNearestLevelHalfwayValuesToTheBrighter) {
  const std::pair<int, int> channelAndLevel[] = {{0, 0},   {31, 0},  {32, 1},  {33, 1},  {95, 1},  {96, 2},  {127, 2},
                                                 {159, 2}, {160, 3}, {191, 3}, {223, 3}, {224, 4}, {254, 4}, {255, 4}};
  for (const auto& [channel, level] : channelAndLevel) {
    const auto c = static_cast<std::uint32_t>(channel);
    EXPECT_EQ(PaletteIndex(c << 16), level) << "red " << channel;
    EXPECT_EQ(PaletteIndex(c << 8), 5 * level) << "green " << channel;
    EXPECT_EQ(PaletteIndex(c), 25 * level) << "blue " << channel;
  }
  EXPECT_EQ(PaletteIndex(0xFFFF8040), 25 * 1 + 5 * 2 + 4);
  EXPECT_EQ(PaletteIndex(0xFF000000), 0);
}

TEST(FixedPalette, ColourTableHoldsTheLevelsThenBlack) {
  std::vector<std::uint8_t> expected;
  for (int i = 0; i < kPaletteSize; ++i) {
    const std::uint32_t colour = i < kUsedPaletteEntries ? test::PaletteColour(i) : 0U;
    expected.insert(expected.end(), {std::uint8_t(colour >> 16), std::uint8_t(colour >> 8), std::uint8_t(colour)});
    EXPECT_TRUE(i >= kUsedPaletteEntries || PaletteIndex(colour) == i) << i;
  }
  EXPECT_EQ(std::vector<std::uint8_t>(PaletteColourTable().begin(), PaletteColourTable().end()), expected);
}

TEST(FixedPalette, TransparentIndexIsTheFirstEntryOfExactlyThatColourElseZero) {
  // 0x3F0000 is nearest to 64 but not a palette colour
  const std::pair<std::uint32_t, int> cases[] = {{0x00FF0000, 4}, {0xFFFF0000, 4}, {0x00404040, 31}, {0x000000FF, 100},
                                                 {0x00000000, 0}, {0x00123456, 0}, {0x003F0000, 0}};
  for (const auto& [colour, index] : cases) EXPECT_EQ(TransparentIndex(colour), index) << std::hex << colour;
}

}  // namespace
}  // namespace zonalyst::image
