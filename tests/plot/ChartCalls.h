#pragma once

#include "plot/RecordingSurface.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <iterator>
#include <limits>
#include <optional>
#include <string>
#include <vector>

namespace zonalyst::plot::testing {

// The recorded calls that pass a filter, in drawing order.
template <typename Pred>
std::vector<RecordedCall> CallsWhere(const RecordingSurface& s, Pred pred) {
  std::vector<RecordedCall> out;
  std::copy_if(s.calls().begin(), s.calls().end(), std::back_inserter(out), pred);
  return out;
}

inline std::vector<RecordedCall> CallsOf(const RecordingSurface& s, RecordedCall::Op op) {
  return CallsWhere(s, [op](const RecordedCall& c) { return c.op == op; });
}

inline std::vector<RecordedCall> LinesOf(const RecordingSurface& s, Rgb colour) {
  return CallsWhere(s,
                    [colour](const RecordedCall& c) { return c.op == RecordedCall::Op::Line && c.colour == colour; });
}

inline const RecordedCall* TextCall(const RecordingSurface& s, const std::string& text) {
  const auto it = std::find_if(s.calls().begin(), s.calls().end(),
                               [&](const RecordedCall& c) { return c.op == RecordedCall::Op::Text && c.text == text; });
  return it == s.calls().end() ? nullptr : &*it;
}

// A line's end points as one value, to compare whole.
inline std::array<double, 4> Ends(const RecordedCall& c) { return {c.x1, c.y1, c.x2, c.y2}; }

constexpr double kAny = std::numeric_limits<double>::quiet_NaN();

// Expects the text printed at (x, y), in the colour when one is given; kAny skips a coordinate.
inline void ExpectTextAt(const RecordingSurface& s, const std::string& text, double x, double y,
                         std::optional<Rgb> colour = std::nullopt) {
  const RecordedCall* c = TextCall(s, text);
  ASSERT_NE(c, nullptr) << text;
  EXPECT_TRUE(std::isnan(x) || std::fabs(c->x1 - x) < 1e-9) << text << " at x " << c->x1 << " instead of " << x;
  EXPECT_TRUE(std::isnan(y) || std::fabs(c->y1 - y) < 1e-9) << text << " at y " << c->y1 << " instead of " << y;
  EXPECT_TRUE(!colour || c->colour == *colour) << text << " in another colour";
}

}  // namespace zonalyst::plot::testing
