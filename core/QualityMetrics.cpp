#include "QualityMetrics.h"

#include "ConicGeometry.h"
#include "PupilIntensity.h"
#include "RmsObjective.h"
#include "Rounding.h"
#include "SafeAssign.h"
#include "Vectorised.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace zonalyst {

ZONALYST_WIDE_VECTORS double ComputeErrorProfile(const SurfaceProfile& s, double K, double R, double D,
                                                 QualityMetrics& m) {
  std::array<double, kGridRoom> sag;
  ConicSagOnGrid(s.ProfileR, K, R, sag);
  m.ErrMin = 1e11;
  for (int i = 0; i <= kGridLast; ++i) {
    m.ProfileErr[i] = s.ProfileZ[i] - sag[i];
    if (m.ProfileErr[i] < m.ErrMin) m.ErrMin = m.ProfileErr[i];
  }

  // Each sample stands for a ring of width dr; the sample at the edge counts fully.
  const double dr = s.ProfileR[1] - s.ProfileR[0];
  m.PeakValley = 0.0;
  double volume = 0.0;
  for (int i = 0; i <= kGridLast; ++i) {
    m.ProfileErr[i] = m.ProfileErr[i] - m.ErrMin;
    if (m.ProfileErr[i] >= m.PeakValley) m.PeakValley = m.ProfileErr[i];
    volume = volume + 2.0 * std::numbers::pi * s.ProfileR[i] * dr * m.ProfileErr[i];
  }
  AssignIfFinite(m.PvFraction, m.PeakValley / kWavelengthMm);

  // The slope error doubles on reflection; times the focal length it is the ray's
  // transverse aberration, here in units of lambda times the focal ratio. The divisions
  // run in a loop of their own, which vectorises.
  std::array<double, kGridRoom> transverse;
  for (int i = 1; i <= kGridLast; ++i) {
    transverse[i] =
        2.0 * D * (m.ProfileErr[i] - m.ProfileErr[i - 1]) / (s.ProfileR[i] - s.ProfileR[i - 1]) / kWavelengthMm;
  }
  m.TransErrMax = 0.0;
  for (int i = 1; i <= kGridLast; ++i) {
    AssignIfFinite(m.TransErr[i], transverse[i]);
    if (std::abs(m.TransErr[i]) > m.TransErrMax) m.TransErrMax = std::abs(m.TransErr[i]);
  }

  if (m.PvFraction <= 0.001) {
    m.PvFraction = 1000.0;
  } else {
    AssignIfFinite(m.PvFraction, 1.0 / m.PvFraction);
  }
  AssignIfFinite(m.GlassVolume, volume);
  return m.GlassVolume;
}

double ComputeRms(const SurfaceProfile& s, double K, double R, QualityMetrics& m) {
  AssignIfFinite(m.RmsWaves, RmsWavesOver(s, K, R, GridSamples{}));
  return m.RmsWaves;
}

DiffractionKernel::DiffractionKernel(const SurfaceProfile& s, const BesselTable& bessel, double D)
    : diameter_(D), radii_(s.ProfileR) {
  const double step = (0.011 / D) / 100.0;
  double sumAll = 0.0;
  for (int i = 0; i <= kGridLast; ++i) sumAll += s.ProfileR[i];
  for (int j = 0; j < kAngles; ++j) {
    const double theta = j * step;
    const double u = theta / kWavelengthMm;
    double a = 0.0;
    for (int i = 0; i <= kGridLast; ++i) {
      const double r = s.ProfileR[i];
      bessel_[i][j] = bessel.at(RoundIndexHalfEven(u * 100.0 * r));
      a += bessel_[i][j] * r;
    }
    AssignIfFinite(a, a / (sumAll * std::numbers::pi));
    perfect_[j] = a * a;
  }
}

bool DiffractionKernel::fits(const SurfaceProfile& s, double D) const { return D == diameter_ && s.ProfileR == radii_; }

