#include "Cli.h"
#include "CommandSupport.h"
#include "Commands.h"
#include "OpenTest.h"
#include "PhotoPositions.h"
#include "PictureFile.h"
#include "core/JsonWriter.h"
#include "core/NumberText.h"
#include "core/ReadingsValidation.h"
#include "io/FileAccess.h"
#include "io/PathText.h"
#include "io/PrintableText.h"
#include "io/TestFileLayout.h"
#include "photo/PreparedSeries.h"
#include "plot/ContrastCurvesChart.h"
#include "plot/RasterSurface.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <iomanip>

namespace zonalyst::cli {
namespace {

constexpr const char* kUsage =
    "usage: zonalyst-cli photos FILE.fdr PHOTO... [--positions FILE.csv] [--disc X,Y,R] [--mask]\n"
    "                           [--set N] [--json] [-o OUT.fdr] [--plot OUT.png]\n"
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
    "  --mask        a Couder mask stands in front of the mirror (else it is detected)\n"
    "  --set N       the reading set -o fills: a set in use or the next one (default: the\n"
    "                next one, or 1 when all four are in use or the test has no readings)\n"
    "  --json        one JSON object: {\"disc\": {...}, \"photos\": [...], \"zones\": [...]}\n"
    "  -o OUT.fdr    writes a copy of the test with the readings as set N, to 0.001 mm\n"
    "                (0.0001 inch); a zone without a reading keeps the value measured in the\n"
    "                set there. Nothing is written, with exit code 3, when no zone was read or\n"
    "                when the set holds no measured value at a zone without a reading (a set\n"
    "                brought into use, or a test without readings)\n"
    "  --plot OUT.png  draws each zone's contrast against the knife position\n";

// A disc given by hand lies within this many pixels of the photographs' corner.
constexpr double kMaxDiscPixels = 1e6;

// What the command was asked to do, checked before any file is read.
struct PhotosRequest {
  std::string testPath;
  std::vector<std::string> photos;
  std::optional<PhotoDisc> disc;  // in the files' pixels
  std::optional<int> set;
  std::optional<std::string> positionsList, output, plot;
  bool masked = false, json = false;
};

std::optional<PhotoDisc> ParseDisc(const std::string& text) {
  const std::size_t first = text.find(',');
  const std::size_t second = first == std::string::npos ? first : text.find(',', first + 1);
  if (second == std::string::npos) return std::nullopt;
  const auto x = ParseNumberOption(text.substr(0, first));
  const auto y = ParseNumberOption(text.substr(first + 1, second - first - 1));
  const auto r = ParseNumberOption(text.substr(second + 1));
  if (!x || !y || !r || std::abs(*x) > kMaxDiscPixels || std::abs(*y) > kMaxDiscPixels || !(*r >= 1.0) ||
      *r > kMaxDiscPixels) {
    return std::nullopt;
  }
  return PhotoDisc{*x, *y, *r};
}

// The files the command reads that an output would replace: the photographs, the list of
// positions and the test (which only -o, writing a test, may replace).
std::optional<std::string> OutputOverInput(const PhotosRequest& request) {
  const auto same = [](const std::string& a, const std::string& b) {
    std::error_code error;
    return std::filesystem::equivalent(io::PathFromText(a), io::PathFromText(b), error);
  };
  const auto check = [&](const std::string& option, const std::string& output) -> std::optional<std::string> {
    const auto replaces = [&](const std::string& input, const std::string& what) -> std::optional<std::string> {
      if (!same(output, input)) return std::nullopt;
      return option + " would replace \"" + io::PrintableName(input) + "\", " + what + " this command reads";
    };
    for (const std::string& photo : request.photos) {
      if (auto problem = replaces(photo, "a photograph")) return problem;
    }
    if (request.positionsList) return replaces(*request.positionsList, "the list of knife positions");
    return option == "--plot" ? replaces(request.testPath, "the test") : std::nullopt;
  };
  if (request.output) {
    if (auto problem = check("-o", *request.output)) return problem;
  }
  return request.plot ? check("--plot", *request.plot) : std::nullopt;
}

std::optional<PhotosRequest> ParseRequest(const CommandWords& words, std::ostream& out, std::ostream& err,
                                          int& exitCode) {
  const auto options = ParseOptions(words, {{"--json", "--mask"}, {"--positions", "--disc", "--set", "-o", "--plot"}},
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
    if (!request.disc) {
      return fail("--disc takes X,Y,R in pixels: a centre from -1000000 to 1000000 and a radius from 1 to 1000000");
    }
  }
  if (const auto set = options->value("--set")) {
    const auto n = ParseWholeOption(*set, 1, kMaxReadingSets);
    if (!n) return fail("--set takes a reading set from 1 to 4");
    request.set = static_cast<int>(*n);
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
  photo::PreparedSeries series = photo::PrepareSeries(request.photos, test, {request.disc, request.masked});
  if (!series.error.empty()) {
    err << "zonalyst-cli: " << series.error << "\n";
    exitCode = kLoadFailed;
    return std::nullopt;
  }
  if (!series.disc) {
    err << "zonalyst-cli: no mirror can be told from the background in the photographs; give its disc with "
           "--disc X,Y,R\n";
    exitCode = kLoadFailed;
    return std::nullopt;
  }
  return series;
}

// The test's own average reading of each zone, where it has readings.
std::optional<double> HandReading(const MirrorTest& test, int zone) {
  if (!AnyReading(test)) return std::nullopt;
  return test.KeAverage[zone];
}

const char* DiscSourceText(const photo::PreparedSeries& series) {
  return series.discSource == photo::DiscSource::Given ? "given" : "found";
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

void PrintText(const MirrorTest& test, const photo::PreparedSeries& series, const std::vector<std::string>& photos,
               PositionSource source, const PhotoReadingsResult& result, std::ostream& out) {
  const auto reading = [&](double value) { return KnifeReadingText(value, test.inInches()); };
  const PhotoDisc disc = series.inFilePixels(*series.disc);
  out << "Disc (" << DiscSourceText(series) << "): centre " << FormatFixed(disc.x, 1) << ", " << FormatFixed(disc.y, 1)
      << " px, radius " << FormatFixed(disc.radius, 1) << " px" << (series.masked ? ", behind a mask" : "") << "\n\n";
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

void PrintJson(const MirrorTest& test, const photo::PreparedSeries& series, const std::vector<std::string>& photos,
               PositionSource source, const PhotoReadingsResult& result, std::ostream& out) {
  const PhotoDisc disc = series.inFilePixels(*series.disc);
  JsonWriter json;
  json.beginObject()
      .key("disc")
      .beginObject()
      .key("x")
      .value(disc.x)
      .key("y")
      .value(disc.y)
      .key("radius")
      .value(disc.radius)
      .key("source")
      .value(DiscSourceText(series))
      .endObject();
  json.key("photos").beginArray();
  for (std::size_t i = 0; i < photos.size(); ++i) {
    json.beginObject().key("file").value(photos[i]).key("position").value(result.positions[i]);
    json.key("source").value(PositionSourceText(source)).endObject();
  }
  json.endArray().key("zones").beginArray();
  for (const ZoneNull& zone : result.zones) {
    json.beginObject().key("zone").value(zone.zone).key("radius_mm").value(zone.radiusMm).key("reading");
    zone.reading ? json.value(*zone.reading) : json.null();
    json.key("uncertainty").value(zone.uncertainty).key("status").value(StatusText(zone.status)).key("hand");
    const auto hand = HandReading(test, zone.zone);
    hand ? json.value(*hand) : json.null();
    json.endObject();
  }
  json.endArray().endObject();
  out << json.text() << "\n";
}

bool WritePlot(const MirrorTest& test, const PhotoReadingsResult& result, const std::string& path,
               std::string& problem) {
  const auto gui = GuiForFonts();
  plot::RasterSurface surface(plot::kContrastChartWidth, plot::kContrastChartHeight);
  plot::DrawContrastCurves(surface, result, test.inInches());
  return WritePicture(surface.toPixelImage(), path, image::GifPalette::Fixed, problem);
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

  auto opened = OpenTest(request->testPath, err, exitCode, Readings::NotNeeded);
  if (!opened) return exitCode;
  MirrorTest& test = opened->test;
  AverageReadings(test);
  const int set = request->set.value_or(NextReadingSet(test));
  if (set > LastFillableSet(test)) {
    const int last = LastFillableSet(test);
    return UsageError("--set " + std::to_string(set) +
                          " would bring reading sets of zeros into use; this test takes set 1" +
                          (last > 1 ? " to " + std::to_string(last) : std::string()),
                      kUsage, err);
  }
  const auto series = ReadSeries(*request, test, err, exitCode);
  if (!series) return exitCode;
  const PhotoReadingsResult result =
      ReadPhotoNulls(test, series->frames, positions.positions, *series->disc, series->masked);
  const std::vector<std::string> photos = PhotosByPosition(*request, positions.positions, result.positions);
  for (const std::string& warning : positions.warnings) err << "warning: " << warning << "\n";
  request->json ? PrintJson(test, *series, photos, positions.source, result, out)
                : PrintText(test, *series, photos, positions.source, result, out);

  for (const ZoneNull& zone : result.zones) {
    if (!zone.reading) err << "warning: zone " << zone.zone << " has no reading (" << StatusText(zone.status) << ")\n";
  }
  if (ReadingsRunAgainstTheTest(test, result)) {
    err << "warning: the readings from the photographs run the other way with the zones' radius than the "
           "test's own: the disc may not fit the photographs, or the knife positions run backwards; check them, "
           "or give the disc with --disc X,Y,R\n";
  }
  if (request->output) {
    MirrorTest filled = test;
    const ReadingSetFill fill = FillReadingSet(filled, ReadingsOf(result), set, UnmeasuredZones::Refuse);
    const std::string name = io::PrintableName(*request->output);
    if (fill.outcome == ReadingSetFill::Outcome::NothingRead) {
      err << "zonalyst-cli: no zone was read from the photographs; " << name << " was not written\n";
      return kSetupRefused;
    }
    if (fill.outcome == ReadingSetFill::Outcome::Unmeasured) {
      err << "zonalyst-cli: " << (fill.unmeasured.size() == 1 ? "zone " : "zones ") << ZoneListText(fill.unmeasured)
          << " got no reading from the photographs, and set " << set
          << " holds no measured value there; a value never measured is not written as a reading, so " << name
          << " was not written\n";
      return kSetupRefused;
    }
    const std::string problem = io::ReplaceFileText(*request->output, io::BuildTestFileText(filled));
    if (!problem.empty()) {
      err << "zonalyst-cli: " << problem << "\n";
      return kWriteFailed;
    }
  }
  if (request->plot) {
    std::string problem;
    if (!WritePlot(test, result, *request->plot, problem)) {
      err << "zonalyst-cli: " << problem << "\n";
      return kWriteFailed;
    }
  }
  return kSuccess;
}

}  // namespace zonalyst::cli
