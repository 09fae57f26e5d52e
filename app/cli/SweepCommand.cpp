#include "Cli.h"
#include "CommandSupport.h"
#include "Commands.h"
#include "PhotoReport.h"
#include "core/JsonWriter.h"
#include "core/NumberText.h"
#include "core/ReadingsValidation.h"
#include "photo/RecordedSweep.h"
#include "plot/ContrastCurvesChart.h"

#include <iomanip>

namespace zonalyst::cli {
namespace {

constexpr const char* kUsage =
    "usage: zonalyst-cli sweep FILE.fdr --frames FRAMES.csv --dial DIAL.log\n"
    "                          [--dial-format auto|digimatic|arduino|text|mitutoyo] [--dial-offset X]\n"
    "                          [--latency S] [--direction in|out|both] [--disc X,Y,R] [--mask]\n"
    "                          [--set N] [--json] [-o OUT.fdr] [--plot OUT.png]\n"
    "  Reads each zone's knife-edge reading from one sweep of the knife: frames that a camera\n"
    "  behind the knife took while the knife moved in and out, and a dial indicator's values\n"
    "  logged beside them on the same clock. Each zone's null is read in every pass, and the\n"
    "  mean of the passes in and out cancels the camera's delay and the play between dial and\n"
    "  knife. Prints the disc, the passes, one row per zone (its reading, uncertainty, status,\n"
    "  in - out, the test's own average reading) and the rig's hysteresis, the median in - out.\n"
    "  A zone without a reading gets a warning on the error output; a made-up value is never given.\n"
    "  --frames FRAMES.csv  lines \"file,time_s\": each frame (PNG, JPEG or TIFF, all the same\n"
    "                size; a relative name is found beside the list) and its time stamp\n"
    "  --dial DIAL.log  lines \"time_s,value\": what the dial's adapter sent, and when\n"
    "  --dial-format F  auto (the form most lines have), digimatic (13 nibbles in hex),\n"
    "                arduino (the reader's 10 bytes in hex), text (\"1.234\", \"1.47 mm\",\n"
    "                \"15052 ms 0.058 in\") or mitutoyo (\"01A+0000.123\")\n"
    "  --dial-offset X  added to every dial value, in the test's units: the test's reading where\n"
    "                the dial shows 0 (an inch dial on a millimetre test is converted first)\n"
    "  --latency S   the frames' time stamps lag what they show by S seconds (a camera's known\n"
    "                delay); without it the mean of the passes in and out cancels the delay\n"
    "  --direction D  in (the knife's reading rising), out, or both (the default)\n"
    "  --disc X,Y,R  the mirror's disc in the frames' pixels, x to the right and y down from\n"
    "                the top-left corner, instead of finding it\n"
    "  --mask        a Couder mask stands in front of the mirror (else it is detected)\n"
    "  --set N       the reading set -o fills: a set in use or the next one (default: the\n"
    "                next one, or 1 when all four are in use or the test has no readings)\n"
    "  --json        one JSON object: {\"disc\", \"photos\", \"passes\", \"hysteresis\", \"zones\"}\n"
    "  -o OUT.fdr    writes a copy of the test with the readings as set N, as photos does\n"
    "  --plot OUT.png  draws each zone's contrast against the knife position, each pass in its\n"
    "                own colour\n";

constexpr double kLongestLatencyS = 10.0;

// What the command was asked to do, checked before any file is read.
struct SweepRequest {
  std::string testPath;
  photo::SweepSource source;
  SweepSettings settings;
  std::optional<int> set;
  std::optional<std::string> output, plot;
  bool json = false;
};

std::optional<SweepDirection> DirectionNamed(const std::string& name) {
  if (name == "both") return SweepDirection::Both;
  if (name == "in") return SweepDirection::In;
  if (name == "out") return SweepDirection::Out;
  return std::nullopt;
}

std::optional<SweepRequest> ParseRequest(const CommandWords& words, std::ostream& out, std::ostream& err,
                                         int& exitCode) {
  const auto parsed = ParseCommand(words,
                                   {{"--json", "--mask"},
                                    {"--frames", "--dial", "--dial-format", "--dial-offset", "--latency", "--direction",
                                     "--disc", "--set", "-o", "--plot"}},
                                   kUsage, out, err, exitCode);
  if (!parsed) return std::nullopt;
  const Options& options = parsed->options;
  const auto fail = [&](const std::string& problem) {
    exitCode = UsageError(problem, kUsage, err);
    return std::nullopt;
  };
  SweepRequest request;
  request.testPath = parsed->testPath;
  const auto frames = options.value("--frames");
  const auto dial = options.value("--dial");
  if (!frames || !dial)
    return fail("a sweep needs its frames (--frames FRAMES.csv) and its dial log (--dial DIAL.log)");
  request.source.frameList = *frames;
  request.source.dialLog = *dial;
  if (const auto format = options.value("--dial-format")) {
    const auto named = DialFormatNamed(*format);
    if (!named) return fail("--dial-format takes auto, digimatic, arduino, text or mitutoyo");
    request.source.dialFormat = *named;
  }
  if (const auto offset = options.value("--dial-offset")) {
    const auto value = ParseNumberOption(*offset);
    if (!value || std::abs(*value) > kMaxKnifePosition) {
      return fail("--dial-offset takes a number in the test's units from -1000000 to 1000000");
    }
    request.source.dialOffset = *value;
  }
  if (const auto latency = options.value("--latency")) {
    const auto value = ParseNumberOption(*latency);
    if (!value || std::abs(*value) > kLongestLatencyS) return fail("--latency takes seconds from -10 to 10");
    request.source.latencyS = request.settings.latencyS = *value;
  }
  if (const auto direction = options.value("--direction")) {
    const auto named = DirectionNamed(*direction);
    if (!named) return fail("--direction takes in, out or both");
    request.settings.direction = *named;
  }
  if (const auto disc = options.value("--disc")) {
    request.source.disc = ParseDisc(*disc);
    if (!request.source.disc) return fail(kDiscProblem);
  }
  if (const auto set = options.value("--set")) {
    request.set = ParseSetOption(*set);
    if (!request.set) return fail(kSetProblem);
  }
  request.output = options.value("-o");
  if (request.output && !EndsWith(*request.output, ".fdr")) return fail("-o names the .fdr file to write");
  request.plot = options.value("--plot");
  if (request.plot && !EndsWith(*request.plot, ".png")) return fail("--plot names the .png file to write");
  request.source.masked = options.has("--mask");
  request.json = options.has("--json");
  if (const auto problem = OutputOverInput(
          request.output, request.plot, request.testPath,
          {{request.source.frameList, "the list of frames"}, {request.source.dialLog, "the dial log"}})) {
    return fail(*problem);
  }
  exitCode = kSuccess;
  return request;
}

std::string DirectionText(Travel direction) { return direction == Travel::In ? "in" : "out"; }

std::string UnitsPerSecond(const MirrorTest& test) { return test.inInches() ? "in/s" : "mm/s"; }

void PrintText(const MirrorTest& test, const photo::RecordedSweep& sweep, const SweepResult& result,
               std::ostream& out) {
  const auto reading = [&](double value) { return KnifeReadingText(value, test.inInches()); };
  const auto cell = [&](std::optional<double> value) { return value ? reading(*value) : "-"; };
  PrintDisc(sweep.frames, out);
  PrintShake(sweep.frames, sweep.files, out);
  out << "\nFrames: " << result.positions.size() << ", " << result.framesUsed << " used";
  if (result.framesStill > 0) out << ", " << result.framesStill << " while the knife stood still";
  if (result.framesOutside > 0) out << ", " << result.framesOutside << " before or after the dial's values";
  if (result.framesInGaps > 0) out << ", " << result.framesInGaps << " while the dial was silent";
  out << "\nDial: " << sweep.dial.samples.size() << " values (" << DialFormatName(sweep.dial.format) << ")\n";
  for (const TrackGap& gap : result.gaps) {
    out << "Dial silent from " << FormatFixed(gap.fromS, 2) << " to " << FormatFixed(gap.toS, 2)
        << " s: the frames stamped then were not used\n";
  }
  out << "\n"
      << std::setw(4) << "Pass"
      << "  " << std::left << std::setw(9) << "Direction" << std::right << std::setw(11) << "From" << std::setw(11)
      << "To" << std::setw(12) << ("Speed " + UnitsPerSecond(test)) << std::setw(8) << "Frames\n";
  for (std::size_t p = 0; p < result.passes.size(); ++p) {
    const KnifePass& pass = result.passes[p].pass;
    out << std::setw(4) << p + 1 << "  " << std::left << std::setw(9) << DirectionText(pass.direction) << std::right
        << std::setw(11) << reading(pass.from) << std::setw(11) << reading(pass.to) << std::setw(12)
        << reading(pass.speed()) << std::setw(7) << result.passes[p].frames << "\n";
  }
  out << "\n"
      << std::setw(4) << "Zone" << std::setw(11) << "Radius mm" << std::setw(11) << "Reading" << std::setw(13)
      << "Uncertainty"
      << "  " << std::left << std::setw(27) << "Status" << std::right << std::setw(9) << "In - out" << std::setw(11)
      << "Hand" << std::setw(12) << "Difference\n";
  for (const SweepZone& zone : result.zones) {
    const auto hand = HandReading(test, zone.zone);
    out << std::setw(4) << zone.zone << std::setw(11) << FormatFixed(zone.radiusMm, 2) << std::setw(11)
        << cell(zone.reading) << std::setw(13) << cell(zone.reading ? std::optional(zone.uncertainty) : std::nullopt)
        << "  " << std::left << std::setw(27) << StatusText(zone.status) << std::right << std::setw(9)
        << cell(zone.inMinusOut) << std::setw(11) << cell(hand) << std::setw(11)
        << cell(zone.reading && hand ? std::optional(*zone.reading - *hand) : std::nullopt) << "\n";
  }
  out << "\nHysteresis (the median of the zones' in - out): "
      << (result.hysteresis ? reading(*result.hysteresis) + (test.inInches() ? " in" : " mm")
                            : std::string("- (no zone was read both ways)"))
      << "\n";
}

void PrintJson(const MirrorTest& test, const photo::RecordedSweep& sweep, const SweepResult& result,
               std::ostream& out) {
  const auto optional = [](JsonWriter& json, std::optional<double> value) -> JsonWriter& {
    return value ? json.value(*value) : json.null();
  };
  JsonWriter json;
  json.beginObject();
  WriteDiscJson(json, sweep.frames, test);
  WriteShakeJson(json, sweep.frames, sweep.files);
  json.key("photos").beginArray();
  for (std::size_t k = 0; k < sweep.files.size(); ++k) {
    json.beginObject().key("file").value(sweep.files[k]).key("position");
    optional(json, result.positions[k]).key("source").value("dial").endObject();
  }
  json.endArray().key("passes").beginArray();
  for (const SweepPass& pass : result.passes) {
    json.beginObject()
        .key("direction")
        .value(DirectionText(pass.pass.direction))
        .key("from")
        .value(pass.pass.from)
        .key("to")
        .value(pass.pass.to)
        .key("speed")
        .value(pass.pass.speed())
        .key("frames")
        .value(pass.frames)
        .endObject();
  }
  json.endArray().key("hysteresis");
  optional(json, result.hysteresis).key("zones").beginArray();
  for (const SweepZone& zone : result.zones) {
    json.beginObject().key("zone").value(zone.zone).key("radius_mm").value(zone.radiusMm).key("reading");
    optional(json, zone.reading)
        .key("uncertainty")
        .value(zone.uncertainty)
        .key("status")
        .value(StatusText(zone.status));
    optional(json.key("hand"), HandReading(test, zone.zone)).key("in");
    optional(json, zone.in).key("out");
    optional(json, zone.out).key("in_minus_out");
    optional(json, zone.inMinusOut).endObject();
  }
  json.endArray().endObject();
  out << json.text() << "\n";
}

}  // namespace

int RunSweep(const CommandWords& words, std::ostream& out, std::ostream& err) {
  int exitCode = kSuccess;
  const auto request = ParseRequest(words, out, err, exitCode);
  if (!request) return exitCode;
  auto target = OpenReadingsTarget(request->testPath, request->set, kUsage, err, exitCode);
  if (!target) return exitCode;
  const MirrorTest& test = target->test;
  const int set = target->set;

  const photo::RecordedSweep sweep = photo::ReadRecordedSweep(test, request->source);
  switch (sweep.failure) {
    case photo::SweepFailure::None:
      break;
    case photo::SweepFailure::TooFewFrames:
      return UsageError(sweep.error, kUsage, err);
    case photo::SweepFailure::Unreadable:
      err << "zonalyst-cli: " << sweep.error << "\n";
      return kLoadFailed;
  }
  if (const int failed = SeriesFailure(sweep.frames, "frames", err); failed != kSuccess) return failed;
  std::vector<InputFile> frames;
  for (const std::string& file : sweep.files) frames.push_back({file, "a frame"});
  if (const auto problem = OutputOverInput(request->output, request->plot, request->testPath, frames)) {
    return UsageError(*problem, kUsage, err);
  }
  if (!sweep.dial.refused.empty())
    err << "warning: " << photo::RefusedLinesText(sweep.dial, request->source.dialLog) << "\n";
  const photo::MeasuredSweep measured = photo::MeasureSweep(test, sweep);
  const SweepResult result = SolveSweep(test, measured.zones, sweep.track, measured.frames, request->settings);
  request->json ? PrintJson(test, sweep, result, out) : PrintText(test, sweep, result, out);
  if (const int written = WriteReadings(test, AsPhotoReadings(result), set, request->output, "the sweep", err);
      written != kSuccess) {
    return written;
  }
  if (!request->plot) return kSuccess;
  return WriteContrastChart(
      *request->plot, [&](plot::PictureSurface& s) { plot::DrawSweepCurves(s, result, test.inInches()); }, err);
}

}  // namespace zonalyst::cli