ZONALYST_WIDE_VECTORS void DiffractionKernel::apply(const SurfaceProfile& s, double o, QualityMetrics& m) const {
  const PupilPhasors pupil = ComputePupilPhasors(s.ProfileR, m.ProfileErr, DarkThrough(o));

  std::array<double, kAngles> c{}, sn{};
  for (int i = 0; i <= kGridLast; ++i) {
    for (int j = 0; j < kAngles; ++j) {
      c[j] += pupil.weightedCos[i] * bessel_[i][j];
      sn[j] += pupil.weightedSin[i] * bessel_[i][j];
    }
  }
  std::array<double, kAngles> measured{};
  for (int j = 0; j < kAngles; ++j) {
    AssignIfFinite(c[j], c[j] / (pupil.weight * std::numbers::pi));
    AssignIfFinite(sn[j], sn[j] / (pupil.weight * std::numbers::pi));
    measured[j] = c[j] * c[j] + sn[j] * sn[j];
  }

  AssignIfFinite(m.Strehl, measured[0] / perfect_[0]);
  double measuredRing = 0.0, perfectRing = 0.0;
  for (int j = 1; j < kAngles; ++j) {
    measuredRing += j * measured[j];
    perfectRing += j * perfect_[j];
  }
  AssignIfFinite(m.EncircledRatio, measuredRing / perfectRing);
}

void ComputeDiffraction(const SurfaceProfile& s, const BesselTable& bessel, double D, double o, QualityMetrics& m) {
  DiffractionKernel(s, bessel, D).apply(s, o, m);
}

namespace {

// The radius x that minimises F(x) = value(rms(x)), searched from R0 by parabolic steps
// around an expanding bracket. Each rms.expect names the radii that the next steps may
// try, so that they are computed side by side; the search asks for one at a time.
template <typename Value>
double SearchBestRoc(double R0, RmsObjective& rms, Value value) {
  const auto F = [&](double radius) { return value(rms(radius)); };
  double x = R0;
  double h = 0.0001;
  double x0 = 0, f0 = 0, x1 = 0, f1 = 0, x2 = 0, f2 = 0;
  double t = 0.0;
  for (int round = 1;; ++round) {
    rms.expect({x, x + h, x - h, x + 2.0 * h});
    f0 = F(x);
    x0 = 0.0;
    const double toBeat = f0;
    bool finished = false;

    x1 = h;
    rms.expect({x + h, x - h, x + 2.0 * h, x - 2.0 * h});
    f1 = F(x + h);
    if (f1 >= f0) {
      h = -h;
      x1 = h;
      f1 = F(x + h);
      finished = f1 >= f0;  // x is a minimum to within h
    }
    if (!finished) {
      // Expand the bracket 2h, 4h, 8h, ... until the objective rises again.
      for (double mult = 2.0; mult < 1e300; mult *= 2.0) {
        x2 = mult * h;
        rms.expect({x + x2, x + 2.0 * x2, x + 4.0 * x2, x + 8.0 * x2});
        f2 = F(x + x2);
        if (!(f2 < f1)) break;
        x0 = x1, f0 = f1;
        x1 = x2, f1 = f2;
      }
    }

    // Vertex of the parabola through the three bracket points.
    AssignIfFinite(t, ((x2 * x2 - x0 * x0) * (f1 - f0) - (x1 * x1 - x0 * x0) * (f2 - f0) + 1e-45) /
                              (2.0 * ((x2 - x0) * (f1 - f0) - (x1 - x0) * (f2 - f0))) +
                          1e-45);
    rms.expect({x + t, (x + t) + h, (x + t) - h, (x + t) - 2.0 * h});  // and the next round's start
    double f3 = F(x + t);
    if (f1 < f3) {
      t = x1;
      f3 = f1;
    }
    if (f3 < toBeat) {
      x = x + t;
    } else {
      finished = true;
    }
    if (round > 11) finished = true;
    if (finished) break;
  }
  return x + t;
}

}  // namespace

double FindBestFitRoc(const SurfaceProfile& s, double K, double R0, QualityMetrics& m) {
  RmsObjective rms(s, K, GridSamples{});
  // As ComputeRms: a value whose arithmetic failed leaves RmsWaves as it was.
  return SearchBestRoc(R0, rms, [&](double value) {
    AssignIfFinite(m.RmsWaves, value);
    return m.RmsWaves;
  });
}

double FindBestFitRocOver(const SurfaceProfile& s, double K, double R0, GridSamples samples) {
  RmsObjective rms(s, K, samples);
  return SearchBestRoc(R0, rms, [](double value) { return value; });
}

}  // namespace zonalyst
