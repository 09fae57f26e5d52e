#include "Cli.h"
#include "CommandSupport.h"
#include "Commands.h"
#include "PhotoPositions.h"
#include "PhotoReport.h"
#include "core/JsonWriter.h"
#include "core/NumberText.h"
#include "core/ReadingsValidation.h"
#include "io/PrintableText.h"
#include "photo/PreparedSeries.h"
#include "plot/ContrastCurvesChart.h"

#include <algorithm>
#include <iomanip>

namespace zonalyst::cli {
namespace {

constexpr const char* kUsage =
    "usage: zonalyst-cli photos FILE.fdr PHOTO... [--positions FILE.csv] [--disc X,Y,R] [--mask]\n"
    "                           [--edge-diameter MM] [--set N] [--json] [-o OUT.fdr] [--plot OUT.png]\n"
    "  Reads each zone's knife-edge reading from photographs of the mirror taken through the\n"
    "  tester at two or more knife positions (PNG, JPEG or TIFF, all the same size): the\n"
    "  position where the zone's left and right sides are equally bright. A photograph's knife\n"
    "  position is the last number in its file name (Image_1.25.png is 1.25), in the test's\n"
    "  units on the readings' scale. Prints the disc, the photographs and one row per zone:\n"
    "  its reading, the reading's uncertainty, its status and the test's own average reading.\n"
    "  A zone without a reading gets a warning on the error output; a made-up value is never given.\n"
    "  A zone with a window that no photograph lights is not read (\"on background\"), and the\n"
    "  readings of a moving-source test that run the other way with the radius than the test's\n"
    "  own get a warning: the disc does not fit them, or the positions run backwards.\n"
    "  --positions FILE.csv  the knife positions as lines \"file,position\" instead\n"
    "  --disc X,Y,R  the mirror's disc in the photographs' pixels, x to the right and y down\n"
    "                from the top-left corner, instead of finding it\n"
    "  --mask        a Couder mask stands in front of the mirror (else it is detected); its\n"
    "                openings then give the scale\n"
    "  --edge-diameter MM  the diameter, in millimetres, that the disc's visible edge stands\n"
    "                for (a bevelled mirror's optical edge is smaller than its glass; default:\n"
    "                the test's diameter)\n"
    "  --set N       the reading set -o fills: a set in use or the next one (default: the\n"
    "                next one, or 1 when all four are in use or the test has no readings)\n"
    "  --json        one JSON object: {\"disc\": {...}, \"photos\": [...], \"zones\": [...]}\n"
    "  -o OUT.fdr    writes a copy of the test with the readings as set N, to 0.001 mm\n"
    "                (0.0001 inch); a zone without a reading keeps the value measured in the\n"
    "                set there. Nothing is written, with exit code 3, when no zone was read or\n"
    "                when the set holds no measured value at a zone without a reading (a set\n"
    "                brought into use, or a test without readings)\n"
    "  --plot OUT.png  draws each zone's contrast against the knife position\n";

// The largest diameter a disc's edge may stand for, millimetres.
constexpr double kMaxEdgeDiameterMm = 1e5;

// What the command was asked to do, checked before any file is read.
struct PhotosRequest {
  std::string testPath;
  std::vector<std::string> photos;
  std::optional<PhotoDisc> disc;  // in the files' pixels
  std::optional<int> set;
  std::optional<double> edgeDiameterMm;
  std::optional<std::string> positionsList, output, plot;
  bool masked = false, json = false;
};

// The files the command reads that an output would replace: the photographs and the list of
// positions.
std::optional<std::string> OutputOverInput(const PhotosRequest& request) {
  std::vector<InputFile> inputs;
  for (const std::string& photo : request.photos) inputs.push_back({photo, "a photograph"});
  if (request.positionsList) inputs.push_back({*request.positionsList, "the list of knife positions"});
  return OutputOverInput(request.output, request.plot, request.testPath, inputs);
}

std::optional<PhotosRequest> ParseRequest(const CommandWords& words, std::ostream& out, std::ostream& err,
                                          int& exitCode) {
  const auto options =
      ParseOptions(words, {{"--json", "--mask"}, {"--positions", "--disc", "--edge-diameter", "--set", "-o", "--plot"}},
                   kUsage, out, err, exitCode);
  if (!options) return std::nullopt;
  const auto fail = [&](const std::string& problem) {
    exitCode = UsageError(problem, kUsage, err);
    return std::nullopt;
  };
  const std::vector<std::string>& files = options->positionals();
  if (files.empty()) return fail("expected a test file and two or more photographs");
  PhotosRequest request;
  request.testPath = files.front();
  request.photos.assign(files.begin() + 1, files.end());
  if (request.photos.size() < 2) return fail("expected two or more photographs at different knife positions");
  if (const auto disc = options->value("--disc")) {
    request.disc = ParseDisc(*disc);
    if (!request.disc) return fail(kDiscProblem);
  }
  if (const auto edge = options->value("--edge-diameter")) {
    request.edgeDiameterMm = ParseNumberOption(*edge);
    if (!request.edgeDiameterMm || !(*request.edgeDiameterMm > 0.0) || *request.edgeDiameterMm > kMaxEdgeDiameterMm) {
      return fail("--edge-diameter takes the diameter the disc's edge stands for, in millimetres, from 0 to 100000");
    }
  }
  if (const auto set = options->value("--set")) {
    request.set = ParseSetOption(*set);
    if (!request.set) return fail(kSetProblem);
  }
  request.positionsList = options->value("--positions");
  request.output = options->value("-o");
  if (request.output && !EndsWith(*request.output, ".fdr")) return fail("-o names the .fdr file to write");
  request.plot = options->value("--plot");
  if (request.plot && !EndsWith(*request.plot, ".png")) return fail("--plot names the .png file to write");
  request.masked = options->has("--mask");
  request.json = options->has("--json");
  if (const auto problem = OutputOverInput(request)) return fail(*problem);
  exitCode = kSuccess;
  return request;
}

// The photographs prepared; the exit code and a message when they cannot be read.
std::optional<photo::PreparedSeries> ReadSeries(const PhotosRequest& request, const MirrorTest& test, std::ostream& err,
                                                int& exitCode) {
  photo::PreparedSeries series =
      photo::PrepareSeries(request.photos, test, {request.disc, request.masked, request.edgeDiameterMm});
  exitCode = SeriesFailure(series, "photographs", err);
  if (exitCode != kSuccess) return std::nullopt;
  return series;
}

// The light gradient seen, as a sentence.
std::string GradientText(const PhotoReadingsResult& result) {
  const double g = result.lightGradient;
  return "the light is " + FormatFixed(100.0 * std::abs(g), 0) + " % (+-" +
         FormatFixed(100.0 * result.lightGradientError, 0) + " %) darker at the mirror's " +
         (g > 0.0 ? "right" : "left") + " edge than at its " + (g > 0.0 ? "left" : "right") +
         "; the readings are taken with it evened out, and their uncertainty holds how far its own moves them";
}

// The photographs in the order of their positions, as the result lists them.
std::vector<std::string> PhotosByPosition(const PhotosRequest& request, const std::vector<double>& given,
                                          const std::vector<double>& ascending) {
  std::vector<std::string> ordered;
  for (const double position : ascending) {
    for (std::size_t i = 0; i < given.size(); ++i) {
      if (given[i] == position) ordered.push_back(request.photos[i]);
    }
  }
  return ordered;
}

void PrintText(const MirrorTest& test, const photo::PreparedSeries& series, const PhotosRequest& request,
               const std::vector<std::string>& photos, PositionSource source, const PhotoReadingsResult& result,
               std::ostream& out) {
  const auto reading = [&](double value) { return KnifeReadingText(value, test.inInches()); };
  PrintDisc(series, out);
  PrintShake(series, request.photos, out);
  if (result.gradientSeen()) out << "Light: " << GradientText(result) << "\n";
  out << "\n";
  std::size_t nameWidth = 5;
  std::vector<std::string> names;
  for (const std::string& photo : photos) {
    names.push_back(io::PrintableName(photo));
    nameWidth = std::max(nameWidth, names.back().size());
  }
  out << std::left << std::setw(static_cast<int>(nameWidth)) << "Photo" << std::right << std::setw(16)
      << "Knife position  From\n";
  for (std::size_t i = 0; i < names.size(); ++i) {
    out << std::left << std::setw(static_cast<int>(nameWidth)) << names[i] << std::right << std::setw(16)
        << reading(result.positions[i]) << "  " << PositionSourceText(source) << "\n";
  }
  out << "\n"
      << std::setw(4) << "Zone" << std::setw(11) << "Radius mm" << std::setw(11) << "Reading" << std::setw(13)
      << "Uncertainty"
      << "  " << std::left << std::setw(16) << "Status" << std::right << std::setw(11) << "Hand" << std::setw(12)
      << "Difference\n";
  for (const ZoneNull& zone : result.zones) {
    const auto hand = HandReading(test, zone.zone);
    const auto cell = [&](std::optional<double> value) { return value ? reading(*value) : "-"; };
    out << std::setw(4) << zone.zone << std::setw(11) << FormatFixed(zone.radiusMm, 2) << std::setw(11)
        << cell(zone.reading) << std::setw(13) << cell(zone.reading ? std::optional(zone.uncertainty) : std::nullopt)
        << "  " << std::left << std::setw(16) << StatusText(zone.status) << std::right << std::setw(11) << cell(hand)
        << std::setw(11) << cell(zone.reading && hand ? std::optional(*zone.reading - *hand) : std::nullopt) << "\n";
  }
}

void PrintJson(const MirrorTest& test, const photo::PreparedSeries& series, const PhotosRequest& request,
               const std::vector<std::string>& photos, PositionSource source, const PhotoReadingsResult& result,
               std::ostream& out) {
  JsonWriter json;
  json.beginObject();
  WriteDiscJson(json, series, test);
  WriteShakeJson(json, series, request.photos);
  json.key("light_gradient").value(result.lightGradient);
  json.key("light_gradient_uncertainty").value(result.lightGradientError);
  json.key("photos").beginArray();
  for (std::size_t i = 0; i < photos.size(); ++i) {
    json.beginObject().key("file").value(photos[i]).key("position").value(result.positions[i]);
    json.key("source").value(PositionSourceText(source)).endObject();
  }
  json.endArray().key("zones").beginArray();
  for (const ZoneNull& zone : result.zones) {
    json.beginObject().key("zone").value(zone.zone).key("radius_mm").value(zone.radiusMm).key("reading");
    zone.reading ? json.value(*zone.reading) : json.null();
    json.key("uncertainty").value(zone.uncertainty).key("uncertainty_parts").beginObject();
    json.key("scatter").value(zone.parts.scatter).key("spacing").value(zone.parts.spacing);
    json.key("scale").value(zone.parts.scale).key("gradient").value(zone.parts.gradient);
    json.key("bend").value(zone.parts.bend).endObject();
    json.key("status").value(StatusText(zone.status)).key("hand");
    const auto hand = HandReading(test, zone.zone);
    hand ? json.value(*hand) : json.null();
    json.endObject();
  }
  json.endArray().endObject();
  out << json.text() << "\n";
}

}  // namespace

int RunPhotos(const CommandWords& words, std::ostream& out, std::ostream& err) {
  int exitCode = kSuccess;
  const auto request = ParseRequest(words, out, err, exitCode);
  if (!request) return exitCode;
  const PhotoPositions positions = KnifePositionsOf(request->photos, request->positionsList);
  if (positions.listUnreadable) {
    err << "zonalyst-cli: " << positions.problem << "\n";
    return kLoadFailed;
  }
  if (!positions.problem.empty()) return UsageError(positions.problem, kUsage, err);

  auto target = OpenReadingsTarget(request->testPath, request->set, kUsage, err, exitCode);
  if (!target) return exitCode;
  const MirrorTest& test = target->test;
  const int set = target->set;
  const auto series = ReadSeries(*request, test, err, exitCode);
  if (!series) return exitCode;
  const PhotoReadingsResult result =
      ReadPhotoNulls(test, series->frames, positions.positions, *series->discScale, series->masked);
  if (!result.knifeVertical) {
    err << "zonalyst-cli: the light moves up and down across these photographs, not from side to side: take them "
           "with the knife edge vertical, or turn them so that it is\n";
    return kLoadFailed;
  }
  const std::vector<std::string> photos = PhotosByPosition(*request, positions.positions, result.positions);
  for (const std::string& warning : positions.warnings) err << "warning: " << warning << "\n";
  request->json ? PrintJson(test, *series, *request, photos, positions.source, result, out)
                : PrintText(test, *series, *request, photos, positions.source, result, out);

  if (result.gradientSeen()) err << "warning: " << GradientText(result) << "\n";
  if (ReadingsRunAgainstTheTest(test, result)) {
    err << "warning: the readings from the photographs run the other way with the zones' radius than the "
           "test's own: the disc may not fit the photographs, or the knife positions run backwards; check them, "
           "or give the disc with --disc X,Y,R\n";
  }
  if (const int written = WriteReadings(test, result, set, request->output, "the photographs", err);
      written != kSuccess)
    return written;
  if (!request->plot) return kSuccess;
  return WriteContrastChart(
      *request->plot, [&](plot::PictureSurface& s) { plot::DrawContrastCurves(s, result, test.inInches()); }, err);
}

}  // namespace zonalyst::cli
