#include "AstigmatismText.h"

#include "NumberText.h"

namespace zonalyst {

std::string ReadingText(const AstigmatismFit& fit, double value) {
  return FormatFixed(value, fit.inches ? 5 : 4) + (fit.inches ? " in" : " mm");
}

std::string AstigmatismHeading(const AstigmatismFit& fit) {
  if (!fit.axisDetermined) {
    return "Two orientations " + FormatFixed(fit.separationDeg, 1) +
           " deg apart: A and theta0 are not both determined; a third orientation is needed for the axis.";
  }
  return "Fit k(theta) = k0 + A cos 2(theta - theta0) over " + std::to_string(fit.orientations) +
         " orientations, shifts against the first test";
}

std::vector<FigureLine> AstigmatismFigures(const AstigmatismFit& fit) {
  const int decimals = fit.inches ? 5 : 4;
  const std::string sd = " +/- " + FormatFixed(fit.amplitudeUncertainty, decimals);
  const std::string atLeast = fit.axisDetermined ? "" : "at least ";
  std::vector<FigureLine> lines;
  if (fit.axisDetermined) {
    lines.push_back({"k0", ReadingText(fit, *fit.k0)});
    lines.push_back({"A, half the readings' swing", ReadingText(fit, fit.amplitude) + sd});
    lines.push_back({"theta0, the longer radius",
                     fit.axisDeg ? FormatFixed(*fit.axisDeg, 1) + " deg +/- " + FormatFixed(*fit.axisUncertaintyDeg, 1)
                                 : std::string("none: no astigmatism at all")});
    lines.push_back({"Residual (RMS)", ReadingText(fit, fit.residual) +
                                           (fit.orientations == 3 ? " (three orientations fit exactly)" : "")});
  } else {
    lines.push_back({"Difference of their shifts",
                     ReadingText(fit, *fit.difference) + " +/- " + FormatFixed(*fit.differenceUncertainty, decimals)});
    lines.push_back({"A, half the readings' swing", atLeast + ReadingText(fit, fit.amplitude) + sd});
  }
  lines.push_back({"Drift (orientation taken again)", fit.drift ? ReadingText(fit, *fit.drift) : "none measured"});
  lines.push_back(
      {"Radius difference of the meridians", atLeast + FormatFixed(fit.radiusDifferenceMm, 4) + " mm (" +
                                                 (fit.movingSource ? "2A, moving source" : "A, fixed source") + ")"});
  lines.push_back({"Wavefront P-V", atLeast + FormatFixed(fit.wavefrontPvNm, 1) + " nm +/- " +
                                        FormatFixed(fit.wavefrontPvUncertaintyNm, 1) + " = " +
                                        FormatFixed(fit.wavefrontPvWaves, 3) + " waves at 550 nm"});
  lines.push_back({"Surface P-V", atLeast + FormatFixed(fit.surfacePvNm, 1) + " nm"});
  lines.push_back({"Verdict", std::string(VerdictText(fit.verdict)) + " (P-V and 2 sd against 0.25 waves)"});
  return lines;
}

}  // namespace zonalyst
