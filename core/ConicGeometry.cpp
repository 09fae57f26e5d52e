#include "ConicGeometry.h"

#include "BranchFreeConic.h"
#include "SafeAssign.h"

#include <cmath>

namespace zonalyst {

double ConicSag(double r, double K, double R) {
  const double q = 1.0 - (1.0 + K) * r * r / (R * R);
  if (q < 0.0) return 0.0;
  double sag = 0.0;
  AssignIfFinite(sag, (r * r / R) / (1.0 + std::sqrt(q)));
  return sag;
}

ZONALYST_WIDE_VECTORS void ConicSagOnGrid(const std::array<double, kGridRoom>& r, double K, double R,
                                          std::array<double, kGridRoom>& sag) {
  const double onePlusK = 1.0 + K;
  const double RR = R * R;
  if (ParaboloidForm(onePlusK, RR)) {
    for (int i = 0; i <= kGridLast; ++i) sag[i] = BranchFreeParaboloidSag(r[i], R);
  } else {
    for (int i = 0; i <= kGridLast; ++i) sag[i] = BranchFreeConicSag(r[i], onePlusK, R, RR);
  }
}

double ConicSlope(double r, double K, double R) {
  const double q = 1.0 - (1.0 + K) * r * r / (R * R);
  if (!(q > 0.0)) return 0.0;
  const double s = std::sqrt(q);
  double slope = 0.0;
  AssignIfFinite(slope, (1.0 + K) * r * r * r / (s * (1.0 + s) * (1.0 + s) * R * R * R) + 2.0 * r / ((1.0 + s) * R));
  return slope;
}

void ComputeEffectiveRadii(MirrorTest& test) {
  for (int z = 1; z <= kMaxZones; ++z) {
    auto& row = test.ZoneRadius[z];
    if (test.InnerOuterEntry == 0) {
      row[2] = row[0];
      continue;
    }
    const double r1 = row[0];
    const double r2 = row[1];
    AssignIfFinite(row[2], (std::sqrt((r1 * r1 + r2 * r2) / 2.0) + (r1 + r2) / 2.0) / 2.0);
  }
}

double IdealReading(const MirrorTest& test, int zone) {
  const double hz = test.ZoneRadius[zone][2];
  const double h1 = test.ZoneRadius[1][2];
  const double factor = test.MovingSource == 1 ? 1.0 : 2.0;
  return (ConicSag(hz, -1.0, test.Roc) - ConicSag(h1, -1.0, test.Roc)) * factor * -test.DesiredConic;
}

}  // namespace zonalyst
