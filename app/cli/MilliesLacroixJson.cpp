#include "MilliesLacroixJson.h"

#include <vector>

#include "core/MilliesLacroix.h"

namespace zonalyst::cli {

void WriteMilliesLacroixJson(JsonWriter& json, MirrorTest test) {
  const MilliesLacroix ml = ComputeMilliesLacroix(test, 0);
  std::vector<double> ratios(ml.ratio.begin() + 2, ml.ratio.begin() + ml.zoneCount + 1);
  std::vector<double> devs(ml.dev.begin() + 1, ml.dev.begin() + ml.zoneCount + 1);
  json.key("ml").beginObject().key("max_rta").value(ml.maxRta).key("ratios").array(ratios).key("devs").array(devs).endObject();
}

}  // namespace zonalyst::cli
