// Writes examples/astigmatism/: four tests of one made-up 200 mm f/6 mirror with
// astigmatism, turned in its stand to 0, 60 and 120 degrees and back to 0, as
// `zonalyst-cli astigmatism` and the window's "Astigmatism..." read them. The mirror has
// A = 0.025 mm of astigmatism (a moving source: the meridians' radii 0.05 mm apart, a
// wavefront P-V of 87 nm) with its longer radius at 35 degrees, and moved 0.015 mm along
// the axis before the last test. Each test has two reading sets off a 0.001 mm dial with
// a scatter of 0.006 mm per reading.
//
// Build and run from the top of the source tree, after building zonalyst_io in BUILD:
//   g++ -std=c++20 -I. scripts/make_astigmatism_examples.cpp BUILD/io/libzonalyst_io.a
//       BUILD/core/libzonalyst_core.a -o /tmp/make_astig && /tmp/make_astig examples/astigmatism
// The scatter comes from a fixed seed; another standard library may draw other numbers.
#include "core/ConicGeometry.h"
#include "core/Rounding.h"
#include "io/TestFileSaver.h"

#include <cmath>
#include <iostream>
#include <numbers>
#include <random>
#include <string>

namespace {

using zonalyst::MirrorTest;
namespace io = zonalyst::io;

class AlwaysSave final : public io::SaveQuestion {
 public:
  io::SaveDecision ask(const std::string& folder, const std::string& fileName) override {
    return {true, folder, fileName};
  }
};

struct Orientation {
  std::string name;
  double angleDeg;
  double drift;  // the mirror's move along the axis since the first test, mm
};

MirrorTest Turned(const Orientation& o, std::mt19937& random) {
  constexpr double kAmplitude = 0.025, kAxisDeg = 35.0, kScaleZero = 12.4, kCorrection = 0.96;
  MirrorTest test;
  test.Units = 0;
  test.MovingSource = 1;
  test.Roc = 2400.0;
  test.Diameter = 200.0;
  test.DesiredConic = -1.0;
  test.InnerOuterEntry = 1;
  test.ReadingSets = 2;
  const std::vector<double> edges = {0.0, 32.0, 50.0, 64.0, 76.0, 88.0, 100.0};
  test.ZoneCount = static_cast<int>(edges.size()) - 1;
  for (int z = 1; z <= test.ZoneCount; ++z) {
    test.ZoneRadius[z][0] = edges[z - 1];
    test.ZoneRadius[z][1] = edges[z];
  }
  zonalyst::ComputeEffectiveRadii(test);
  const double astigmatism = kAmplitude * std::cos(2.0 * (o.angleDeg - kAxisDeg) * std::numbers::pi / 180.0);
  std::normal_distribution<double> scatter(0.0, 0.006);
  for (int set = 1; set <= test.ReadingSets; ++set) {
    for (int z = 1; z <= test.ZoneCount; ++z) {
      const double reading =
          kScaleZero + o.drift + astigmatism + kCorrection * zonalyst::IdealReading(test, z) + scatter(random);
      test.KeReading[z][set] = zonalyst::RoundHalfEven(reading, 3);
    }
  }
  return test;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: make_astigmatism_examples FOLDER\n";
    return 2;
  }
  std::mt19937 random(2033);
  const Orientation orientations[] = {
      {"test1_rot0.fdr", 0.0, 0.0},
      {"test2_rot60.fdr", 60.0, 0.0},
      {"test3_rot120.fdr", 120.0, 0.0},
      {"test4_rot0.fdr", 0.0, 0.015},
  };
  for (const Orientation& o : orientations) {
    AlwaysSave question;
    const io::SaveOutcome outcome = io::SaveTestFile(Turned(o, random), argv[1], o.name, question);
    if (outcome.status == io::SaveStatus::Failed) {
      std::cerr << "make_astigmatism_examples: " << outcome.reason << "\n";
      return 1;
    }
    std::cout << o.name << "\n";
  }
  return 0;
}
