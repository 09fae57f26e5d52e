#pragma once

#include "DialProtocols.h"
#include "KnifeTrack.h"

#include <string>
#include <string_view>
#include <vector>

namespace zonalyst {

// A dial log: one line per value the dial sent, "time_s,<what the adapter sent>", the time in
// seconds on the clock the frames are stamped with ("." as decimal separator) and after the
// first comma the adapter's raw line (or its nibbles or bytes in hex). Blank lines are passed
// over, and so is a first line whose time is no number (a header).

// A line that gave no value, and why.
struct RefusedDialLine {
  int line = 0;  // 1-based
  std::string problem;
};

struct DialLog {
  std::vector<DialSample> samples;       // in the log's order, positions in test units
  DialFormat format = DialFormat::Text;  // the format read (never Auto)
  int lines = 0;                         // lines that should have held a value
  std::vector<RefusedDialLine> refused;  // in the log's order
};

// Reads a log in the given format; Auto takes the format most of its lines look like
// (DialFormatOf). Each value is turned into the test's units and the offset added
// (DialReading). A line whose time is not later than the one before it is refused.
DialLog ReadDialLog(std::string_view text, DialFormat format, bool testInInches, double offset);

}  // namespace zonalyst
