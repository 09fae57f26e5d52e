#include "DialLog.h"

#include "TextFields.h"

#include <array>

namespace zonalyst {
namespace {

struct LogLine {
  int number = 0;
  std::string_view time, sent;
  bool hasComma = false;
};

std::vector<LogLine> LinesOf(std::string_view text) {
  std::vector<LogLine> lines;
  for (int number = 1; !text.empty(); ++number) {
    const std::size_t end = text.find('\n');
    const std::string_view row = Trimmed(text.substr(0, end));
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    if (row.empty()) continue;
    const std::size_t comma = row.find(',');
    if (comma == std::string_view::npos) {
      lines.push_back({number, row, {}, false});
    } else {
      lines.push_back({number, Trimmed(row.substr(0, comma)), Trimmed(row.substr(comma + 1)), true});
    }
  }
  // A first line whose time is no number is a header.
  if (!lines.empty() && lines.front().number == 1 && !FiniteNumber(lines.front().time)) lines.erase(lines.begin());
  return lines;
}

DialFormat MostCommonFormat(const std::vector<LogLine>& lines) {
  std::array<int, 5> counts{};
  for (const LogLine& line : lines) {
    if (line.hasComma) ++counts[static_cast<std::size_t>(DialFormatOf(line.sent))];
  }
  DialFormat most = DialFormat::Text;
  for (const DialFormat format : {DialFormat::Digimatic, DialFormat::Arduino, DialFormat::Mitutoyo}) {
    if (counts[static_cast<std::size_t>(format)] > counts[static_cast<std::size_t>(most)]) most = format;
  }
  return most;
}

}  // namespace

DialLog ReadDialLog(std::string_view text, DialFormat format, bool testInInches, double offset) {
  const std::vector<LogLine> lines = LinesOf(text);
  DialLog log;
  log.format = format == DialFormat::Auto ? MostCommonFormat(lines) : format;
  log.lines = static_cast<int>(lines.size());
  std::optional<double> lastTime;
  for (const LogLine& line : lines) {
    const auto refuse = [&](std::string problem) { log.refused.push_back({line.number, std::move(problem)}); };
    if (!line.hasComma) {
      refuse("not \"time_s,value\"");
      continue;
    }
    const auto time = FiniteNumber(line.time);
    if (!time) {
      refuse("the time is not a number of seconds");
      continue;
    }
    if (lastTime && !(*time > *lastTime)) {
      refuse("the time is not later than the line before");
      continue;
    }
    const DialDecoding decoded = DecodeDialLine(line.sent, log.format);
    if (!decoded.value) {
      refuse(decoded.problem);
      continue;
    }
    lastTime = time;
    log.samples.push_back({*time, DialReading(*decoded.value, testInInches, offset)});
  }
  return log;
}

}  // namespace zonalyst
