#include "ValueTriple.h"

#include <charconv>
#include <cmath>

namespace zonalyst::io {

std::optional<double> ParseFileNumber(std::string_view text) {
  const std::size_t start = text.find_first_not_of(' ');
  if (start == std::string_view::npos) return std::nullopt;
  text.remove_prefix(start);
  // from_chars knows no plus sign; a hand-edited file may well have one.
  if (text.front() == '+') {
    text.remove_prefix(1);
    if (text.empty() || text.front() == '-') return std::nullopt;
  }
  double value = 0.0;
  const char* end = text.data() + text.size();
  const auto [ptr, error] = std::from_chars(text.data(), end, value);
  if (error != std::errc{} || ptr != end || !std::isfinite(value)) return std::nullopt;
  return value;
}

std::optional<std::array<double, 3>> ParseValueTriple(std::string_view line) {
  if (line.empty() || line.front() == ' ') return std::nullopt;
  std::array<std::size_t, 2> splits{};
  int splitCount = 0;
  for (std::size_t i = 1; i < line.size(); ++i) {
    if (line[i] != ' ' || line[i - 1] == ' ') continue;
    if (splitCount == 2) return std::nullopt;
    splits[splitCount++] = i;
  }
  if (splitCount != 2) return std::nullopt;

  const std::array<std::string_view, 3> texts{
      line.substr(0, splits[0]),
      line.substr(splits[0] + 1, splits[1] - splits[0] - 1),
      line.substr(splits[1] + 1),
  };
  std::array<double, 3> values{};
  for (std::size_t i = 0; i < texts.size(); ++i) {
    const auto value = ParseFileNumber(texts[i]);
    if (!value) return std::nullopt;
    values[i] = *value;
  }
  return values;
}

}  // namespace zonalyst::io
