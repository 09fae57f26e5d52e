#include "OffsetCaptions.h"

#include "core/ResultTexts.h"

namespace zonalyst::analysis {

double ReferenceOffsetMm(int value, int max) { return (value - max / 2) * 0.001; }

std::string OffsetCaption(const MirrorTest& test, double offsetMm, int resetKey) {
  return OffsetFromBestFitText(test, offsetMm) + "\r\nUse L/R arrows or mouse to adjust, F" + std::to_string(resetKey) +
         " to reset";
}

}  // namespace zonalyst::analysis
