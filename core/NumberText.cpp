#include "NumberText.h"

#include <array>
#include <charconv>
#include <cmath>

#include "Rounding.h"

namespace zonalyst {
namespace {

std::string ToChars(double x, std::chars_format format, int precision) {
  std::array<char, 64> buffer{};
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), x, format, precision);
  return std::string(buffer.data(), result.ptr);
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

std::string FormatShortest(double x) {
  std::array<char, 64> buffer{};
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), x);
  return std::string(buffer.data(), result.ptr);
}

}  // namespace zonalyst
