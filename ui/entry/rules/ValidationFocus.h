#pragma once

#include "core/SetupValidation.h"

namespace zonalyst::entry {

// The box (setup panel) or cell (readings panel) that takes the focus after the user
// was told of `finding`, so that the value to fix is at hand. The focal-ratio question
// answered with Cancel sends the user to the radius of curvature.
int RefusalFocus(const SetupFinding& finding, SetupScope scope);

}  // namespace zonalyst::entry
