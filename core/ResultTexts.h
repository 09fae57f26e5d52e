#pragma once

#include "MeasuredSpan.h"
#include "MirrorTest.h"
#include "QualityMetrics.h"
#include "SurfaceAnalysis.h"

#include <array>
#include <optional>
#include <string>

namespace zonalyst {

// The six measures of quality as every analysis panel shows them, in this order:
// glass remaining, P-V wavefront error, transverse error, encircled energy ratio,
// Strehl ratio, surface RMS error. Texts use "." as decimal separator.
inline constexpr std::array<const char*, 6> kResultCaptions = {"Glass Remaining (mm^3)", "P-V WaveFront Error",
                                                               "Transverse Error",       "Encircled Energy Ratio",
                                                               "Strehl Ratio",           "Surface RMS Error (nm)"};

using ResultTexts = std::array<std::string, 6>;

// The RMS surface error over the zones' measured span, beside the six measures.
inline constexpr const char* kMeasuredSpanRmsCaption = "Surface RMS over the measured zones (nm)";

// The values of the six result labels: glass, transverse error, encircled energy and
// Strehl to 3 decimals, the RMS surface error in nm to 1 decimal, and the P-V text.
ResultTexts FormatResults(const QualityMetrics& metrics);

// The RMS surface error over the measured span in nm to 1 decimal, as the whole disc's;
// "-" when the span has no fit.
std::string MeasuredSpanRmsText(const std::optional<MeasuredSpanFit>& fit);

// "RMS over the measured zones: 1.7 nm (68 % of the area); beyond them the surface is
// extrapolated", the share of the area in whole per cent; empty when the span has no fit.
std::string MeasuredSpanNote(const std::optional<MeasuredSpanFit>& fit);

// "1/" + N for a P-V wavefront error of 1/N wave, or the number of waves followed by
// " Waves!" when it is a wave or more.
std::string PeakValleyText(double pvFraction);

// "Entered ROC of 100mm + 0.01234mm = Best fit ROC", in the test's units (an inch
// sign instead of "mm" for inches).
std::string BestFitCaption(const MirrorTest& test, const BestFit& fit);

// "Offset from best fit ROC = -1.5 Millimeters." for an offset of the reference radius
// in millimetres, or the offset in inches to 3 decimals and " Inches." for inches.
std::string OffsetFromBestFitText(const MirrorTest& test, double offsetMm);

}  // namespace zonalyst
