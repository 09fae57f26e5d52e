#include "NumberText.h"

#include "Rounding.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>

namespace zonalyst {
namespace {

// Room for the longest fixed form: a sign, the 309 digits of the largest double, the
// point and the decimals asked for.
constexpr int kMaxWholeDigits = std::numeric_limits<double>::max_exponent10 + 1;

std::string ToChars(double x, std::chars_format format, int precision) {
  std::string buffer(static_cast<std::size_t>(kMaxWholeDigits + 2 + std::max(precision, 0) + 8), '\0');
  auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), x, format, precision);
  if (result.ec != std::errc{}) {
    // Only an absurd precision gets here: the exponent form always fits.
    result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), x, std::chars_format::scientific, 15);
  }
  buffer.resize(static_cast<std::size_t>(result.ptr - buffer.data()));
  return buffer;
}

}  // namespace

std::string FormatGeneral(double x) {
  if (x == 0.0) return "0";  // no "-0"
  std::string text = ToChars(x, std::chars_format::general, 15);
  for (char& c : text) {
    if (c == 'e') c = 'E';
  }
  return text;
}

std::string FormatRounded(double x, int decimals) { return FormatGeneral(RoundHalfEven(x, decimals)); }

std::string FormatFixed(double x, int decimals) {
  double rounded = RoundHalfEven(x, decimals);
  if (rounded == 0.0) rounded = 0.0;  // drops the sign of a negative zero
  return ToChars(rounded, std::chars_format::fixed, decimals);
}

std::string FormatTwoDigits(double x) {
  const double rounded = RoundHalfEven(x);
  if (!std::isfinite(rounded)) return FormatGeneral(rounded);
  std::string digits = ToChars(std::abs(rounded), std::chars_format::fixed, 0);
  if (digits.size() < 2) digits = "0" + digits;
  return rounded < 0.0 ? "-" + digits : digits;
}

std::string FormatExact(double x) { return ToChars(x, std::chars_format::general, 17); }

// The shortest form that reads back exactly is at most 24 characters long.
std::string FormatShortest(double x) {
  std::array<char, 64> buffer{};
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), x);
  return std::string(buffer.data(), result.ptr);
}

}  // namespace zonalyst
