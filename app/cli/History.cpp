#include "History.h"

#include "OpenTest.h"
#include "core/ZoneReport.h"
#include "io/TestHistory.h"

#include <algorithm>
#include <sstream>

namespace zonalyst::cli {
namespace {

std::string WithoutTrailingNewlines(std::string text) {
  while (!text.empty() && text.back() == '\n') text.pop_back();
  return text;
}

}  // namespace

History ReduceHistory(const std::vector<std::string>& paths, std::ostream& warnings) {
  const io::TestHistoryFiles files = io::ListTestHistory(paths);
  History history;
  for (const io::UnlistedPath& unlisted : files.unlisted) {
    history.skipped.push_back({unlisted.path, unlisted.reason, unlisted.kind});
  }
  BesselTable bessel;
  FillBesselTable(bessel);  // once: filling it costs more than reducing a test
  SurfaceAnalysis analysis(bessel);
  for (const io::DatedTestFile& file : files.files) {
    std::ostringstream messages;
    int exitCode = 0;
    auto test = LoadCheckedTest(file.path, messages, exitCode);
    if (!test) {
      history.skipped.push_back({file.path, WithoutTrailingNewlines(messages.str()), "not-a-test"});
      continue;
    }
    std::ostringstream refusal;
    if (!AnalyseOrRefuse(*test, analysis, Readings::Needed, refusal, exitCode)) {
      history.skipped.push_back({file.path, WithoutTrailingNewlines(refusal.str()), "refused"});
      continue;
    }
    warnings << messages.str();
    HistoryTest& entry = history.tests.emplace_back();
    entry.path = file.path;
    entry.modified = file.modified;
    entry.fit = analysis.fit();
    entry.metrics = analysis.metrics();
    const int zones = test->zones();
    for (int z = 1; z <= zones; ++z) entry.zonalCorrectionPct.push_back(ZonalCorrectionPercent(*test, z));
    entry.test = *std::move(test);
  }
  return history;
}

}  // namespace zonalyst::cli
