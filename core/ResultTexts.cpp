#include "ResultTexts.h"

#include "NumberText.h"

namespace zonalyst {

std::string PeakValleyText(double pvFraction) {
  const double waveN = pvFraction / 2.0;  // N of a P-V wavefront error of 1/N wave
  if (waveN <= 1.0) return FormatRounded(1.0 / waveN, 2) + " Waves!";
  return "1/" + FormatRounded(waveN, 2);
}

ResultTexts FormatResults(const QualityMetrics& m) {
  return {FormatRounded(m.GlassVolume, 3),    PeakValleyText(m.PvFraction), FormatRounded(m.TransErrMax, 3),
          FormatRounded(m.EncircledRatio, 3), FormatRounded(m.Strehl, 3),   FormatRounded(m.rmsNanometres(), 1)};
}

std::string MeasuredSpanRmsText(const std::optional<MeasuredSpanFit>& fit) {
  return fit ? FormatRounded(fit->rmsNanometres(), 1) : "-";
}

std::string MeasuredSpanNote(const std::optional<MeasuredSpanFit>& fit) {
  if (!fit) return "";
  const std::string percent = FormatRounded(100.0 * fit->areaFraction, 0);
  return "RMS over the measured zones: " + MeasuredSpanRmsText(fit) + " nm (" + percent +
         " % of the area); beyond them the surface is extrapolated";
}

std::string BestFitCaption(const MirrorTest& test, const BestFit& fit) {
  const bool inches = test.inInches();
  const std::string unit = inches ? "\"" : "mm";
  const double correction = inches ? fit.correctionMm() / kMmPerInch : fit.correctionMm();
  return "Entered ROC of " + FormatGeneral(test.Roc) + unit + " + " + FormatRounded(correction, 5) + unit +
         " = Best fit ROC";
}

std::string OffsetFromBestFitText(const MirrorTest& test, double offsetMm) {
  const std::string amount = test.inInches() ? FormatRounded(offsetMm / kMmPerInch, 3) + " Inches."
                                             : FormatGeneral(offsetMm) + " Millimeters.";
  return "Offset from best fit ROC = " + amount;
}

}  // namespace zonalyst
