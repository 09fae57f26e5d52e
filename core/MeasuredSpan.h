#pragma once

#include "MirrorTest.h"
#include "SurfaceReduction.h"

#include <optional>

namespace zonalyst {

// The part of the mirror that the zones measured, in millimetres from the axis: from
// the first zone's inner radius to the last zone's outer radius (their effective radii
// when the zones are entered by effective radius). Beyond it the reduced surface is
// extrapolated: the last zone's slope error is held to the edge and the first zone's
// runs to zero at the centre.
struct MeasuredSpan {
  double fromMm = 0.0;
  double toMm = 0.0;
};

MeasuredSpan MeasuredSpanOf(const MirrorTest& test);

// The measured surface against the desired conic over the measured span alone: a figure
// that does not depend on how the surface is extended beyond the zones.
struct MeasuredSpanFit {
  MeasuredSpan span;
  double areaFraction = 0.0;  // share of the mirror's area that the span covers, 0..1
  double rocMm = 0.0;         // radius of the desired conic that fits the surface best over the span
  double rmsWaves = 0.0;      // RMS wavefront error over the span at that radius, piston removed,
                              // in waves of 550 nm

  // RMS surface error over the span in nanometres, as the panels show the whole disc's.
  double rmsNanometres() const { return rmsWaves / 2.0 * 550.0; }
};

// Fits the radius and the piston of the desired conic to the reduced surface over the grid
// samples within the measured span, each weighted by its radius as the whole disc's figure
// is, searching the radius from startRocMm (the best fit over the whole disc). None when
// the span holds fewer than three samples, which a radius and a piston fit exactly, or
// when the fit is not a number.
std::optional<MeasuredSpanFit> FitMeasuredSpan(const MirrorTest& test, const SurfaceProfile& profile,
                                               double startRocMm);

}  // namespace zonalyst
