#pragma once

#include "BesselTable.h"
#include "MeasuredSpan.h"
#include "MirrorTest.h"
#include "QualityMetrics.h"
#include "SurfaceReduction.h"

namespace zonalyst {

// What every front end says of a test whose analysis is not a mirror's (see reducible()).
inline constexpr const char* kIrreducibleReadings =
    "The readings cannot be reduced to a surface: a value of this test is too large or too small "
    "to compute with. Check the radius of curvature, the conic constant and the readings.";

// The reference radii of one analysis, in millimetres.
struct BestFit {
  double enteredRocMm = 0.0;  // the entered radius of curvature
  double bestFitRocMm = 0.0;  // the radius whose conic fits the measured surface best
  double correctionMm() const { return bestFitRocMm - enteredRocMm; }
};

// The sequence every analysis runs: average the readings (unless a Monte Carlo run
// supplies them), reduce them to the measured surface, find the best-fit radius, and
// measure the surface against the desired conic at the radius that is shown.
// Owns the reduction results; the Bessel table is shared with the pictures.
class SurfaceAnalysis {
 public:
  explicit SurfaceAnalysis(const BesselTable& bessel) : bessel_(bessel) {}

  // Averages (unless test.MonteCarloRunning), reduces and finds the best-fit radius.
  BestFit reduceAndFit(MirrorTest& test);

  // ComputeErrorProfile, ComputeRms and ComputeDiffraction (no obstruction) in that
  // order for the reference radius rocMm. Returns the glass volume (mm^3).
  double measureAt(const MirrorTest& test, double rocMm);

  // reduceAndFit followed by measureAt the best-fit radius: what the surface error
  // panel shows, and one trial of the best-fit conic and Monte Carlo searches.
  BestFit analyse(MirrorTest& test);

  // True when the last analysis reduced the readings to a surface and measured it: the
  // radius, diameter, conic, zone radii and averaged readings are numbers within a
  // thousand kilometres (the conic within 1E+9), and every result is a number. Values
  // that no mirror has (a radius of 1E+70, a conic of -1E+300, readings of 1E+300) fail
  // here instead of passing for a perfect mirror. (A degenerate setup that the setup
  // checks refuse, such as two zones of one radius, keeps earlier values where its
  // arithmetic fails, as every computation does, and still counts as reduced.)
  bool reducible() const;

  // The fit over the zones' measured span of the last reduction, searched from its best-fit
  // radius (FitMeasuredSpan); none when the readings did not reduce to a surface.
  std::optional<MeasuredSpanFit> fitMeasuredSpan(const MirrorTest& test) const;

  const BestFit& fit() const { return fit_; }
  const SurfaceProfile& profile() const { return profile_; }
  const QualityMetrics& metrics() const { return metrics_; }
  const BesselTable& bessel() const { return bessel_; }

 private:
  const BesselTable& bessel_;
  SurfaceProfile profile_;
  QualityMetrics metrics_;
  std::optional<DiffractionKernel> kernel_;  // rebuilt when the diameter or grid changes
  BestFit fit_;
  bool inputsComputable_ = true;  // the averages are numbers and the values within range
};

}  // namespace zonalyst
