#include "PhotoReadings.h"

#include <cctype>
#include <charconv>

namespace zonalyst {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::optional<double> KnifePositionInName(const std::string& fileName) {
  // Only the name counts, not the folders above it nor an extension such as ".png" or ".jp2"
  // (a final dot followed by a letter); a name such as "Image_1.25" keeps its decimals.
  std::string name = fileName.substr(fileName.find_last_of("/\\") + 1);
  const std::size_t dot = name.rfind('.');
  if (dot != std::string::npos) {
    bool letter = false;
    for (std::size_t i = dot + 1; i < name.size(); ++i)
      letter |= std::isalpha(static_cast<unsigned char>(name[i])) != 0;
    if (letter) name.resize(dot);
  }
  // The last run of digits with at most one decimal point inside, and a minus sign
  // before it unless that minus joins two numbers ("2026-12-07").
  std::size_t end = name.size();
  while (end > 0 && !IsDigit(name[end - 1])) --end;
  if (end == 0) return std::nullopt;
  std::size_t begin = end;
  while (begin > 0 && IsDigit(name[begin - 1])) --begin;
  if (begin >= 2 && name[begin - 1] == '.' && IsDigit(name[begin - 2])) {
    --begin;
    while (begin > 0 && IsDigit(name[begin - 1])) --begin;
  } else if (begin >= 1 && name[begin - 1] == '.') {
    --begin;  // ".5"
  }
  if (begin >= 1 && name[begin - 1] == '-' && !(begin >= 2 && IsDigit(name[begin - 2]))) --begin;
  // from_chars reads neither a leading '+' nor a bare ".5" after a sign the same way: spell it out.
  std::string number = name.substr(begin, end - begin);
  const bool negative = number[0] == '-';
  if (negative) number.erase(0, 1);
  if (number[0] == '.') number.insert(0, "0");
  double value = 0.0;
  const auto [ptr, ec] = std::from_chars(number.data(), number.data() + number.size(), value);
  if (ec != std::errc() || ptr != number.data() + number.size()) return std::nullopt;
  return negative ? -value : value;
}

}  // namespace zonalyst
