// Writes the example test files of examples/: three made-up mirrors whose readings are
// the ideal readings plus plausible errors, and the published tests of a data folder
// (one JSON file per test) converted as they stand. Everything is written through the
// program's own saver, so the files have the exact layout.
//
// Build and run from the top of the source tree, after building zonalyst_io in BUILD:
//   g++ -std=c++20 -I. scripts/make_examples.cpp BUILD/io/libzonalyst_io.a BUILD/core/libzonalyst_core.a
//       -o /tmp/make_examples && /tmp/make_examples DATA_FOLDER examples
// The scatter comes from a fixed seed; another standard library may draw other numbers.
#include "core/ConicGeometry.h"
#include "core/Rounding.h"
#include "io/TestFileSaver.h"

#include <charconv>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <map>
#include <random>
#include <string>
#include <vector>

namespace {

using zonalyst::MirrorTest;
namespace io = zonalyst::io;

// Just enough JSON for the data files: objects, arrays, numbers, strings, literals.
struct Json {
  double number = 0.0;
  bool boolean = false;
  std::string text;
  std::vector<Json> items;
  std::map<std::string, Json> members;

  const Json& at(const std::string& key) const { return members.at(key); }
};

class JsonReader {
 public:
  explicit JsonReader(std::string text) : text_(std::move(text)) {}

  Json value() {
    skipBlanks();
    Json json;
    const char c = text_.at(at_);
    if (c == '{') {
      ++at_;
      while (skipBlanks(), text_.at(at_) != '}') {
        std::string key = string();
        skipBlanks();
        expect(':');
        json.members[key] = value();
        skipBlanks();
        if (text_.at(at_) == ',') ++at_;
      }
      ++at_;
    } else if (c == '[') {
      ++at_;
      while (skipBlanks(), text_.at(at_) != ']') {
        json.items.push_back(value());
        skipBlanks();
        if (text_.at(at_) == ',') ++at_;
      }
      ++at_;
    } else if (c == '"') {
      json.text = string();
    } else if (text_.compare(at_, 4, "true") == 0 || text_.compare(at_, 4, "null") == 0) {
      json.boolean = text_[at_] == 't';
      at_ += 4;
    } else if (text_.compare(at_, 5, "false") == 0) {
      at_ += 5;
    } else {
      const auto [end, error] = std::from_chars(text_.data() + at_, text_.data() + text_.size(), json.number);
      if (error != std::errc{}) throw std::runtime_error("bad JSON number");
      at_ = static_cast<std::size_t>(end - text_.data());
    }
    return json;
  }

 private:
  void skipBlanks() {
    while (at_ < text_.size() && std::isspace(static_cast<unsigned char>(text_[at_]))) ++at_;
  }
  void expect(char c) {
    if (text_.at(at_++) != c) throw std::runtime_error(std::string("JSON: expected ") + c);
  }
  // Escapes are kept as they stand: only the numbers of the data are used.
  std::string string() {
    expect('"');
    std::string result;
    while (text_.at(at_) != '"') {
      if (text_[at_] == '\\') result += text_[at_++];
      result += text_.at(at_++);
    }
    ++at_;
    return result;
  }

