#pragma once

#include <functional>
#include <optional>
#include <vector>

#include "core/SetupValidation.h"

namespace zonalyst::entry {

// Shows one finding to the user: a refusal with its critical icon (the answer is
// ignored), or the focal-ratio question, where true means OK.
using FindingTeller = std::function<bool(const SetupFinding&)>;

// Goes through the findings of CheckSetup as the user answers them. Returns nothing
// when the setup may be left, else the box (setup panel) or cell (readings panel)
// that takes the focus so that the user can fix it.
std::optional<int> RefusedSetupFocus(const std::vector<SetupFinding>& findings, SetupScope scope,
                                     const FindingTeller& tell);

}  // namespace zonalyst::entry
