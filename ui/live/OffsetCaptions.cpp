#include "OffsetCaptions.h"

#include "core/Constants.h"
#include "core/NumberText.h"

namespace zonalyst::live {

double ReferenceOffsetMm(int value, int max) { return (value - max / 2) * 0.001; }

std::string OffsetCaption(const MirrorTest& test, double offsetMm, int resetKey) {
  const std::string amount = test.inInches() ? FormatRounded(offsetMm / kMmPerInch, 3) + " Inches."
                                             : FormatGeneral(offsetMm) + " Millimeters.";
  return "Offset from best fit ROC = " + amount + "\r\nUse L/R arrows or mouse to adjust, F" +
         std::to_string(resetKey) + " to reset";
}

}  // namespace zonalyst::live