  std::string text_;
  std::size_t at_ = 0;
};

class AlwaysSave : public io::SaveQuestion {
 public:
  io::SaveDecision ask(const std::string& folder, const std::string& fileName) override {
    return {true, folder, fileName};
  }
};

void Save(const MirrorTest& test, const std::string& folder, const std::string& name) {
  AlwaysSave question;
  const io::SaveOutcome outcome = io::SaveTestFile(test, folder, name, question);
  if (outcome.status == io::SaveStatus::Failed) throw std::runtime_error(outcome.reason);
  std::cout << name << (outcome.status == io::SaveStatus::Unchanged ? ": unchanged\n" : ": written\n");
}

struct MadeUpMirror {
  std::string name;
  int units;
  int movingSource;
  double roc;
  double diameter;
  std::vector<double> zoneEdges;  // centre outwards, the last one the mirror's edge
  int readingSets;
  double correction;              // 1 a perfect paraboloid, above 1 over-corrected
  double scaleZero;               // rig scale reading where zone 1 nulls
  std::vector<double> setShifts;  // each set's own zero, added to all its readings
  double scatter;                 // standard deviation of one reading
  int decimals;                   // the scale's resolution
};

MirrorTest MadeUp(const MadeUpMirror& mirror, std::mt19937& random) {
  MirrorTest test;
  test.Units = mirror.units;
  test.MovingSource = mirror.movingSource;
  test.Roc = mirror.roc;
  test.Diameter = mirror.diameter;
  test.DesiredConic = -1.0;
  test.InnerOuterEntry = 1;
  test.ReadingSets = mirror.readingSets;
  test.ZoneCount = static_cast<int>(mirror.zoneEdges.size()) - 1;
  for (int z = 1; z <= test.ZoneCount; ++z) {
    test.ZoneRadius[z][0] = mirror.zoneEdges[z - 1];
    test.ZoneRadius[z][1] = mirror.zoneEdges[z];
  }
  zonalyst::ComputeEffectiveRadii(test);
  std::normal_distribution<double> scatter(0.0, mirror.scatter);
  for (int set = 1; set <= test.ReadingSets; ++set) {
    for (int z = 1; z <= test.ZoneCount; ++z) {
      const double reading = mirror.scaleZero + mirror.setShifts[set - 1] +
                             mirror.correction * zonalyst::IdealReading(test, z) + scatter(random);
      test.KeReading[z][set] = zonalyst::RoundHalfEven(reading, mirror.decimals);
    }
  }
  return test;
}

MirrorTest FromJson(const Json& json) {
  MirrorTest test;
  test.Units = json.at("units").text == "inch" ? 1 : 0;
  test.MovingSource = json.at("moving_source").boolean ? 1 : 0;
  test.Roc = json.at("roc").number;
  test.Diameter = json.at("diameter").number;
  test.DesiredConic = json.at("desired_conic").number;
  test.InnerOuterEntry = json.at("zone_entry").text == "effective" ? 0 : 1;
  const auto& zones = json.at("zones").items;
  const auto& sets = json.at("readings").items;
  if (zones.size() < 3 || zones.size() > 15 || sets.empty() || sets.size() > 4) {
    throw std::runtime_error("more zones or sets than a test file holds");
  }
  test.ZoneCount = static_cast<int>(zones.size());
  test.ReadingSets = static_cast<int>(sets.size());
  for (int z = 1; z <= test.ZoneCount; ++z) {
    const Json& zone = zones[z - 1];
    if (test.InnerOuterEntry == 1) {
      test.ZoneRadius[z][0] = zone.at("inner").number;
      test.ZoneRadius[z][1] = zone.at("outer").number;
    } else {
      test.ZoneRadius[z][0] = zone.at("effective").number;
    }
    for (int s = 1; s <= test.ReadingSets; ++s) test.KeReading[z][s] = sets[s - 1].items.at(z - 1).number;
  }
  return test;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: make_examples DATA_FOLDER EXAMPLES_FOLDER\n";
    return 2;
  }
  const std::string dataFolder = argv[1];
  const std::string examples = argv[2];
  try {
    std::mt19937 random(1998);
    // clang-format off
    const std::vector<MadeUpMirror> mirrors = {
        {"6in-f8-paraboloid-moving.fdr", 1, 1, 96.0, 6.0, {0.0, 1.25, 1.85, 2.3, 2.68, 3.0}, 1, 1.0, 0.25, {0.0},
         0.001, 3},
        {"10in-f5-mm-fixed-3sets.fdr", 0, 0, 2540.0, 254.0, {0.0, 40.0, 62.0, 80.0, 94.0, 106.0, 117.0, 127.0}, 3,
         0.95, 10.0, {0.0, 0.12, -0.08}, 0.035, 2},
        {"8in-f6-overcorrected-moving.fdr", 1, 1, 96.0, 8.0, {0.0, 1.4, 2.1, 2.65, 3.1, 3.55, 4.0}, 2, 1.3, 0.5,
         {0.0, 0.004}, 0.0015, 3},
    };
    // clang-format on
    for (const auto& mirror : mirrors) Save(MadeUp(mirror, random), examples, mirror.name);

    for (const auto& entry : std::filesystem::directory_iterator(dataFolder)) {
      if (entry.path().extension() != ".json") continue;
      std::ifstream in(entry.path());
      const Json json = JsonReader(std::string(std::istreambuf_iterator<char>(in), {})).value();
      std::string name = entry.path().stem().string();
      for (char& c : name) c = c == '_' ? '-' : c;
      Save(FromJson(json), examples, name + ".fdr");
    }
  } catch (const std::exception& error) {
    std::cerr << "make_examples: " << error.what() << '\n';
    return 1;
  }
  return 0;
}
