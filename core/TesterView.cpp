#include "TesterView.h"

#include "ConicGeometry.h"
#include "Rounding.h"

#include <algorithm>
#include <cmath>

namespace zonalyst {

TesterPlacement PlaceKnife(const MirrorTest& test, const SurfaceProfile& profile, double reading) {
  const double readingMm = reading * test.mmPerUnit();
  const double r0 = profile.RocMm;
  const double a = profile.FitIntercept;
  if (test.MovingSource != 0) return {r0 + (readingMm - a), r0 + (readingMm - a)};
  return {r0 + (readingMm - 2.0 * a), r0};
}

double KnifePlaneOffset(double r, SurfacePoint point, TesterPlacement placement) {
  // Coordinates (along r, along the axis from the vertex towards the source). The
  // incident direction d runs from the source to the surface point; the unit normal
  // n = (-slope, 1) / sqrt(1 + slope^2) faces the source; d' = d - 2 (d.n) n.
  const double m = point.slope;
  const double dr = r;
  const double dz = point.height - placement.sourceMm;
  const double twiceAlongNormal = 2.0 * (-m * dr + dz) / (1.0 + m * m);
  const double reflectedR = dr + twiceAlongNormal * m;
  const double reflectedZ = dz - twiceAlongNormal;
  if (!(reflectedZ > 0.0)) return std::nan("");
  return r + (placement.knifeMm - point.height) / reflectedZ * reflectedR;
}

KnifePlaneTable::KnifePlaneTable(const SurfaceShape& shape, double semiDiameterMm, TesterPlacement placement)
    : gain_(kRadii + 1, 0.0) {
  const double step = semiDiameterMm / kRadii;
  if (!(step > 0.0)) return;
  perStep_ = 1.0 / step;
  for (int k = 0; k <= kRadii; ++k) {
    // At the centre rho / r is its limit, taken a thousandth of a step out.
    const double r = k == 0 ? step * 1e-3 : k * step;
    const double gain = KnifePlaneOffset(r, shape(r), placement) / r;
    if (std::isfinite(gain)) gain_[k] = gain;
  }
}

double ViewBrightness(const KnifePlaneTable& table, const TesterSettings& settings, double x, double y) {
  // A knife from the right sees the picture from the left mirrored: x -> -x.
  const double sideSign = settings.side == EntrySide::Right ? -1.0 : 1.0;
  const double rhoX = sideSign * x * table.gainAt(std::sqrt(x * x + y * y));
  if (settings.pattern == TesterPattern::Foucault) {
    return std::clamp(0.5 + (rhoX - settings.cutMm) / settings.slitMm, 0.0, 1.0);
  }
  const double t = (rhoX - settings.cutMm) / (kMmPerInch / settings.linesPerInch);
  return t - std::floor(t) < 0.5 ? 1.0 : 0.0;
}

void DrawTesterView(const KnifePlaneTable& table, const TesterSettings& settings, double diameterMm, int size,
                    GreyPicture& picture) {
  picture.size = std::max(size, 0);
  picture.grey.assign(static_cast<std::size_t>(picture.size) * picture.size, 0);
  const double mmPerPixel = diameterMm / picture.size;
  const long long s = picture.size;
  for (long long j = 0; 2 * j < s; ++j) {
    // Inside the disc, in whole numbers: (2i + 1 - s)^2 + (2j + 1 - s)^2 < s^2.
    const long long v = 2 * j + 1 - s;
    long long first = s / 2;
    while (first > 0 && (2 * first - 1 - s) * (2 * first - 1 - s) + v * v < s * s) --first;
    const double y = (static_cast<double>(s) / 2.0 - (j + 0.5)) * mmPerPixel;
    std::uint8_t* row = picture.grey.data() + j * s;
    for (long long i = first; i < s - first; ++i) {
      const double x = ((i + 0.5) - static_cast<double>(s) / 2.0) * mmPerPixel;
      const double brightness = ViewBrightness(table, settings, x, y);
      if (std::isfinite(brightness)) row[i] = static_cast<std::uint8_t>(RoundIndexHalfEven(255.0 * brightness));
    }
    // rho depends on the radius alone: the lower half mirrors the upper one (y -> -y).
    if (s - 1 - j != j) std::copy(row, row + s, picture.grey.data() + (s - 1 - j) * s);
  }
}

SurfaceShape MeasuredShape(const SurfaceProfile& profile) {
  return [&profile](double r) { return MeasuredSurfaceAt(profile, r); };
}

SurfaceShape PerfectShape(double desiredConic, double bestFitRocMm) {
  return [desiredConic, bestFitRocMm](double r) {
    return SurfacePoint{ConicSag(r, desiredConic, bestFitRocMm), ConicSlope(r, desiredConic, bestFitRocMm)};
  };
}

int MiddleZone(int zoneCount) { return (zoneCount + 1) / 2; }

void SimulateTesterView(const MirrorTest& test, const SurfaceProfile& profile, double bestFitRocMm, bool perfect,
                        double reading, const TesterSettings& settings, int size, GreyPicture& picture) {
  const SurfaceShape shape = perfect ? PerfectShape(test.DesiredConic, bestFitRocMm) : MeasuredShape(profile);
  const double diameterMm = test.diameterMm();
  const KnifePlaneTable table(shape, diameterMm / 2.0, PlaceKnife(test, profile, reading));
  DrawTesterView(table, settings, diameterMm, size, picture);
}

}  // namespace zonalyst
