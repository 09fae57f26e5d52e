#include "Cli.h"
#include "CommandSupport.h"
#include "Commands.h"
#include "History.h"
#include "core/JsonWriter.h"
#include "core/NumberText.h"
#include "core/ResultTexts.h"
#include "io/PathText.h"
#include "io/PrintableText.h"
#include "io/TestHistory.h"

#include <iomanip>

namespace zonalyst::cli {
namespace {

constexpr const char* kUsage =
    "usage: zonalyst-cli history FOLDER|FILE... [--json] [-o PICTURE.png|PICTURE.gif]\n"
    "  Reduces every test of a mirror's figuring history, oldest first by the time each\n"
    "  file was last written (ties by name): a folder gives its .fdr files. One row per\n"
    "  test: best-fit radius of curvature (mm), P-V wavefront error, RMS surface error (nm),\n"
    "  Strehl ratio and each zone's % zonal correction. Tests that do not load, or that\n"
    "  report refuses, are listed as skipped; the exit code is 1 when none is reduced.\n"
    "  --json   one JSON object: {\"tests\": [...], \"skipped\": [...]}, each\n"
    "           skipped path with its kind: folder, pipe, device, socket, other,\n"
    "           link-loop, dangling-link, missing, unreadable, not-a-test or refused\n"
    "  -o FILE  also draws the error curves of all tests overlaid, above the RMS and Strehl\n"
    "           of each test\n";

// What the command was asked to reduce and draw, checked before any test is read.
struct HistoryRequest {
  std::vector<std::string> paths;  // folders and test files
  std::optional<std::string> picture;
  bool json = false;
};

std::optional<HistoryRequest> ParseRequest(const CommandWords& words, std::ostream& out, std::ostream& err,
                                           int& exitCode) {
  const auto options = ParseOptions(words, {{"--json"}, {"-o"}}, kUsage, out, err, exitCode);
  if (!options) return std::nullopt;
  if (options->positionals().empty()) return RefuseUsage("expected a folder or test files", kUsage, err, exitCode);
  HistoryRequest request{options->positionals(), options->value("-o"), options->has("--json")};
  if (request.picture && !EndsWith(*request.picture, ".png") && !EndsWith(*request.picture, ".gif")) {
    return RefuseUsage("-o names a .gif or .png file", kUsage, err, exitCode);
  }
  return request;
}

// "2026-12-06 14:40 UTC" from the JSON's timestamp.
std::string TableDate(const HistoryTest& entry) {
  const std::string stamp = io::UtcTimestamp(entry.modified);
  return stamp.substr(0, 10) + " " + stamp.substr(11, 5) + " UTC";
}

void PrintTable(const History& history, std::ostream& out, std::ostream& err) {
  std::vector<std::string> names;
  for (const HistoryTest& entry : history.tests) names.push_back(io::PrintableName(io::FileNameOf(entry.path)));
  std::size_t nameWidth = 4;
  for (const std::string& name : names) nameWidth = std::max(nameWidth, name.size());
  out << std::left << std::setw(static_cast<int>(nameWidth)) << "File" << std::right << "  " << std::setw(20)
      << "Modified" << std::setw(14) << "Best-fit ROC" << std::setw(12) << "P-V" << std::setw(10) << "RMS nm"
      << std::setw(8) << "Strehl"
      << "  % zonal correction, zone 1..N\n";
  for (std::size_t i = 0; i < history.tests.size(); ++i) {
    const HistoryTest& entry = history.tests[i];
    const QualityMetrics& m = entry.metrics;
    out << std::left << std::setw(static_cast<int>(nameWidth)) << names[i] << std::right << "  " << std::setw(20)
        << TableDate(entry) << std::setw(14) << FormatFixed(entry.fit.bestFitRocMm, 3) << std::setw(12)
        << PeakValleyText(m.PvFraction) << std::setw(10) << FormatFixed(m.rmsNanometres(), 1) << std::setw(8)
        << FormatFixed(m.Strehl, 3) << " ";
    for (const auto& correction : entry.zonalCorrectionPct) {
      out << std::setw(6) << (correction ? FormatTwoDigits(*correction) + "%" : "-");
    }
    out << "\n";
  }
  for (const SkippedTest& skipped : history.skipped) {
    err << "skipped " << io::PrintableName(skipped.path) << ":\n" << skipped.error << "\n";
  }
}

void PrintJson(const History& history, std::ostream& out) {
  JsonWriter json;
  json.beginObject().key("tests").beginArray();
  for (const HistoryTest& entry : history.tests) {
    json.beginObject()
        .key("file")
        .value(entry.path)
        .key("modified")
        .value(io::UtcTimestamp(entry.modified))
        .key("best_fit_roc_mm")
        .value(entry.fit.bestFitRocMm)
        .key("pv_fraction")
        .value(entry.metrics.PvFraction)
        .key("peak_valley_mm")
        .value(entry.metrics.PeakValley)
        .key("rms_nm")
        .value(entry.metrics.rmsNanometres())
        .key("strehl")
        .value(entry.metrics.Strehl);
    json.key("zonal_correction_pct").beginArray();
    for (const auto& correction : entry.zonalCorrectionPct) correction ? json.value(*correction) : json.null();
    json.endArray().endObject();
  }
  json.endArray().key("skipped").beginArray();
  for (const SkippedTest& skipped : history.skipped) {
    json.beginObject().key("file").value(skipped.path).key("kind").value(skipped.kind);
    json.key("error").value(skipped.error).endObject();
  }
  json.endArray().endObject();
  out << json.text() << "\n";
}

}  // namespace

int RunHistory(const CommandWords& words, std::ostream& out, std::ostream& err) {
  int exitCode = kSuccess;
  const auto request = ParseRequest(words, out, err, exitCode);
  if (!request) return exitCode;

  const History history = ReduceHistory(request->paths, err);
  if (request->json) {
    PrintJson(history, out);
  } else {
    PrintTable(history, out, err);
  }
  if (history.tests.empty()) {
    err << "zonalyst-cli: no test of the history could be loaded\n";
    return kLoadFailed;
  }
  if (request->picture) {
    std::string problem;
    if (!WriteHistoryPicture(history, *request->picture, problem)) {
      err << "zonalyst-cli: " << problem << "\n";
      return kWriteFailed;
    }
  }
  return kSuccess;
}

}  // namespace zonalyst::cli
