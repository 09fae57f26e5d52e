#include "io/ValueTriple.h"

#include <gtest/gtest.h>

#include <array>
#include <optional>

namespace zonalyst::io {
namespace {

using Triple = std::array<double, 3>;

TEST(ParseValueTriple, SplitsAtRunsOfBlanksAfterAValue) {
  EXPECT_EQ(ParseValueTriple("96.5 8 -1"), (Triple{96.5, 8, -1}));
  EXPECT_EQ(ParseValueTriple("1E-05 2.5E+15 -0.072"), (Triple{1E-05, 2.5E+15, -0.072}));
  for (const char* text : {"5 1 0", "5  1 0", "5 1    0", "5   1   0"}) {
    EXPECT_EQ(ParseValueTriple(text), (Triple{5, 1, 0})) << '"' << text << '"';
  }
}

TEST(ParseValueTriple, RefusesMisplacedBlanksAndTextThatIsNotANumber) {
  // A tab is no blank and "." is the only decimal separator.
  for (const char* text : {" 5 1 0", "5 1 0 ", "5 1 0  ", "5 1", "5 1 0 7", "", "5\t1\t0", "5 one 0", "5 1 0x",
                           "5 1,5 0", "5 inf 0", "nan 1 0", "5 1 1E999"}) {
    EXPECT_EQ(ParseValueTriple(text), std::nullopt) << '"' << text << '"';
  }
}

TEST(ParseFileNumber, AcceptsDecimalFormsWithLeadingBlanksOnly) {
  for (const auto& [text, value] : {std::pair{"0", 0.0},
                                    {"  -0.25", -0.25},
                                    {".5", 0.5},
                                    {"+2", 2.0},
                                    {"1e-05", 1E-05},
                                    {"1.23456789012346E+17", 1.23456789012346E+17}}) {
    EXPECT_EQ(ParseFileNumber(text), value) << '"' << text << '"';
  }
  for (const char* text : {"", "   ", "1.5 ", "1.5x", "+-1", "+", "-", "1,5", "0x10", "infinity", "NaN", "1..2"}) {
    EXPECT_EQ(ParseFileNumber(text), std::nullopt) << '"' << text << '"';
  }
}

}  // namespace
}  // namespace zonalyst::io
