#include "image/FixedPalette.h"

#include <gtest/gtest.h>

#include "GifFileParts.h"

namespace zonalyst::image {
namespace {

struct ChannelCase {
  int channel;
  int level;  // 0..4
};

TEST(FixedPalette, EachChannelGoesToTheNearestLevelHalfwayValuesToTheBrighter) {
  const ChannelCase cases[] = {{0, 0},   {31, 0},  {32, 1},  {33, 1},  {95, 1},  {96, 2},  {127, 2},
                               {159, 2}, {160, 3}, {191, 3}, {223, 3}, {224, 4}, {254, 4}, {255, 4}};
  for (const auto& [channel, level] : cases) {
    const auto c = static_cast<std::uint32_t>(channel);
    EXPECT_EQ(PaletteIndex(c << 16), level) << "red " << channel;
    EXPECT_EQ(PaletteIndex(c << 8), 5 * level) << "green " << channel;
    EXPECT_EQ(PaletteIndex(c), 25 * level) << "blue " << channel;
  }
}

TEST(FixedPalette, IndexIsTwentyFiveBluePlusFiveGreenPlusRedAndIgnoresTheTopByte) {
  EXPECT_EQ(PaletteIndex(0x00FF8040), 25 * 1 + 5 * 2 + 4);
  EXPECT_EQ(PaletteIndex(0xFFFF8040), 25 * 1 + 5 * 2 + 4);
  EXPECT_EQ(PaletteIndex(0xFF000000), 0);
  EXPECT_EQ(PaletteIndex(0x00FFFFFF), 124);
}

TEST(FixedPalette, ColourTableHoldsTheLevelsThenBlack) {
  const auto& table = PaletteColourTable();
  for (int i = 0; i < kPaletteSize; ++i) {
    const std::uint32_t colour = i < kUsedPaletteEntries ? test::PaletteColour(i) : 0U;
    EXPECT_EQ(table[3 * i], (colour >> 16) & 0xFF) << i;
    EXPECT_EQ(table[3 * i + 1], (colour >> 8) & 0xFF) << i;
    EXPECT_EQ(table[3 * i + 2], colour & 0xFF) << i;
    if (i < kUsedPaletteEntries) {
      EXPECT_EQ(PaletteIndex(colour), i);
    }
  }
  EXPECT_EQ(table[3 * 124], 255);
  EXPECT_EQ(table[3 * 6 + 1], 64);
}

TEST(FixedPalette, TransparentIndexIsTheFirstEntryOfExactlyThatColourElseZero) {
  EXPECT_EQ(TransparentIndex(0x00FF0000), 4);
  EXPECT_EQ(TransparentIndex(0xFFFF0000), 4);
  EXPECT_EQ(TransparentIndex(0x00404040), 31);
  EXPECT_EQ(TransparentIndex(0x000000FF), 100);
  EXPECT_EQ(TransparentIndex(0x00000000), 0);
  EXPECT_EQ(TransparentIndex(0x00123456), 0);
  EXPECT_EQ(TransparentIndex(0x003F0000), 0);  // nearest to 64 but not a palette colour
}

}  // namespace
}  // namespace zonalyst::image
