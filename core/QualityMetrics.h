#pragma once

#include "BesselTable.h"
#include "Constants.h"
#include "SurfaceReduction.h"

#include <array>
#include <optional>

namespace zonalyst {

// How far the measured surface is from the desired conic at a reference radius of
// curvature. Overwritten by each computation; an assignment whose arithmetic fails
// keeps the previous value.
struct QualityMetrics {
  std::array<double, kGridRoom> ProfileErr{};  // mm of surface; measured minus desired, minimum shifted to 0
  double ErrMin = 0.0;                         // mm; minimum of the unshifted error
  double PeakValley = 0.0;                   // mm of surface; the measured P-V, however small (no chart divides by it)
  double PvFraction = 0.0;                   // N of a surface P-V of 1/N wave; 1000 for 0.001 wave or less
  std::array<double, kGridRoom> TransErr{};  // lambda x N (focal ratio); entry 0 stays 0
  double TransErrMax = 0.0;                  // lambda x N; largest |TransErr|
  double RmsWaves = 0.0;                     // RMS wavefront error in waves of 550 nm, piston removed
  double Strehl = 0.0;                       // central intensity, measured over perfect
  double EncircledRatio = 0.0;               // light within 1.8 lambda/D, measured over perfect
  double GlassVolume = 0.0;                  // mm^3 standing above the lowest point of the error profile

  // RMS surface error in nanometres, as the panels show it.
  double rmsNanometres() const { return RmsWaves / 2.0 * 550.0; }
};

// Error profile against the conic of radius R (mm) and constant K, its P-V, the glass
// volume above its lowest point (returned, mm^3) and the transverse ray error for a
// mirror of diameter D (mm).
double ComputeErrorProfile(const SurfaceProfile& surface, double K, double R, double D, QualityMetrics& m);

// Samples first..last of the radial grid, both included.
struct GridSamples {
  int first = 1;
  int last = kGridLast;
};

// RMS wavefront error in waves against the conic of radius R (mm) and constant K over
// the grid samples given, each weighted by its radius (the area of its ring) and the
// best piston removed. Not a number when the samples carry no weight.
double RmsWavesOver(const SurfaceProfile& surface, double K, double R, GridSamples samples);

// RmsWavesOver the whole disc (samples 1..100). Sets and returns RmsWaves.
double ComputeRms(const SurfaceProfile& surface, double K, double R, QualityMetrics& m);

// Strehl ratio and encircled energy ratio from the Hankel transform of the pupil,
// evaluated on ten angles 0.2 lambda/D apart, for a mirror of diameter D (mm) with a
// central obstruction of o per cent of the diameter. Uses the ProfileErr left by
// ComputeErrorProfile.
void ComputeDiffraction(const SurfaceProfile& surface, const BesselTable& bessel, double D, double o,
                        QualityMetrics& m);

// The part of the diffraction sums that depends on the grid alone: the Bessel values
// of every angle and sample and the perfect mirror's intensities. Built once for a
// diameter, it serves every surface sampled on the same grid.
class DiffractionKernel {
 public:
  static constexpr int kAngles = 10;
  DiffractionKernel(const SurfaceProfile& surface, const BesselTable& bessel, double D);
  bool fits(const SurfaceProfile& surface, double D) const;
  // Strehl and encircled energy ratios of the surface's ProfileErr with an obstruction of o per cent.
  void apply(const SurfaceProfile& surface, double o, QualityMetrics& m) const;

 private:
  double diameter_;
  std::array<double, kGridRoom> radii_;
  // Bessel values by sample, then angle: the sums of all angles advance together, each
  // in the order of the samples.
  std::array<std::array<double, kAngles>, kGridRoom> bessel_{};
  std::array<double, kAngles> perfect_{};
};

// The reference radius of curvature (mm) that minimises ComputeRms for K, searched
// from R0 by parabolic steps around an expanding bracket (at most 12 rounds).
// Every evaluation overwrites RmsWaves.
double FindBestFitRoc(const SurfaceProfile& surface, double K, double R0, QualityMetrics& m);

// The same search for the radius (mm) that minimises RmsWavesOver the samples given.
double FindBestFitRocOver(const SurfaceProfile& surface, double K, double R0, GridSamples samples);

}  // namespace zonalyst
