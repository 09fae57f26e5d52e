#include "KnifePositions.h"

#include "NumberText.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cmath>
#include <numeric>
#include <string_view>

namespace zonalyst {

std::string KnifeReadingText(double reading, bool inches) {
  // Far beyond the knife's reach (a hand reading no mirror gives) the fixed form would run to
  // hundreds of digits.
  if (!(std::abs(reading) < 10.0 * kMaxKnifePosition)) return FormatGeneral(reading);
  return FormatFixed(reading, inches ? 5 : 4);
}

std::string PositionSourceText(PositionSource source) {
  switch (source) {
    case PositionSource::Name:
      return "name";
    case PositionSource::List:
      return "list";
    case PositionSource::Typed:
      return "typed";
  }
  return "";
}

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsLetter(char c) { return std::isalpha(static_cast<unsigned char>(c)) != 0; }

// The name without its folders and without an extension such as ".png" or ".jp2" (a last dot
// followed by a letter); "Image_1.25" keeps its decimals.
std::string_view BareName(std::string_view name) {
  name.remove_prefix(std::min(name.size(), name.find_last_of("/\\") + 1));
  const std::size_t dot = name.rfind('.');
  if (dot != std::string_view::npos && std::any_of(name.begin() + dot + 1, name.end(), IsLetter)) {
    name.remove_suffix(name.size() - dot);
  }
  return name;
}

// The prefixes cameras give their files before the frame number ("IMG_0042", "DSC01234",
// "P1000042"), matched without regard to case.
constexpr std::array<std::string_view, 12> kCameraPrefixes = {"IMG",  "DSC", "DSCN", "DSCF", "MG",  "PICT",
                                                              "CIMG", "SAM", "DJI",  "GOPR", "MVI", "P"};

bool AfterCameraPrefix(std::string_view name, std::size_t begin) {
  std::size_t end = begin;
  if (end > 0 && (name[end - 1] == '_' || name[end - 1] == '-')) --end;
  std::size_t start = end;
  while (start > 0 && IsLetter(name[start - 1])) --start;
  const std::string_view word = name.substr(start, end - start);
  return std::any_of(kCameraPrefixes.begin(), kCameraPrefixes.end(), [&](std::string_view prefix) {
    return prefix.size() == word.size() && std::equal(prefix.begin(), prefix.end(), word.begin(), [](char a, char b) {
             return a == std::toupper(static_cast<unsigned char>(b));
           });
  });
}

// One number of a name: [begin, end) of its digits and decimal point, its sign, and whether
// it only counts for want of another (a copy counter, a frame number, leading zeros).
struct NameNumber {
  std::size_t begin = 0, end = 0;
  bool negative = false;
  bool counter = false;
};

std::vector<NameNumber> NumbersOf(std::string_view name) {
  std::vector<NameNumber> numbers;
  for (std::size_t i = 0; i < name.size();) {
    const bool leadingPoint = name[i] == '.' && i + 1 < name.size() && IsDigit(name[i + 1]);
    if (!IsDigit(name[i]) && !leadingPoint) {
      ++i;
      continue;
    }
    NameNumber number{i, i};
    bool point = false;
    while (number.end < name.size()) {
      const char c = name[number.end];
      const bool decimalPoint = c == '.' && !point && number.end + 1 < name.size() && IsDigit(name[number.end + 1]);
      if (!IsDigit(c) && !decimalPoint) break;
      point |= decimalPoint;
      ++number.end;
    }
    const std::size_t b = number.begin;
    if (b > 0 && name[b - 1] == '-') {
      number.negative = b == 1 || std::string_view("_ =([").find(name[b - 2]) != std::string_view::npos;
    }
    const bool whole = !point;
    const bool inParentheses = b > 0 && name[b - 1] == '(' && number.end < name.size() && name[number.end] == ')';
    const bool leadingZeros = whole && number.end - b > 1 && name[b] == '0';
    number.counter = whole && (inParentheses || leadingZeros || AfterCameraPrefix(name, b));
    numbers.push_back(number);
    i = number.end;
  }
  return numbers;
}

}  // namespace

std::optional<double> KnifePositionInName(const std::string& fileName) {
  const std::string_view name = BareName(fileName);
  const std::vector<NameNumber> numbers = NumbersOf(name);
  if (numbers.empty()) return std::nullopt;
  const auto best = std::find_if(numbers.rbegin(), numbers.rend(), [](const NameNumber& n) { return !n.counter; });
  const NameNumber& chosen = best != numbers.rend() ? *best : numbers.back();
  // from_chars reads no bare ".5": spell it out.
  std::string digits(name.substr(chosen.begin, chosen.end - chosen.begin));
  if (digits.front() == '.') digits.insert(0, "0");
  double value = 0.0;
  const auto [ptr, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  // Hundreds of digits overflow: such a number is out of range, not missing.
  if (ec == std::errc::result_out_of_range)
    value = HUGE_VAL;
  else if (ec != std::errc() || ptr != digits.data() + digits.size())
    return std::nullopt;
  return chosen.negative ? -value : value;
}

std::optional<PositionsProblem> CheckKnifePositions(const std::vector<double>& positions) {
  if (positions.size() < 2) return PositionsProblem{PositionsFault::TooFew};
  for (std::size_t i = 0; i < positions.size(); ++i) {
    if (!(std::abs(positions[i]) <= kMaxKnifePosition)) return PositionsProblem{PositionsFault::OutOfRange, i};
  }
  std::vector<std::size_t> order(positions.size());
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(),
                   [&](std::size_t a, std::size_t b) { return positions[a] < positions[b]; });
  std::optional<PositionsProblem> same;
  for (std::size_t k = 1; k < order.size(); ++k) {
    const std::size_t first = order[k - 1], second = order[k];
    // The earliest second photograph in the given order, so that the message names what a reader meets first.
    if (positions[first] == positions[second] && (!same || second < same->photo)) {
      same = PositionsProblem{PositionsFault::Same, second, first};
    }
  }
  return same;
}

std::vector<std::string> DoubtfulPositions(const std::vector<double>& positions) {
  std::vector<std::string> doubts;
  if (positions.size() < 2) return doubts;
  if (std::all_of(positions.begin(), positions.end(), [](double p) { return p < 0.0; })) {
    doubts.push_back(
        "every knife position taken from the names is negative: check that no hyphen was read as a "
        "minus sign");
  }
  std::vector<double> sorted = positions;
  std::sort(sorted.begin(), sorted.end());
  bool frameNumbers = std::all_of(sorted.begin(), sorted.end(), [](double p) { return p == std::floor(p); });
  for (std::size_t k = 1; k < sorted.size() && frameNumbers; ++k) frameNumbers = sorted[k] - sorted[k - 1] == 1.0;
  if (frameNumbers) {
    doubts.push_back(
        "the knife positions taken from the names are whole numbers 1 apart, as a camera numbers its "
        "frames: check that they are knife positions");
  }
  return doubts;
}

}  // namespace zonalyst
