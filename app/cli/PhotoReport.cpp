#include "PhotoReport.h"

#include "Cli.h"
#include "CommandSupport.h"
#include "OpenTest.h"
#include "Options.h"
#include "PictureFile.h"
#include "core/NumberText.h"
#include "core/ReadingsValidation.h"
#include "io/FileAccess.h"
#include "io/PathText.h"
#include "io/PrintableText.h"
#include "io/TestFileLayout.h"
#include "plot/ContrastCurvesChart.h"
#include "plot/RasterSurface.h"

#include <algorithm>
#include <cmath>
#include <filesystem>

namespace zonalyst::cli {
namespace {

// A disc given by hand lies within this many pixels of the pictures' corner.
constexpr double kMaxDiscPixels = 1e6;

}  // namespace

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

std::optional<int> ParseSetOption(const std::string& text) {
  const auto n = ParseWholeOption(text, 1, kMaxReadingSets);
  if (!n) return std::nullopt;
  return static_cast<int>(*n);
}

std::optional<ReadingsTarget> OpenReadingsTarget(const std::string& path, std::optional<int> set, const char* usage,
                                                 std::ostream& err, int& exitCode) {
  auto opened = OpenTest(path, err, exitCode, Readings::NotNeeded);
  if (!opened) return std::nullopt;
  ReadingsTarget target{std::move(opened->test), 1};
  AverageReadings(target.test);
  target.set = set.value_or(NextReadingSet(target.test));
  const int last = LastFillableSet(target.test);
  if (target.set <= last) return target;
  exitCode = UsageError("--set " + std::to_string(target.set) +
                            " would bring reading sets of zeros into use; this test takes set 1" +
                            (last > 1 ? " to " + std::to_string(last) : std::string()),
                        usage, err);
  return std::nullopt;
}

std::optional<std::string> OutputOverInput(const std::optional<std::string>& output,
                                           const std::optional<std::string>& plot, const std::string& testPath,
                                           const std::vector<InputFile>& inputs) {
  const auto same = [](const std::string& a, const std::string& b) {
    std::error_code error;
    return std::filesystem::equivalent(io::PathFromText(a), io::PathFromText(b), error);
  };
  const auto check = [&](const std::string& option, const std::string& path) -> std::optional<std::string> {
    const auto replaces = [&](const InputFile& input) -> std::optional<std::string> {
      if (!same(path, input.path)) return std::nullopt;
      return option + " would replace \"" + io::PrintableName(input.path) + "\", " + input.what + " this command reads";
    };
    for (const InputFile& input : inputs) {
      if (auto problem = replaces(input)) return problem;
    }
    return option == "--plot" ? replaces({testPath, "the test"}) : std::nullopt;
  };
  if (output) {
    if (auto problem = check("-o", *output)) return problem;
  }
  return plot ? check("--plot", *plot) : std::nullopt;
}

int SeriesFailure(const photo::PreparedSeries& series, const std::string& frames, std::ostream& err) {
  if (!series.error.empty()) {
    err << "zonalyst-cli: " << series.error << "\n";
    return kLoadFailed;
  }
  if (!series.disc) {
    err << "zonalyst-cli: no mirror can be told from the background in the " << frames
        << "; give its disc with --disc X,Y,R\n";
    return kLoadFailed;
  }
  if (!series.discScale) {
    err << "zonalyst-cli: behind a Couder mask the scale comes from the mask's openings, and they do not match "
           "the zones' inner and outer radii; give the mirror's disc with --disc X,Y,R\n";
    return kLoadFailed;
  }
  return kSuccess;
}

std::optional<double> HandReading(const MirrorTest& test, int zone) {
  if (!AnyReading(test)) return std::nullopt;
  return test.KeAverage[zone];
}

void PrintDisc(const photo::PreparedSeries& series, std::ostream& out) {
  const DiscScale& scale = *series.discScale;
  const PhotoDisc disc = series.inFilePixels(scale.disc);
  out << "Disc (" << ScaleSourceText(scale.source) << "): centre " << FormatFixed(disc.x, 1) << ", "
      << FormatFixed(disc.y, 1) << " px, radius " << FormatFixed(disc.radius, 1) << " +- "
      << FormatFixed(scale.radiusUncertainty * series.scale, 1) << " px";
  if (series.edgeDiameterMm) out << ", its edge standing for " << FormatFixed(*series.edgeDiameterMm, 2) << " mm";
  out << (series.masked ? ", behind a mask" : "") << "\n";
}

void WriteDiscJson(JsonWriter& json, const photo::PreparedSeries& series, const MirrorTest& test) {
  const DiscScale& scale = *series.discScale;
  const PhotoDisc disc = series.inFilePixels(scale.disc);
  json.key("disc")
      .beginObject()
      .key("x")
      .value(disc.x)
      .key("y")
      .value(disc.y)
      .key("radius")
      .value(disc.radius)
      .key("radius_uncertainty")
      .value(scale.radiusUncertainty * series.scale)
      .key("source")
      .value(ScaleSourceText(scale.source))
      .key("edge_diameter_mm")
      .value(series.edgeDiameterMm.value_or(test.diameterMm()))
      .endObject();
}

void PrintShake(const photo::PreparedSeries& series, const std::vector<std::string>& files, std::ostream& out) {
  std::vector<std::string> names;
  for (const std::string& file : files) names.push_back(io::PrintableName(file));
  for (const std::string& line : photo::ShakeLines(series, names)) out << "Shake: " << line << "\n";
}

void WriteShakeJson(JsonWriter& json, const photo::PreparedSeries& series, const std::vector<std::string>& files) {
  if (!AnyShake(series.shake)) return;
  json.key("shake").beginArray();
  for (std::size_t k = 0; k < series.shake.size() && k < files.size(); ++k) {
    const FrameShift& shift = series.shake[k];
    if (shift.outcome == FrameShift::Outcome::Steady) continue;
    json.beginObject().key("file").value(files[k]).key("dx").value(shift.dx * series.scale);
    json.key("dy").value(shift.dy * series.scale).key("uncertainty").value(shift.error * series.scale);
    json.key("outcome").value(photo::ShakeOutcomeText(shift.outcome)).endObject();
  }
  json.endArray();
}

int WriteReadings(const MirrorTest& test, const PhotoReadingsResult& result, int set,
                  const std::optional<std::string>& output, const std::string& source, std::ostream& err) {
  for (const ZoneNull& zone : result.zones) {
    if (!zone.reading) err << "warning: zone " << zone.zone << " has no reading (" << StatusText(zone.status) << ")\n";
  }
  if (!output) return kSuccess;
  MirrorTest filled = test;
  const ReadingSetFill fill = FillReadingSet(filled, ReadingsOf(result), set, UnmeasuredZones::Refuse);
  const std::string name = io::PrintableName(*output);
  if (fill.outcome == ReadingSetFill::Outcome::NothingRead) {
    err << "zonalyst-cli: no zone was read from " << source << "; " << name << " was not written\n";
    return kSetupRefused;
  }
  if (fill.outcome == ReadingSetFill::Outcome::Unmeasured) {
    err << "zonalyst-cli: " << (fill.unmeasured.size() == 1 ? "zone " : "zones ") << ZoneListText(fill.unmeasured)
        << " got no reading from " << source << ", and set " << set
        << " holds no measured value there; a value never measured is not written as a reading, so " << name
        << " was not written\n";
    return kSetupRefused;
  }
  const std::string problem = io::ReplaceFileText(*output, io::BuildTestFileText(filled));
  if (problem.empty()) return kSuccess;
  err << "zonalyst-cli: " << problem << "\n";
  return kWriteFailed;
}

int WriteContrastChart(const std::string& path, const std::function<void(plot::PictureSurface&)>& draw,
                       std::ostream& err) {
  const auto gui = GuiForFonts();
  plot::RasterSurface surface(plot::kContrastChartWidth, plot::kContrastChartHeight);
  draw(surface);
  std::string problem;
  if (WritePicture(surface.toPixelImage(), path, image::GifPalette::Fixed, problem)) return kSuccess;
  err << "zonalyst-cli: " << problem << "\n";
  return kWriteFailed;
}

}  // namespace zonalyst::cli
