#include "Cli.h"
#include "CommandSupport.h"
#include "Commands.h"
#include "MilliesLacroixJson.h"
#include "OpenTest.h"
#include "core/ConicGeometry.h"
#include "core/JsonWriter.h"
#include "core/ResultTexts.h"
#include "core/SurfaceAnalysis.h"
#include "core/ZoneReport.h"
#include "io/PrintableText.h"

#include <algorithm>
#include <iomanip>

namespace zonalyst::cli {
namespace {

constexpr const char* kUsage =
    "usage: zonalyst-cli report FILE.fdr [--json]\n"
    "  Reduces the knife-edge readings of the test and prints the mirror, the best-fit\n"
    "  radius of curvature, the six measures of quality at that radius, the RMS surface\n"
    "  error over the measured zones alone (refitted there, whatever lies beyond them) and\n"
    "  the zone table.\n"
    "  --json   one JSON object instead of the text report\n";

void PrintZoneTable(const ZoneReport& report, std::ostream& out) {
  constexpr int kWidth = 14;
  const auto printRow = [&](const auto& cells) {
    for (const auto& cell : cells) out << std::setw(kWidth) << cell;
    out << "\n";
  };
  printRow(ZoneReport::kUpperHeadings);
  printRow(ZoneReport::kLowerHeadings);
  for (const auto& row : report.rows) printRow(row);
}

void PrintText(const OpenedTest& opened, const BestFit& fit, const SurfaceAnalysis& analysis, std::ostream& out) {
  const MirrorTest& test = opened.test;
  const ZoneReport report = BuildZoneReport(test, fit.bestFitRocMm);
  out << "Test: " << io::PrintableName(opened.path) << "\n"
      << report.unitsLine << "\n"
      << report.mirrorLine << "\n"
      << BestFitCaption(test, fit) << "\n\n";
  const ResultTexts results = FormatResults(analysis.metrics());
  for (std::size_t i = 0; i < results.size(); ++i) {
    out << std::left << std::setw(26) << kResultCaptions[i] << std::right << results[i] << "\n";
  }
  out << kMeasuredSpanRmsCaption << "  " << MeasuredSpanRmsText(analysis.fitMeasuredSpan(test)) << "\n\n";
  PrintZoneTable(report, out);
}

void PrintJson(const MirrorTest& test, const BestFit& fit, const SurfaceAnalysis& analysis, std::ostream& out) {
  const QualityMetrics& m = analysis.metrics();
  const SurfaceProfile& p = analysis.profile();
  const int zones = test.zones();
  JsonWriter json;
  json.beginObject()
      .key("units")
      .value(test.inInches() ? "inch" : "mm")
      .key("moving_source")
      .value(test.MovingSource == 1)
      .key("zone_count")
      .value(test.ZoneCount)
      .key("reading_sets")
      .value(test.ReadingSets)
      .key("roc")
      .value(test.Roc)
      .key("diameter")
      .value(test.Diameter)
      .key("desired_conic")
      .value(test.DesiredConic)
      .key("roc_mm")
      .value(fit.enteredRocMm)
      .key("best_fit_roc_mm")
      .value(fit.bestFitRocMm)
      .key("glass_volume_mm3")
      .value(m.GlassVolume)
      .key("peak_valley_mm")
      .value(m.PeakValley)
      .key("pv_fraction")
      .value(m.PvFraction)
      .key("pv_text")
      .value(PeakValleyText(m.PvFraction))
      .key("transverse_error_max")
      .value(m.TransErrMax)
      .key("encircled_energy_ratio")
      .value(m.EncircledRatio)
      .key("strehl")
      .value(m.Strehl)
      .key("rms_waves")
      .value(m.RmsWaves)
      .key("rms_nm")
      .value(m.rmsNanometres());
  const std::optional<MeasuredSpanFit> spanFit = analysis.fitMeasuredSpan(test);
  const MeasuredSpan span = MeasuredSpanOf(test);
  json.key("rms_nm_measured");
  spanFit ? json.value(spanFit->rmsNanometres()) : json.null();
  json.key("measured_span_mm").array(std::vector<double>{span.fromMm, span.toMm}).key("measured_span_roc_mm");
  spanFit ? json.value(spanFit->rocMm) : json.null();
  json.key("zones").beginArray();
  for (int z = 1; z <= zones; ++z) {
    json.beginObject()
        .key("zone")
        .value(z)
        .key("effective_radius")
        .value(test.effectiveRadius(z))
        .key("average_reading")
        .value(test.KeAverage[z])
        .key("ideal_reading")
        .value(IdealReading(test, z))
        .key("zonal_correction_pct");
    const auto correction = ZonalCorrectionPercent(test, z);
    correction ? json.value(*correction) : json.null();
    json.endObject();
  }
  json.endArray();
  const auto grid = [](const auto& values) {
    return std::vector<double>(values.begin(), values.begin() + kGridLast + 1);
  };
  json.key("profile")
      .beginObject()
      .key("r_mm")
      .array(grid(p.ProfileR))
      .key("z_mm")
      .array(grid(p.ProfileZ))
      .key("err_mm")
      .array(grid(m.ProfileErr))
      .key("trans_err")
      .array(grid(m.TransErr))
      .endObject();
  WriteMilliesLacroixJson(json, test);
  json.endObject();
  out << json.text() << "\n";
}

}  // namespace

int RunReport(const CommandWords& words, std::ostream& out, std::ostream& err) {
  int exitCode = kSuccess;
  const auto request = ParsePrintRequest(words, kUsage, out, err, exitCode);
  if (!request) return exitCode;
  auto opened = OpenTest(request->testPath, err, exitCode);
  if (!opened) return exitCode;

  SurfaceAnalysis analysis(opened->bessel);
  const BestFit fit = analysis.analyse(opened->test);
  if (request->json) {
    PrintJson(opened->test, fit, analysis, out);
  } else {
    PrintText(*opened, fit, analysis, out);
  }
  return kSuccess;
}

}  // namespace zonalyst::cli
