#include "ReadingsValidation.h"

#include <cmath>

namespace zonalyst {
namespace {

using Check = ReadingsRefusal::Check;

// The first reading, zone by zone and set by set, farther from zone 1's reading of its set
// than the entered radius of curvature (both in the test's units).
std::optional<ReadingsRefusal> RefuseReadingBeyondRoc(const MirrorTest& test) {
  for (int z = 2; z <= test.zones(); ++z) {
    for (int s = 1; s <= test.sets(); ++s) {
      if (std::abs(test.KeReading[z][s] - test.KeReading[1][s]) > test.Roc) {
        const std::string zone = std::to_string(z);
        const std::string set = std::to_string(s);
        return ReadingsRefusal{Check::ReadingBeyondRoc,
                               "Reading " + set + " of zone " + zone + " lies farther from reading " + set +
                                   " of zone 1 than the radius of curvature: no mirror gives such readings.\r\n"
                                   "Please check these two readings and the radius of curvature.",
                               z, s};
      }
    }
  }
  return std::nullopt;
}

bool WithinFactorOfTwo(const BestFit& fit) {
  return fit.bestFitRocMm >= fit.enteredRocMm / 2.0 && fit.bestFitRocMm <= fit.enteredRocMm * 2.0;
}

}  // namespace

bool AnyReading(const MirrorTest& test) {
  for (int z = 1; z <= test.zones(); ++z) {
    for (int s = 1; s <= test.sets(); ++s) {
      if (test.KeReading[z][s] != 0.0) return true;
    }
  }
  return false;
}

std::optional<ReadingsRefusal> AnalyseReadings(MirrorTest& test, SurfaceAnalysis& analysis) {
  if (auto refusal = RefuseReadingBeyondRoc(test)) return refusal;
  analysis.analyse(test);
  if (!analysis.reducible()) return ReadingsRefusal{Check::Irreducible, kIrreducibleReadings};
  if (!WithinFactorOfTwo(analysis.fit())) {
    return ReadingsRefusal{Check::BestFitFarOff,
                           "The best-fit radius of curvature of these readings is not within a factor of 2 of the "
                           "entered radius of curvature: they do not describe this mirror.\r\n"
                           "Please check the readings and the radius of curvature."};
  }
  if (!AnyReading(test)) return ReadingsRefusal{Check::NoReadings, kNoReadings};
  return std::nullopt;
}

}  // namespace zonalyst
