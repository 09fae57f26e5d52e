#include "TestFileLoader.h"

#include "FileAccess.h"
#include "PrintableText.h"
#include "TestFileLayout.h"
#include "TestPath.h"
#include "core/ConicGeometry.h"
#include "core/Constants.h"
#include "core/Rounding.h"

namespace zonalyst::io {
namespace {

LoadResult Failure(int line, std::string detail) {
  LoadResult result;
  result.error.line = line;
  result.error.detail = std::move(detail);
  return result;
}

// A whole number of line 0, rounded as the file is read, when it lies in first..last.
std::optional<int> WholeNumberIn(double value, int first, int last) {
  const double rounded = RoundHalfEven(value);
  if (!(rounded >= first && rounded <= last)) return std::nullopt;
  return static_cast<int>(rounded);
}

}  // namespace

std::string LoadError::userMessage() const {
  return "Hey,  I had a problem opening the file " + PrintableName(path) + ".\r\n" +
         "Email me the file and I'll see if I can figure out what I did wrong!\r\n" + std::string(kContactAddress);
}

std::string LoadError::userMessageWithReason() const {
  if (line != 0 || detail.empty()) return userMessage();
  return userMessage() + "\r\n" + AsSentence(detail);
}

LoadResult LoadTestText(std::string_view text) {
  auto read = ReadTestFileValues(text);
  if (auto* fault = std::get_if<LoadFault>(&read)) return Failure(fault->line, std::move(fault->detail));
  const TestFileValues& values = std::get<TestFileValues>(read);

  const auto zoneCount = WholeNumberIn(values.header[0], kMinZones, kMaxZones);
  const auto units = WholeNumberIn(values.header[1], 0, 1);
  const auto movingSource = WholeNumberIn(values.header[2], 0, 1);
  if (!zoneCount) return Failure(1, "line 1: expected a zone count of 3 to 15");
  if (!units) return Failure(1, "line 1: expected units 0 (millimetres) or 1 (inches)");
  if (!movingSource) return Failure(1, "line 1: expected light source 0 (fixed) or 1 (moving)");

  const char entry = values.entryAndSets.front();
  const char sets = values.entryAndSets.back();
  if (entry != '0' && entry != '1')
    return Failure(18, "line 18: expected zone entry 0 (effective radius) or 1 (inner and outer radius)");
  if (sets < '1' || sets > '4') return Failure(18, "line 18: expected 1 to 4 reading sets");

  MirrorTest test;
  test.ZoneCount = *zoneCount;
  test.Units = *units;
  test.MovingSource = *movingSource;
  test.Roc = values.mirror[0];
  test.Diameter = values.mirror[1];
  test.DesiredConic = values.mirror[2];
  for (int zone = 1; zone <= kMaxZones; ++zone) {
    const auto& line = values.zones[zone - 1];
    test.ZoneRadius[zone][0] = line[0];
    test.ZoneRadius[zone][1] = line[1];
    test.KeReading[zone][1] = line[2];
    for (int set = 2; set <= kMaxReadingSets; ++set) test.KeReading[zone][set] = values.moreReadings[zone - 1][set - 2];
  }
  test.InnerOuterEntry = entry - '0';
  test.ReadingSets = sets - '0';
  ComputeEffectiveRadii(test);

  LoadResult result;
  result.test = test;
  return result;
}

LoadResult LoadTestFile(std::string_view folder, std::string_view fileName) {
  const std::string path = JoinTestPath(folder, fileName);
  const FileText file = ReadFileText(path);
  LoadResult result = file.text ? LoadTestText(*file.text) : Failure(0, file.failure);
  result.error.path = path;
  return result;
}

}  // namespace zonalyst::io
