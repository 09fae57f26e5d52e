#include "MilliesLacroixJson.h"

#include "core/MilliesLacroix.h"

#include <vector>

namespace zonalyst::cli {

void WriteMilliesLacroixJson(JsonWriter& json, MirrorTest test) {
  const MilliesLacroix ml = ComputeMilliesLacroix(test, 0);
  std::vector<double> devs(ml.dev.begin() + 1, ml.dev.begin() + ml.zoneCount + 1);
  json.key("ml").beginObject().key("max_rta").value(ml.maxRta).key("ratios").beginArray();
  // A zone whose desired correction does not change has no ratio: the chart's zero bar is no measurement.
  for (int z = 2; z <= ml.zoneCount; ++z) ml.hasRatio[z] ? json.value(ml.ratio[z]) : json.null();
  json.endArray().key("devs").array(devs).endObject();
}

}  // namespace zonalyst::cli
