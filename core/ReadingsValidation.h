#pragma once

#include "MirrorTest.h"
#include "SurfaceAnalysis.h"

#include <optional>
#include <string>

namespace zonalyst {

// Why the readings of a test that the setup checks accept give no analysis.
struct ReadingsRefusal {
  enum class Check {
    ReadingBeyondRoc,  // a reading farther from zone 1's reading of its set than the radius of curvature
    Irreducible,       // values too large or too small to compute with (kIrreducibleReadings)
    BestFitFarOff,     // a best-fit radius of curvature not within a factor of 2 of the entered one
    NoReadings,        // every reading of the zones and sets in use is still 0
  };
  Check check;
  std::string message;  // lines joined by CR LF
  int zone = 0;         // the reading to fix: its zone (1..15) and set (1..4); 0 for none
  int set = 0;
};

// What every front end says of a test whose readings are all still 0.
inline constexpr const char* kNoReadings = "No knife-edge readings have been entered yet for this test.";

// True when a reading of the zones and sets in use differs from 0.
bool AnyReading(const MirrorTest& test);

// The checks between the setup checks and an analysis, in this order: each reading of the
// zones and sets in use lies within the radius of curvature of zone 1's reading of its set
// (no mirror moves its centre of curvature farther); the test is then analysed, and its
// values must be ones the analysis can compute with and its best-fit radius within a factor
// of 2 of the entered one (else the readings describe another mirror, or none); and at least
// one reading has been entered. The last comes last so that a caller that needs no readings
// (the mask) can let it pass after all the others. Returns the first refusal; without one,
// or with only kNoReadings, `analysis` holds the analysis of `test`.
std::optional<ReadingsRefusal> AnalyseReadings(MirrorTest& test, SurfaceAnalysis& analysis);

}  // namespace zonalyst
