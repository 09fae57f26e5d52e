#pragma once

#include "core/MirrorTest.h"

#include <array>
#include <string>
#include <string_view>
#include <variant>

namespace zonalyst::io {

// A test file holds at most this many lines: the 63 written ones and room to spare.
inline constexpr int kMaxFileLines = 101;

// The values of a test file exactly as its lines hold them, before any rounding or
// range check: what the saver compares with the record to decide whether to write.
struct TestFileValues {
  std::array<double, 3> header{};                        // line 0: zone count, units, moving source
  std::array<double, 3> mirror{};                        // line 1: ROC, diameter, desired conic
  std::array<std::array<double, 3>, 15> zones{};         // lines 2..16: inner, outer, set-1 reading
  std::string entryAndSets;                              // line 17 as text, e.g. "1 3"
  std::array<std::array<double, 3>, 15> moreReadings{};  // lines 18..62: sets 2..4 per zone

  bool operator==(const TestFileValues&) const = default;  // exact equality of reals
};

// Where and why a text is not a test file. line counts from 1 as an editor shows it
// (0 when the fault is the file as a whole); detail says what was expected there.
struct LoadFault {
  int line = 0;
  std::string detail;
};

// Reads the values of a test file's text. Lines end at LF; a CR before it is dropped.
// More than 101 lines, a malformed line 0..16, an empty line 17 or one whose first or
// last character is not a digit, or a reading line (18..62) that is neither empty
// nor a number is a fault. Missing reading lines and empty ones read as 0.
std::variant<TestFileValues, LoadFault> ReadTestFileValues(std::string_view text);

// The values that the record would be written as.
TestFileValues TestFileValuesOf(const MirrorTest& test);

// The text of the record's test file: 63 lines, each ended by CR LF, reals in the
// "%.15G" form with "." as separator whatever the locale, line 17 as the two digits
// with one blank between them. Unused zones and sets are written as the record holds them.
std::string BuildTestFileText(const MirrorTest& test);

}  // namespace zonalyst::io
