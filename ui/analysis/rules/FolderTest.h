#pragma once

#include "core/SurfaceAnalysis.h"
#include "io/TestFileLoader.h"

#include <optional>
#include <string>

namespace zonalyst::analysis {

// Why a test file of the folder that loaded, or did not, cannot be analysed, by the checks
// every analysis passes first ("it does not load", "its setup would be refused", "it has no
// readings yet", "its readings are refused"); nothing when it can, `analysis` then holding
// its analysis.
std::optional<std::string> WhyNotAnalysed(const io::LoadResult& loaded, SurfaceAnalysis& analysis);

}  // namespace zonalyst::analysis
