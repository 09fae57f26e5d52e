#pragma once

#include "core/JsonWriter.h"
#include "core/MirrorTest.h"

namespace zonalyst::cli {

// Writes the key "ml" and the Millies-Lacroix judgement with the slider at 0:
// {"max_rta", "ratios" (zones 2..N), "devs" (zones 1..N, user units)}. Works on a copy,
// as the judgement recomputes the averages from the readings.
void WriteMilliesLacroixJson(JsonWriter& json, MirrorTest test);

}  // namespace zonalyst::cli
