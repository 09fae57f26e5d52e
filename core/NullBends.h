#pragma once

#include "ZoneMeter.h"

#include <optional>
#include <vector>

namespace zonalyst {

// How far each zone's reading moves when freed of its windows' average across a bend of the
// nulls. A zone's windows average the nulls of the radii their pixels span; where the nulls bend
// with the radius (as they do at each zone's radius on a mirror reduced from uneven readings),
// that average lies off the zone's own null. Each zone read between two zones read moves by
// -(b+ - b-) E[(r^2 - r_z^2)+], b- and b+ the nulls' slopes against r^2 towards the zones read on
// either side, the expectation over a normal spread of r^2 as wide as the zone's windows'; the
// slopes are taken again from the readings so moved, a few rounds. The other zones move by 0.
// readings: test units, none where a zone is not read, one for each of the zones as metered
// (their radii and their windows' spread of r^2).
std::vector<double> BendMoves(const std::vector<std::optional<double>>& readings,
                              const std::vector<MeteredZone>& zones);

}  // namespace zonalyst
