#pragma once

#include "QualityMetrics.h"

#include <array>

namespace zonalyst {

// RmsWavesOver as the best-fit radius searches ask for it, one trial radius after
// another. A value depends on the radius alone, and a search asks again for radii it has
// tried (the point it accepts starts the next round): those are answered from memory.
// The sums of one radius are a chain of additions in the order of the samples, so a pass
// over the grid for four radii side by side takes little longer than for one: expect()
// computes the radii that the search is about to try in one pass.
class RmsObjective {
 public:
  static constexpr int kSideBySide = 4;

  RmsObjective(const SurfaceProfile& surface, double K, GridSamples samples)
      : surface_(surface), K_(K), samples_(samples) {}

  // RmsWavesOver(surface, K, radius, samples).
  double operator()(double radius);

  // Unless the first radius is known, computes all four in one pass for the calls to come.
  void expect(const std::array<double, kSideBySide>& radii);

 private:
  struct Known {
    double radius;
    double rms;
  };
  const Known* find(double radius) const;
  void remember(double radius, double rms);

  static constexpr int kRemembered = 16;
  const SurfaceProfile& surface_;
  double K_;
  GridSamples samples_;
  std::array<Known, kRemembered> known_{};  // the newest replaces the oldest
  int added_ = 0;
};

}  // namespace zonalyst
