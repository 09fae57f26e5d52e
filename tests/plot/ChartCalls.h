#pragma once

#include <algorithm>
#include <iterator>
#include <vector>

#include "plot/RecordingSurface.h"

namespace zonalyst::plot::testing {

// The recorded calls of one kind, optionally of one colour, in drawing order.
inline std::vector<RecordedCall> CallsOf(const RecordingSurface& s, RecordedCall::Op op) {
  std::vector<RecordedCall> out;
  std::copy_if(s.calls().begin(), s.calls().end(), std::back_inserter(out),
               [op](const RecordedCall& c) { return c.op == op; });
  return out;
}

inline std::vector<RecordedCall> LinesOf(const RecordingSurface& s, Rgb colour) {
  std::vector<RecordedCall> out;
  std::copy_if(s.calls().begin(), s.calls().end(), std::back_inserter(out),
               [colour](const RecordedCall& c) { return c.op == RecordedCall::Op::Line && c.colour == colour; });
  return out;
}

inline const RecordedCall* TextCall(const RecordingSurface& s, const std::string& text) {
  const auto it = std::find_if(s.calls().begin(), s.calls().end(), [&](const RecordedCall& c) {
    return c.op == RecordedCall::Op::Text && c.text == text;
  });
  return it == s.calls().end() ? nullptr : &*it;
}

}  // namespace zonalyst::plot::testing
