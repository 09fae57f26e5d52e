#include "FolderTest.h"

#include "core/ReadingsValidation.h"
#include "core/SetupValidation.h"

#include <algorithm>

namespace zonalyst::analysis {

std::optional<std::string> WhyNotAnalysed(const io::LoadResult& loaded, SurfaceAnalysis& analysis) {
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

}  // namespace zonalyst::analysis
