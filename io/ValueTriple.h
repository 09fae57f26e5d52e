#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace zonalyst::io {

// One number of a test file: optional leading blanks, then a decimal number with
// "." as separator in every locale (an exponent such as "1E-05" is allowed). Text
// with anything after the number, and infinities or NaNs, give nothing.
std::optional<double> ParseFileNumber(std::string_view text);

// The three numbers of one line of a test file (lines 0 to 16). A blank right after
// a non-blank character splits the line, so a run of blanks counts once; the line
// must split exactly twice. A leading blank, a blank after the third value or a
// value that is not a number make the line malformed: nothing is returned.
std::optional<std::array<double, 3>> ParseValueTriple(std::string_view line);

}  // namespace zonalyst::io
