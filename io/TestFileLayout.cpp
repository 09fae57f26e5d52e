#include "TestFileLayout.h"

#include "PrintableText.h"
#include "ValueTriple.h"
#include "core/Constants.h"
#include "core/NumberText.h"

#include <cctype>

namespace zonalyst::io {
namespace {

constexpr int kEntryAndSetsLine = 17;
constexpr std::size_t kShownTextLength = 40;

// Line of the file that holds the reading of zone z (1..15) in set s (2..4).
constexpr int ReadingLine(int zone, int set) { return 3 * zone + 13 + set; }

struct FileLines {
  std::array<std::string_view, kMaxFileLines> text{};
  int count = 0;
};

// The fault at a 0-based line, told with the line counted from 1 and what stood there.
LoadFault FaultAt(const FileLines& lines, int index, const std::string& expected) {
  std::string detail = "line " + std::to_string(index + 1) + ": expected " + expected;
  if (index >= lines.count) {
    detail += ", but the file ends before it";
  } else {
    detail += ", found \"" + PrintableQuote(lines.text[index], kShownTextLength) + "\"";
  }
  return LoadFault{index + 1, detail};
}

std::variant<FileLines, LoadFault> SplitLines(std::string_view text) {
  FileLines lines;
  std::size_t position = 0;
  while (position < text.size()) {
    if (lines.count == kMaxFileLines) {
      return LoadFault{kMaxFileLines + 1, "line " + std::to_string(kMaxFileLines + 1) +
                                              ": expected the end of the file; a test file has at most " +
                                              std::to_string(kMaxFileLines) + " lines"};
    }
    const std::size_t end = text.find('\n', position);
    std::string_view line =
        text.substr(position, end == std::string_view::npos ? text.size() - position : end - position);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.text[lines.count++] = line;
    if (end == std::string_view::npos) break;
    position = end + 1;
  }
  return lines;
}

bool IsDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }

std::string ZoneLineExpectation(int zone) {
  return "three numbers for zone " + std::to_string(zone) + " (inner radius, outer radius, set 1 reading)";
}

}  // namespace

std::variant<TestFileValues, LoadFault> ReadTestFileValues(std::string_view text) {
  auto split = SplitLines(text);
  if (auto* fault = std::get_if<LoadFault>(&split)) return std::move(*fault);
  const FileLines& lines = std::get<FileLines>(split);

  TestFileValues values;
  const auto header = ParseValueTriple(lines.text[0]);
  if (!header)
    return FaultAt(lines, 0, "three numbers (zone count, units 0 mm or 1 inch, light source 0 fixed or 1 moving)");
  values.header = *header;

  const auto mirror = ParseValueTriple(lines.text[1]);
  if (!mirror) return FaultAt(lines, 1, "three numbers (radius of curvature, diameter, desired conic)");
  values.mirror = *mirror;

  for (int zone = 1; zone <= kMaxZones; ++zone) {
    const auto zoneValues = ParseValueTriple(lines.text[zone + 1]);
    if (!zoneValues) return FaultAt(lines, zone + 1, ZoneLineExpectation(zone));
    values.zones[zone - 1] = *zoneValues;
  }

  const std::string_view entryAndSets = lines.text[kEntryAndSetsLine];
  if (entryAndSets.empty() || !IsDigit(entryAndSets.front()) || !IsDigit(entryAndSets.back())) {
    return FaultAt(lines, kEntryAndSetsLine,
                   "the zone entry digit (1 inner and outer radius, 0 effective radius), a blank and the number of "
                   "reading sets");
  }
  values.entryAndSets = std::string(entryAndSets);

  for (int zone = 1; zone <= kMaxZones; ++zone) {
    for (int set = 2; set <= kMaxReadingSets; ++set) {
      const int index = ReadingLine(zone, set);
      const std::string_view line = lines.text[index];
      if (line.empty()) continue;  // an empty or missing reading line reads 0
      const auto reading = ParseFileNumber(line);
      if (!reading) {
        return FaultAt(
            lines, index,
            "the reading of zone " + std::to_string(zone) + " in set " + std::to_string(set) + " or an empty line");
      }
      values.moreReadings[zone - 1][set - 2] = *reading;
    }
  }
  return values;
}

TestFileValues TestFileValuesOf(const MirrorTest& test) {
  TestFileValues values;
  values.header = {static_cast<double>(test.ZoneCount), static_cast<double>(test.Units),
                   static_cast<double>(test.MovingSource)};
  values.mirror = {test.Roc, test.Diameter, test.DesiredConic};
  for (int zone = 1; zone <= kMaxZones; ++zone) {
    values.zones[zone - 1] = {test.ZoneRadius[zone][0], test.ZoneRadius[zone][1], test.KeReading[zone][1]};
    for (int set = 2; set <= kMaxReadingSets; ++set) values.moreReadings[zone - 1][set - 2] = test.KeReading[zone][set];
  }
  values.entryAndSets = std::to_string(test.InnerOuterEntry) + " " + std::to_string(test.ReadingSets);
  return values;
}

std::string BuildTestFileText(const MirrorTest& test) {
  const TestFileValues values = TestFileValuesOf(test);
  std::string text;
  const auto addLine = [&text](const std::string& line) { text += line + "\r\n"; };
  const auto addTriple = [&addLine](const std::array<double, 3>& triple) {
    addLine(FormatGeneral(triple[0]) + " " + FormatGeneral(triple[1]) + " " + FormatGeneral(triple[2]));
  };
  // Line 0 holds whole numbers; the general form writes them as plain digits.
  addTriple(values.header);
  addTriple(values.mirror);
  for (const auto& zone : values.zones) addTriple(zone);
  addLine(values.entryAndSets);
  for (const auto& zone : values.moreReadings) {
    for (const double reading : zone) addLine(FormatGeneral(reading));
  }
  return text;
}

}  // namespace zonalyst::io
