#include "SpotDiffraction.h"

namespace zonalyst {

double SpotAngleStep(double diameterMm) { return 0.0055 / (100.0 * diameterMm); }

SpotDiffraction ComputeSpotDiffraction(const SurfaceProfile& surface, const QualityMetrics& m,
                                       const BesselTable& bessel, double diameterMm, double obstructionPercent) {
  const double step = SpotAngleStep(diameterMm);
  SpotDiffraction spot;
  spot.ideal = ComputeRadialIntensity(surface.ProfileR, std::array<double, kGridRoom>{}, bessel, step, -1);
  spot.actual = ComputeRadialIntensity(surface.ProfileR, m.ProfileErr, bessel, step, DarkThrough(obstructionPercent));
  return spot;
}

}  // namespace zonalyst
