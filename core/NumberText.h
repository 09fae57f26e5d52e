#pragma once

#include <string>

namespace zonalyst {

// Numbers as text, always with "." as the decimal separator; the window swaps in
// the user's separator (LocalisedNumber in the ui layer), test files keep ".".

// General form with at most 15 significant digits and no trailing zeros, exponent
// form ("1E-05") below 1E-04 and from 1E+15: the shortest form the panels show.
std::string FormatGeneral(double x);

// x rounded (halves to even) to the decimals, then in general form: "Round(x, d)".
std::string FormatRounded(double x, int decimals);

// Fixed pattern with exactly the decimals given ("0.000" is 3); a rounded zero has no sign.
std::string FormatFixed(double x, int decimals);

// Whole number with at least two digits ("00"), rounded halves to even.
std::string FormatTwoDigits(double x);

// 17 significant digits, for machine-readable output.
std::string FormatExact(double x);

// The fewest digits that read back as exactly x ("0.1", "1e-05"), for tables other
// programs read.
std::string FormatShortest(double x);

}  // namespace zonalyst
