#include "FrameList.h"

#include "TextFields.h"

#include <optional>

namespace zonalyst {

FrameList ReadFrameList(std::string_view text) {
  FrameList list;
  for (int number = 1; !text.empty(); ++number) {
    const std::size_t end = text.find('\n');
    const std::string_view row = Trimmed(text.substr(0, end));
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    if (row.empty()) continue;
    const std::size_t comma = row.rfind(',');
    const std::string_view file = comma == std::string_view::npos ? row : Trimmed(row.substr(0, comma));
    const auto time = comma == std::string_view::npos ? std::nullopt : FiniteNumber(Trimmed(row.substr(comma + 1)));
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
