#include "SurfaceReduction.h"

#include "ConicGeometry.h"
#include "SafeAssign.h"
#include "Vectorised.h"

#include <algorithm>

namespace zonalyst {
namespace {

// Least-squares line k = a + b h^2 through the zone readings.
void FitReadingsAgainstSquaredRadius(int zoneCount, SurfaceProfile& p, double& slope) {
  double s2 = 0, s4 = 0, sk = 0, skh = 0;
  for (int z = 1; z <= zoneCount; ++z) {
    const double h2 = p.ZoneH[z] * p.ZoneH[z];
    s2 += h2;
    s4 += h2 * h2;
    sk += p.ZoneK[z];
    skh += p.ZoneK[z] * h2;
  }
  const double n = zoneCount;
  AssignIfFinite(p.FitIntercept, (s2 * skh - sk * s4) / (s2 * s2 - n * s4));
  AssignIfFinite(slope, (sk - p.FitIntercept * n) / s2);
}

// Slope and height errors at each zone: four passes make the estimated surface
// height at the zone consistent with the normal that crosses the axis at the zone's
// centre of curvature.
void IntegrateZoneErrors(int zoneCount, double R0, SurfaceProfile& p) {
  const double K = p.FitConic;
  const double a = p.FitIntercept;
  double measuredSlope = 0.0;
  double e = 0.0;
  double w = 0.0;
  for (int z = 1; z <= zoneCount; ++z) {
    const double h = p.ZoneH[z];
    const double k = p.ZoneK[z];
    const double dh = p.ZoneH[z] - p.ZoneH[z - 1];
    const double ePrev = p.ZoneSlopeErr[z - 1];
    const double wPrev = p.ZoneHeightErr[z - 1];
    const double carrierSag = ConicSag(h, K, R0);
    const double carrierSlope = ConicSlope(h, K, R0);
    w = wPrev;
    for (int pass = 0; pass < 4; ++pass) {
      const double zEstimate = carrierSag + w;
      AssignIfFinite(measuredSlope, h / ((k - a) + R0 - zEstimate));
      AssignIfFinite(e, measuredSlope - carrierSlope);
      AssignIfFinite(w, wPrev + (ePrev + e) * dh / 2.0);
    }
    p.ZoneSlopeErr[z] = e;
    p.ZoneHeightErr[z] = w;
  }
}

// Outside the last zone the slope error is held constant up to the edge.
void ExtendToEdge(int zoneCount, double D, SurfaceProfile& p) {
  const int edge = zoneCount + 1;
  p.ZoneH[edge] = D / 2.0;
  p.ZoneSlopeErr[edge] = p.ZoneSlopeErr[zoneCount];
  AssignIfFinite(p.ZoneHeightErr[edge],
                 p.ZoneHeightErr[zoneCount] + (D / 2.0 - p.ZoneH[zoneCount]) * p.ZoneSlopeErr[zoneCount]);
}

// The exact integral from the centre to r of the slope error interpolated linearly over
// the interval from zone j - 1 to zone j.
double HeightErrorIn(const SurfaceProfile& p, int j, double r) {
  const double dr = r - p.ZoneH[j - 1];
  const double dh = p.ZoneH[j] - p.ZoneH[j - 1];
  return p.ZoneHeightErr[j - 1] + p.ZoneSlopeErr[j - 1] * dr +
         (p.ZoneSlopeErr[j] - p.ZoneSlopeErr[j - 1]) * dr * dr / (2.0 * dh);
}

// The carrier conic plus the height error. The zone index advances at most one zone
// per sample; the samples' intervals are found first, so that the loop of the heights
// vectorises.
ZONALYST_WIDE_VECTORS void SampleSurface(int zoneCount, double R0, double D, SurfaceProfile& p) {
  for (int i = 0; i <= kGridLast; ++i) p.ProfileR[i] = (i * D) / 200.0;
  std::array<double, kGridRoom> carrier;
  ConicSagOnGrid(p.ProfileR, p.FitConic, R0, carrier);
  const int lastInterval = zoneCount + 1;
  std::array<int, kGridRoom> interval;
  int j = 1;
  for (int i = 0; i <= kGridLast; ++i) {
    if (p.ZoneH[j] < p.ProfileR[i] && j < lastInterval) ++j;
    interval[i] = j;
  }
  for (int i = 0; i <= kGridLast; ++i) {
    const double z = carrier[i] + HeightErrorIn(p, interval[i], p.ProfileR[i]);
    p.ProfileZ[i] = IsNumber(z) ? z : p.ProfileZ[i];  // as AssignIfFinite, without a branch
  }
}

}  // namespace

double ReduceReadings(const MirrorTest& test, SurfaceProfile& p) {
  const int n = test.zones();
  const double toMm = test.mmPerUnit();
  p.ZoneH[0] = 0.0;
  p.ZoneHeightErr[0] = 0.0;
  p.ZoneSlopeErr[0] = 0.0;
  for (int z = 1; z <= n; ++z) {
    p.ZoneH[z] = test.ZoneRadius[z][2] * toMm;
    p.ZoneK[z] = test.KeAverage[z] * toMm;
    if (test.MovingSource == 0) p.ZoneK[z] /= 2.0;
  }
  const double R0 = test.Roc * toMm;
  const double D = test.Diameter * toMm;

  double slope = 0.0;
  FitReadingsAgainstSquaredRadius(n, p, slope);
  p.FitConic = -2.0 * R0 * slope;

  IntegrateZoneErrors(n, R0, p);
  ExtendToEdge(n, D, p);
  SampleSurface(n, R0, D, p);
  p.RocMm = R0;
  p.ZoneCount = n;
  return R0;
}

SurfacePoint MeasuredSurfaceAt(const SurfaceProfile& p, double r) {
  const int lastInterval = std::clamp(p.ZoneCount, kMinZones, kMaxZones) + 1;
  int j = 1;
  while (j < lastInterval && p.ZoneH[j] < r) ++j;
  const double dh = p.ZoneH[j] - p.ZoneH[j - 1];
  // An interval of no width (two zones at one radius) holds only its end point.
  const double fraction = dh > 0.0 ? (r - p.ZoneH[j - 1]) / dh : 0.0;
  SurfacePoint point;
  point.slope = ConicSlope(r, p.FitConic, p.RocMm) + p.ZoneSlopeErr[j - 1] +
                (p.ZoneSlopeErr[j] - p.ZoneSlopeErr[j - 1]) * fraction;
  point.height = ConicSag(r, p.FitConic, p.RocMm) + (dh > 0.0 ? HeightErrorIn(p, j, r) : p.ZoneHeightErr[j]);
  return point;
}

}  // namespace zonalyst
