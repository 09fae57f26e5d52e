#include "PreviousTest.h"

#include "core/ReadingsValidation.h"
#include "core/SetupValidation.h"
#include "core/SurfaceAnalysis.h"
#include "io/PathText.h"
#include "io/PrintableText.h"
#include "io/TestFileLoader.h"
#include "io/TestHistory.h"

#include <algorithm>

namespace zonalyst::ui {
namespace {

// Why the test loaded cannot be drawn, by the checks every analysis passes first; nothing
// when it can, analysis then holding its analysis.
std::optional<std::string> WhyNotDrawn(const io::LoadResult& loaded, SurfaceAnalysis& analysis) {
  if (!loaded.ok()) return "it does not load";
  MirrorTest test = *loaded.test;
  const auto findings = CheckSetup(test, SetupScope::SetupPanel);
  if (std::any_of(findings.begin(), findings.end(), [](const SetupFinding& f) { return !f.question; })) {
    return "its setup would be refused";
  }
  const auto refusal = AnalyseReadings(test, analysis);
  if (!refusal) return std::nullopt;
  return refusal->check == ReadingsRefusal::Check::NoReadings ? "it has no readings yet" : "its readings are refused";
}

}  // namespace

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
  if (const auto why = WhyNotDrawn(io::LoadTestFile("", previous->path), analysis)) {
    // The reason first: a legend too wide for the picture loses the middle of the name.
    earlier_.legend = "Not drawn, " + *why + ": the previous test, " + named;
    return earlier_;
  }
  metrics_ = analysis.metrics();
  earlier_ = {&*metrics_, "Grey: the previous test, " + named};
  return earlier_;
}

}  // namespace zonalyst::ui
