#include "FrameList.h"

#include <charconv>
#include <cmath>
#include <optional>

namespace zonalyst {
namespace {

std::string_view Trimmed(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t\r");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

std::optional<double> Seconds(std::string_view text) {
  double value = 0.0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) return std::nullopt;
  return value;
}

}  // namespace

FrameList ReadFrameList(std::string_view text) {
  FrameList list;
  for (int number = 1; !text.empty(); ++number) {
    const std::size_t end = text.find('\n');
    const std::string_view row = Trimmed(text.substr(0, end));
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    if (row.empty()) continue;
    const std::size_t comma = row.rfind(',');
    const std::string_view file = comma == std::string_view::npos ? row : Trimmed(row.substr(0, comma));
    const auto time = comma == std::string_view::npos ? std::nullopt : Seconds(Trimmed(row.substr(comma + 1)));
    if (time && !file.empty()) {
      list.frames.push_back({std::string(file), *time});
      continue;
    }
    if (number == 1) continue;  // a header
    list.badLine = number;
    list.problem = comma == std::string_view::npos ? "not \"file,time_s\""
                   : file.empty()                  ? "no file before the comma"
                                                   : "the time is not a number of seconds";
    return list;
  }
  return list;
}

}  // namespace zonalyst
