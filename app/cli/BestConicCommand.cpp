#include "Cli.h"
#include "CommandSupport.h"
#include "Commands.h"
#include "OpenTest.h"
#include "core/BestFitConic.h"
#include "core/JsonWriter.h"
#include "core/NumberText.h"
#include "core/SurfaceAnalysis.h"

namespace zonalyst::cli {
namespace {

constexpr const char* kUsage =
    "usage: zonalyst-cli bestconic FILE.fdr [--json]\n"
    "  Searches the conic constant that the measured mirror matches best (steps of 0.1,\n"
    "  0.01 and 0.001 while the RMS wavefront error at the best-fit radius falls) and\n"
    "  prints it with the RMS error there.\n"
    "  --json   one JSON object instead of text\n";

}  // namespace

int RunBestConic(const CommandWords& words, std::ostream& out, std::ostream& err) {
  int exitCode = kSuccess;
  const auto request = ParsePrintRequest(words, kUsage, out, err, exitCode);
  if (!request) return exitCode;
  auto opened = OpenTest(request->testPath, err, exitCode);
  if (!opened) return exitCode;
  MirrorTest& test = opened->test;

  SurfaceAnalysis analysis(opened->bessel);
  analysis.analyse(test);
  ConicSearch search;
  search.recompute = [&](MirrorTest& t) {
    analysis.analyse(t);
    return analysis.metrics().RmsWaves;
  };
  const ConicSearchResult result = FindBestFitConic(test, analysis.metrics().RmsWaves, search);
  analysis.analyse(test);
  const QualityMetrics& m = analysis.metrics();

  if (request->json) {
    JsonWriter json;
    json.beginObject()
        .key("start_conic")
        .value(result.startConic)
        .key("best_conic")
        .value(result.bestConic)
        .key("best_conic_text")
        .value(FormatRounded(result.bestConic, 3))
        .key("rms_waves")
        .value(m.RmsWaves)
        .key("rms_nm")
        .value(m.rmsNanometres())
        .key("trials")
        .value(result.trials)
        .key("stopped")
        .value(result.stopped)
        .endObject();
    out << json.text() << "\n";
  } else {
    out << "Best fit Conic Constant = " << FormatRounded(result.bestConic, 3) << "\n"
        << "RMS wavefront error there = " << FormatRounded(m.RmsWaves, 4) << " waves ("
        << FormatRounded(m.rmsNanometres(), 1) << " nm RMS surface error)\n"
        << "Trials: " << result.trials << (result.stopped ? " (stopped at a bound)" : "") << "\n";
  }
  return kSuccess;
}

}  // namespace zonalyst::cli
