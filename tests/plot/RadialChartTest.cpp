#include "plot/RadialChart.h"
#include "plot/RasterSurface.h"

#include <gtest/gtest.h>

#include <cmath>

namespace zonalyst::plot {
namespace {

TEST(LengthAxis, HalfInchOrFiveMillimetreStepsWithNoLabelBeyondTheEdge) {
  const struct {
    bool inches;
    double semi, step;
    int count;
  } cases[] = {{true, 4.0, 0.5, 8},    {true, 3.937, 0.5, 7},   {true, 3.0, 0.5, 6},    {true, 5.25, 0.5, 10},
               {true, 6.0, 1.0, 6},    {true, 12.5, 1.5, 8},    {true, 0.2, 0.5, 0},    {true, 0.3, 0.5, 0},
               {true, 20.0, 2.0, 10},  {true, 100.0, 10.0, 10}, {false, 100.0, 10, 10}, {false, 76.2, 10, 7},
               {false, 50.0, 5, 10},   {false, 54.4, 5, 10},    {false, 54.9, 10, 5},   {false, 55.0, 10, 5},
               {false, 300.0, 30, 10}, {false, 3.0, 5, 0},      {false, 4.6, 5, 1}};
  for (const auto& c : cases) {
    const LengthAxis axis = ChooseLengthAxis(c.semi, c.inches);
    EXPECT_DOUBLE_EQ(axis.step, c.step) << c.semi << (c.inches ? " in" : " mm");
    EXPECT_EQ(axis.count, c.count) << c.semi << (c.inches ? " in" : " mm");
  }
}

TEST(LengthAxis, NoLabelsForASemiDiameterThatIsNoSizeAndNoEndlessSearch) {
  for (double semi : {0.0, -3.0, std::nan(""), HUGE_VAL, 1e300}) {
    EXPECT_EQ(ChooseLengthAxis(semi, true).count, 0) << semi;
    EXPECT_EQ(ChooseLengthAxis(semi, false).count, 0) << semi;
  }
}

}  // namespace
}  // namespace zonalyst::plot
