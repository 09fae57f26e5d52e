#include "PreviousTest.h"

#include "core/SurfaceAnalysis.h"
#include "io/PathText.h"
#include "io/PrintableText.h"
#include "io/TestFileLoader.h"
#include "io/TestHistory.h"
#include "ui/analysis/rules/FolderTest.h"

namespace zonalyst::ui {

const plot::EarlierTest& PreviousTest::readFor(const AppState& state) {
  const QString openTest = state.folder + QLatin1Char('/') + state.fileName;
  if (openTest_ == openTest) return earlier_;
  openTest_ = openTest;
  metrics_.reset();
  earlier_ = {nullptr, "No test of this folder was written before this one"};
  const auto previous =
      state.testOpen() ? io::PreviousInHistory(state.folder.toStdString(), state.fileName.toStdString()) : std::nullopt;
  if (!previous) return earlier_;

  const std::string named =
      io::PrintableName(io::FileNameOf(previous->path)) + " of " + io::UtcTimestamp(previous->modified);
  SurfaceAnalysis analysis(state.bessel);
  if (const auto why = analysis::WhyNotAnalysed(io::LoadTestFile("", previous->path), analysis)) {
    // The reason first: a legend too wide for the picture loses the middle of the name.
    earlier_.legend = "Not drawn, " + *why + ": the previous test, " + named;
    return earlier_;
  }
  metrics_ = analysis.metrics();
  earlier_ = {&*metrics_, "Grey: the previous test, " + named};
  return earlier_;
}

}  // namespace zonalyst::ui
