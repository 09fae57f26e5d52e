#pragma once

#include "MirrorTest.h"

#include <string>
#include <vector>

namespace zonalyst {

// One finding of the setup checks that run before an analysis.
struct SetupFinding {
  enum class Check {
    ZeroRoc,
    NegativeRoc,
    ZeroDiameter,
    NegativeDiameter,
    RocBelowMirrorRadius,
    FocalRatioBelowOne,
    ZeroZoneRadius,
    NegativeZoneRadius,
    InnerBeyondOuter,
    ZonesOutOfOrder,
    ZonesCoincide,
    ZonesOverlap,
    MaskTooBig,
    OuterBeyondEdge,
  };
  Check check;
  std::string message;  // lines joined by CR LF
  std::string title;
  bool question = false;  // OK goes on with the next check, Cancel stops (the focal-ratio question)
  int zone = 0;           // the zone whose box takes the focus, 0 for none
  int column = 0;         // that zone's box: 0 inner (or effective) radius, 1 outer radius
};

// Which checks run: all of them on the setup panel; on the readings panel only those of
// the radius of curvature and the diameter (up to the focal-ratio question).
enum class SetupScope { SetupPanel, ReadingsPanel };

// The findings in the order the checks run, ending with the first refusal. The
// focal-ratio question does not end the list: whoever asks it decides whether to go on.
// Refused are setups that describe no real mirror or mask: a zero or negative radius of
// curvature or diameter, a radius of curvature below the mirror's radius, a zero or
// negative zone radius, zones out of order or of one effective radius, a mask beyond the
// mirror's edge and, in inner/outer entry, an inner radius beyond its outer one and a zone
// that begins inside the one before it. The window and the command
// line both refuse by this list. Effective radii (ZoneRadius column 2) must be current.
std::vector<SetupFinding> CheckSetup(const MirrorTest& test, SetupScope scope);

}  // namespace zonalyst
