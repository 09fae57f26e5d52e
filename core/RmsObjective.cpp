#include "RmsObjective.h"

#include "BranchFreeConic.h"
#include "ConicGeometry.h"
#include "SafeAssign.h"
#include "Vectorised.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace zonalyst {
namespace {

// RmsWaves from the weighted sums: Sr of the radii, Sdr of the error times the radius,
// Sdd of the squared error times the radius. Not a number when the arithmetic fails.
double RmsFromSums(double sr, double sdr, double sdd) {
  double piston = 0.0;
  AssignIfFinite(piston, -sdr / sr);
  const double weightedSquares = sdd + 2.0 * piston * sdr + piston * piston * sr;
  return 2.0 * std::sqrt(weightedSquares / sr) / kWavelengthMm;
}

using Radii = std::array<double, RmsObjective::kSideBySide>;

// The weighted sums of RmsWavesOver for four radii, one in each lane.
struct SumsSideBySide {
  double sr = 0.0;
  Radii sdr{}, sdd{};
};

// The sums at four radii, the lanes of one vector (an extension that GCC and Clang share;
// it stays inside this function). Each lane's sums run in the order of the samples and
// its operations round as for a single double, so every radius's result is the one it
// has alone. The sag is ConicSag in the branch-free form of BranchFreeConic.h.
ZONALYST_WIDE_VECTORS SumsSideBySide SumSideBySide(const SurfaceProfile& s, double K, GridSamples samples,
                                                   const Radii& radii) {
  using Lanes = double __attribute__((vector_size(RmsObjective::kSideBySide * sizeof(double))));
  constexpr double kLargest = std::numeric_limits<double>::max();
  const Lanes R = {radii[0], radii[1], radii[2], radii[3]};
  const Lanes RR = R * R;
  const double onePlusK = 1.0 + K;
  const bool paraboloid = std::ranges::all_of(radii, [&](double x) { return ParaboloidForm(onePlusK, x * x); });
  // One loop for each form of the sag, so that each vectorises. No function takes or
  // returns Lanes: their passing differs between the AVX2 version and the other.
  double sr = 0.0;
  Lanes sdr{}, sdd{};
  if (paraboloid) {
    for (int i = samples.first; i <= samples.last; ++i) {
      const double r = s.ProfileR[i];
      const Lanes v = (r * r / R) * 0.5;
      const Lanes d = s.ProfileZ[i] - (v <= kLargest && v >= -kLargest ? v : Lanes{});
      sr += r;
      sdr += d * r;
      sdd += d * d * r;
    }
  } else {
    for (int i = samples.first; i <= samples.last; ++i) {
      const double r = s.ProfileR[i];
      const Lanes q = 1.0 - onePlusK * r * r / RR;
      Lanes root;
      for (int lane = 0; lane < RmsObjective::kSideBySide; ++lane) root[lane] = std::sqrt(std::max(q[lane], 0.0));
      const Lanes v = (r * r / R) / (1.0 + root);
      const Lanes d = s.ProfileZ[i] - (q >= 0.0 && v <= kLargest && v >= -kLargest ? v : Lanes{});
      sr += r;
      sdr += d * r;
      sdd += d * d * r;
    }
  }
  SumsSideBySide sums{sr, {}, {}};
  for (int lane = 0; lane < RmsObjective::kSideBySide; ++lane) {
    sums.sdr[lane] = sdr[lane];
    sums.sdd[lane] = sdd[lane];
  }
  return sums;
}

}  // namespace

// Declared in QualityMetrics.h; it lives here beside its four-radius form.
double RmsWavesOver(const SurfaceProfile& s, double K, double R, GridSamples samples) {
  std::array<double, kGridRoom> sag;
  ConicSagOnGrid(s.ProfileR, K, R, sag);
  double sr = 0.0, sdr = 0.0, sdd = 0.0;
  for (int i = samples.first; i <= samples.last; ++i) {
    const double r = s.ProfileR[i];
    const double d = s.ProfileZ[i] - sag[i];
    sr += r;
    sdr += d * r;
    sdd += d * d * r;
  }
  return RmsFromSums(sr, sdr, sdd);
}

double RmsObjective::operator()(double radius) {
  if (const Known* known = find(radius)) return known->rms;
  const double rms = RmsWavesOver(surface_, K_, radius, samples_);
  remember(radius, rms);
  return rms;
}

void RmsObjective::expect(const Radii& radii) {
  if (find(radii[0])) return;
  const SumsSideBySide sums = SumSideBySide(surface_, K_, samples_, radii);
  for (int lane = 0; lane < kSideBySide; ++lane) {
    remember(radii[lane], RmsFromSums(sums.sr, sums.sdr[lane], sums.sdd[lane]));
  }
}

const RmsObjective::Known* RmsObjective::find(double radius) const {
  // Newest first: the search mostly asks again for what it computed last.
  for (int k = added_ - 1; k >= 0 && k >= added_ - kRemembered; --k) {
    const Known& known = known_[k % kRemembered];
    if (known.radius == radius) return &known;
  }
  return nullptr;
}

void RmsObjective::remember(double radius, double rms) { known_[added_++ % kRemembered] = {radius, rms}; }

}  // namespace zonalyst
