#pragma once

#include <string>
#include <vector>

#include "MirrorTest.h"

namespace zonalyst {

// One finding of the setup checks that run before an analysis.
struct SetupFinding {
  enum class Check { ZeroRoc, ZeroDiameter, FocalRatioBelowOne, ZeroZoneRadius, ZonesOutOfOrder, MaskTooBig };
  Check check;
  std::string message;  // lines joined by CR LF
  std::string title;
  bool question = false;  // OK goes on with the next check, Cancel stops (the focal-ratio question)
  int zone = 0;           // the zone whose first box takes the focus, 0 for none
};

// Which checks run: all six on the setup panel, the first three on the readings panel.
enum class SetupScope { SetupPanel, ReadingsPanel };

// The findings in the order the checks run, ending with the first refusal. The
// focal-ratio question does not end the list: whoever asks it decides whether to go on.
// Effective radii (ZoneRadius column 2) must be current.
std::vector<SetupFinding> CheckSetup(const MirrorTest& test, SetupScope scope);

}  // namespace zonalyst
