#include "TesterOptions.h"

#include "CommandSupport.h"
#include "core/KnifePositions.h"

#include <cmath>

namespace zonalyst::cli {

const char* const kTesterOptionsHelp =
    "  The knife position is a reading on the rig's scale in the test's units, like the zone readings.\n"
    "  --knife X          knife or grating position, -1000000..1000000 (default: the middle zone's\n"
    "                     average reading, where that zone looks nulled)\n"
    "  --cut MM           how far the knife edge stands past the axis into the beam, or the grating's phase,\n"
    "                     mm (default 0.025 for the knife, 0 for the grating)\n"
    "  --slit MM          width of the slit source, mm (default 0.1)\n"
    "  --lpi N            lines per inch of the grating (default 100)\n"
    "  --side left|right  the side the knife or grating enters from (default right)\n"
    "  --perfect          the desired conic at the best-fit radius instead of the measured mirror\n"
    "  --size PX          side of the square picture, 16..4000 pixels (default 400)\n";

const Options::Accepted& TesterOptionNames() {
  static const Options::Accepted names{{"--perfect"},
                                       {"--view", "--knife", "--cut", "--slit", "--lpi", "--side", "--size"}};
  return names;
}

void AcceptTesterOptions(Options::Accepted& accepted) {
  accepted.flags.insert(TesterOptionNames().flags.begin(), TesterOptionNames().flags.end());
  accepted.valued.insert(TesterOptionNames().valued.begin(), TesterOptionNames().valued.end());
}

std::optional<TesterRequest> ParseTesterOptions(const Options& options, bool viewRequired, const char* usage,
                                                std::ostream& err, int& exitCode) {
  const auto refuse = [&](const std::string& problem) { return RefuseUsage(problem, usage, err, exitCode); };
  TesterRequest request;
  const auto view = options.value("--view");
  if (view == "ronchi") {
    request.settings.pattern = TesterPattern::Ronchi;
    request.settings.cutMm = kDefaultGratingPhaseMm;
  } else if (view != "foucault" && (view || viewRequired)) {
    return refuse("--view takes foucault or ronchi");
  }
  if (const auto text = options.value("--knife")) {
    request.knife = ParseNumberOption(*text);
    if (!request.knife || std::abs(*request.knife) > kMaxKnifePosition) {
      return refuse("--knife takes a reading in the test's units, from -1000000 to 1000000");
    }
  }
  if (const auto text = options.value("--cut")) {
    const auto value = ParseNumberOption(*text);
    if (!value || *value < -1000.0 || *value > 1000.0) return refuse("--cut takes millimetres from -1000 to 1000");
    request.settings.cutMm = *value;
  }
  if (const auto text = options.value("--slit")) {
    const auto value = ParseNumberOption(*text);
    if (!value || !(*value > 0.0) || *value > 100.0) return refuse("--slit takes millimetres above 0, up to 100");
    request.settings.slitMm = *value;
  }
  if (const auto text = options.value("--lpi")) {
    const auto value = ParseNumberOption(*text);
    if (!value || !(*value > 0.0) || *value > 10000.0) return refuse("--lpi takes lines per inch above 0, up to 10000");
    request.settings.linesPerInch = *value;
  }
  if (const auto side = options.value("--side")) {
    if (*side != "left" && *side != "right") return refuse("--side takes left or right");
    request.settings.side = *side == "left" ? EntrySide::Left : EntrySide::Right;
  }
  if (const auto text = options.value("--size")) {
    const auto value = ParseWholeOption(*text, 16, 4000);
    if (!value) return refuse("--size takes a whole number of pixels from 16 to 4000");
    request.size = static_cast<int>(*value);
  }
  request.perfect = options.has("--perfect");
  return request;
}

double KnifeReading(const TesterRequest& request, const MirrorTest& test) {
  return request.knife.value_or(test.KeAverage[MiddleZone(test.ZoneCount)]);
}

}  // namespace zonalyst::cli
