#pragma once

#include "core/ReadingsValidation.h"
#include "core/SetupValidation.h"

namespace zonalyst::entry {

// Where the user mends what a check refused: a box of the setup panel or a cell of the
// readings panel.
struct FixPlace {
  bool onReadingsPanel = false;
  int index = 0;  // the box or the cell
};

// The box (setup panel) or cell (readings panel) that takes the focus after the user
// was told of `finding`, so that the value to fix is at hand. The focal-ratio question
// answered with Cancel sends the user to the radius of curvature.
FixPlace RefusalPlace(const SetupFinding& finding, SetupScope scope);

// The same for refused readings: the reading named, the readings panel's radius of
// curvature when the best fit lies far from it, the setup panel's when the values cannot
// be computed with, and the first reading when none has been entered.
FixPlace RefusalPlace(const ReadingsRefusal& refusal);

}  // namespace zonalyst::entry
