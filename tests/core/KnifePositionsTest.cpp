#include "core/KnifePositions.h"

#include <gtest/gtest.h>

#include <cmath>

namespace zonalyst {
namespace {

TEST(KnifePositions, TheNameGivesItsLastNumberThatIsNoCounter) {
  const std::vector<std::pair<std::string, std::optional<double>>> cases = {
      {"Image_1.25.png", 1.25},
      {"ke_0.0240in.jpg", 0.024},
      {"shots/2026-12-07_12.5.TIF", 12.5},
      {"series.2\\a_-.5.jpeg", -0.5},
      {"Image_7", 7.0},
      {"0.5", 0.5},
      {"mirror.png", std::nullopt},
      {"run3/mirror.jp2", std::nullopt},
      // A hyphen between a letter or a digit and the number separates; a minus sign follows
      // the start of the name, "_", " ", "=", "(" or "[".
      {"frame-1.00mm.png", 1.0},
      {"ke-0.3.png", 0.3},
      {"x-2-3.png", 3.0},
      {"knife_-0.3mm.png", -0.3},
      {"-0.25.png", -0.25},
      {"knife -0.3.png", -0.3},
      {"knife=-1.5.png", -1.5},
      {"knife(-1.5).png", -1.5},
      {"knife[-1.5].png", -1.5},
      // Copy counters, frame numbers and leading zeros give way to a better number.
      {"knife_0.55mm (1).jpg", 0.55},
      {"IMG_0042.jpg", 42.0},
      {"IMG_0042_1.25.jpg", 1.25},
      {"1.25_IMG_0042.jpg", 1.25},
      {"DSC01234 ke 0.8.jpg", 0.8},
      {"knife_1.3_0007.png", 1.3},
      {"frame_0007.png", 7.0},
      {"knife (2).png", 2.0},
      // Hundreds of digits are a number out of the knife's reach, not a missing one.
      {"k_" + std::string(400, '9') + ".png", HUGE_VAL},
  };
  for (const auto& [name, position] : cases) EXPECT_EQ(KnifePositionInName(name), position) << name;
}

TEST(KnifePositions, ASeriesNeedsTwoFinitePositionsWithinReachAndNoTwoAlike) {
  struct Case {
    std::vector<double> positions;
    std::optional<PositionsFault> fault;
    std::size_t photo = 0, other = 0;
  };
  const double nan = std::nan("");
  const std::vector<Case> cases = {
      {{0.5, 0.6}, std::nullopt},
      {{-1e6, 1e6}, std::nullopt},
      {{0.5}, PositionsFault::TooFew},
      {{}, PositionsFault::TooFew},
      {{0.5, 1e6 * (1 + 1e-15)}, PositionsFault::OutOfRange, 1},
      {{nan, 0.5}, PositionsFault::OutOfRange, 0},
      {{0.5, HUGE_VAL}, PositionsFault::OutOfRange, 1},
      // The first photograph met again names the pair, with the first of its position.
      {{0.7, 0.5, 0.6, 0.5, 0.7}, PositionsFault::Same, 3, 1},
  };
  for (const Case& c : cases) {
    const auto problem = CheckKnifePositions(c.positions);
    ASSERT_EQ(problem.has_value(), c.fault.has_value()) << ::testing::PrintToString(c.positions);
    if (!problem) continue;
    EXPECT_EQ(problem->fault, *c.fault);
    EXPECT_EQ(problem->photo, c.photo);
    if (problem->fault == PositionsFault::Same) {
      EXPECT_EQ(problem->other, c.other);
    }
  }
}

TEST(KnifePositions, PositionsThatLookMisreadAreDoubted) {
  EXPECT_EQ(DoubtfulPositions({-0.5, -0.6, -0.7}).size(), 1u);
  EXPECT_NE(DoubtfulPositions({-0.5, -0.6})[0].find("negative"), std::string::npos);
  EXPECT_NE(DoubtfulPositions({43, 41, 42})[0].find("frame"), std::string::npos);
  EXPECT_EQ(DoubtfulPositions({-3, -2}).size(), 2u);
  for (const std::vector<double>& fine : {std::vector<double>{0.5, 0.6}, {1, 3}, {1.5, 2.5}, {-1, 0.5}, {-1}}) {
    EXPECT_TRUE(DoubtfulPositions(fine).empty()) << ::testing::PrintToString(fine);
  }
}

TEST(KnifePositions, AReadingHasFourDecimalsInMillimetresAndFiveInInches) {
  EXPECT_EQ(KnifeReadingText(1.23456, false), "1.2346");
  EXPECT_EQ(KnifeReadingText(0.0240049, true), "0.02400");
  EXPECT_EQ(KnifeReadingText(-0.00001, false), "0.0000");
  EXPECT_EQ(KnifeReadingText(-1e300, false), "-1E+300");
}

}  // namespace
}  // namespace zonalyst
