#include "PreviousTest.h"

#include <algorithm>

#include "ui/panel/TestFolderFiles.h"
#include "core/SetupValidation.h"
#include "core/SurfaceAnalysis.h"
#include "io/TestFileLoader.h"

namespace zonalyst::ui {

const QualityMetrics* PreviousTest::metricsFor(const AppState& state) {
  const QString openTest = state.folder + QLatin1Char('/') + state.fileName;
  if (openTest != openTest_) {
    openTest_ = openTest;
    metrics_.reset();
    name_ = state.testOpen() ? PreviousTestFile(state.folder, state.fileName) : QString();
    io::LoadResult loaded =
        name_.isEmpty() ? io::LoadResult{} : io::LoadTestFile(state.folder.toStdString(), name_.toStdString());
    const auto refused = [](const MirrorTest& test) {
      const auto findings = CheckSetup(test, SetupScope::SetupPanel);
      return std::any_of(findings.begin(), findings.end(), [](const SetupFinding& f) { return !f.question; });
    };
    if (loaded.ok() && !refused(*loaded.test)) {
      SurfaceAnalysis analysis(state.bessel);
      analysis.analyse(*loaded.test);
      metrics_ = analysis.metrics();
    }
  }
  return metrics_ ? &*metrics_ : nullptr;
}

}  // namespace zonalyst::ui
