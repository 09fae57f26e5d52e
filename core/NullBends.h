#pragma once

#include "ZoneMeter.h"

#include <optional>
#include <vector>

namespace zonalyst {

// How far each zone's reading moves when freed of its windows' average across a bend of the
// nulls. A zone's windows average the nulls of the radii their light comes from, each point
// weighted by |x| as the knife weighs it; where the nulls bend with the radius, that average
// lies off the zone's own null. The nulls are those of the surface the readings reduce to: a
// carrier line against r^2 (least squares through the readings) and off it the slope error
// over the radius, the slope error running linearly between the zones' radii from 0 at the
// centre and held constant outside the last zone read. Inside the first zone such nulls follow
// the carrier; just outside a zone they turn with the next zone's slope error, so the bend is
// sharpest there (on a 252 mm mirror, zone 1's tall windows averaged 0.0054 mm beyond its
// null). Each read zone moves by its own null less its windows' average, the surface taken
// again from the readings so moved, a few rounds. Zones not read move by 0, and so do all
// when fewer than three are read.
// readings: test units, none where a zone is not read, one for each of the zones as metered
// (their radii and where their windows gather light); no light comes from beyond the mirror's
// semi-diameter (mm).
std::vector<double> BendMoves(const std::vector<std::optional<double>>& readings, const std::vector<MeteredZone>& zones,
                              double semiDiameterMm);

}  // namespace zonalyst
