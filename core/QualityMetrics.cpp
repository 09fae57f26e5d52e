#include "QualityMetrics.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "ConicGeometry.h"
#include "PupilIntensity.h"
#include "Rounding.h"
#include "SafeAssign.h"

namespace zonalyst {

double ComputeErrorProfile(const SurfaceProfile& s, double K, double R, double D, QualityMetrics& m) {
  m.ErrMin = 1e11;
  for (int i = 0; i <= kGridLast; ++i) {
    m.ProfileErr[i] = s.ProfileZ[i] - ConicSag(s.ProfileR[i], K, R);
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
  // transverse aberration, here in units of lambda times the focal ratio.
  m.TransErrMax = 0.0;
  for (int i = 1; i <= kGridLast; ++i) {
    AssignIfFinite(m.TransErr[i],
                   2.0 * D * (m.ProfileErr[i] - m.ProfileErr[i - 1]) / (s.ProfileR[i] - s.ProfileR[i - 1]) /
                       kWavelengthMm);
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

double RmsWavesOver(const SurfaceProfile& s, double K, double R, GridSamples samples) {
  const int first = samples.first, last = samples.last;
  // The conic's sag is written out here, in a loop of its own, so that it vectorises;
  // it computes exactly what ConicSag does for a finite, non-zero radius.
  std::array<double, kGridRoom> sag{};
  if (std::isfinite(R) && std::abs(R) > 1e-100) {
    const double onePlusK = 1.0 + K;
    const double RR = R * R;
    if (onePlusK == 0.0) {
      // A paraboloid: q is exactly 1, its root 1, and the sag r^2 / R halved.
      for (int i = first; i <= last; ++i) sag[i] = (s.ProfileR[i] * s.ProfileR[i] / R) * 0.5;
    } else {
      for (int i = first; i <= last; ++i) {
        const double r = s.ProfileR[i];
        const double q = 1.0 - onePlusK * r * r / RR;
        const double inside = q < 0.0 ? 0.0 : 1.0;  // beyond the rim the sag is 0
        sag[i] = inside * ((r * r / R) / (1.0 + std::sqrt(std::max(q, 0.0))));
      }
    }
  } else {
    for (int i = first; i <= last; ++i) sag[i] = ConicSag(s.ProfileR[i], K, R);
  }

  double sr = 0.0, sdr = 0.0, sdd = 0.0;
  for (int i = first; i <= last; ++i) {
    const double r = s.ProfileR[i];
    const double d = s.ProfileZ[i] - sag[i];
    sr += r;
    sdr += d * r;
    sdd += d * d * r;
  }
  double piston = 0.0;
  AssignIfFinite(piston, -sdr / sr);
  const double weightedSquares = sdd + 2.0 * piston * sdr + piston * piston * sr;
  return 2.0 * std::sqrt(weightedSquares / sr) / kWavelengthMm;
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
      bessel_[j][i] = bessel.at(RoundIndexHalfEven(u * 100.0 * r));
      a += bessel_[j][i] * r;
    }
    AssignIfFinite(a, a / (sumAll * std::numbers::pi));
    perfect_[j] = a * a;
  }
}

bool DiffractionKernel::fits(const SurfaceProfile& s, double D) const {
  return D == diameter_ && s.ProfileR == radii_;
}

void DiffractionKernel::apply(const SurfaceProfile& s, double o, QualityMetrics& m) const {
  const PupilPhasors pupil = ComputePupilPhasors(s.ProfileR, m.ProfileErr, DarkThrough(o));

  std::array<double, kAngles> measured{};
  for (int j = 0; j < kAngles; ++j) {
    double c = 0.0, sn = 0.0;
    for (int i = 0; i <= kGridLast; ++i) {
      c += pupil.weightedCos[i] * bessel_[j][i];
      sn += pupil.weightedSin[i] * bessel_[j][i];
    }
    AssignIfFinite(c, c / (pupil.weight * std::numbers::pi));
    AssignIfFinite(sn, sn / (pupil.weight * std::numbers::pi));
    measured[j] = c * c + sn * sn;
  }

  AssignIfFinite(m.Strehl, measured[0] / perfect_[0]);
  double measuredRing = 0.0, perfectRing = 0.0;
  for (int j = 1; j < kAngles; ++j) {
    measuredRing += j * measured[j];
    perfectRing += j * perfect_[j];
  }
  AssignIfFinite(m.EncircledRatio, measuredRing / perfectRing);
}

void ComputeDiffraction(const SurfaceProfile& s, const BesselTable& bessel, double D, double o,
                        QualityMetrics& m) {
  DiffractionKernel(s, bessel, D).apply(s, o, m);
}

namespace {

// The radius x that minimises F(x), searched from R0 by parabolic steps around an
// expanding bracket.
template <typename Objective>
double SearchBestRoc(double R0, Objective F) {
  double x = R0;
  double h = 0.0001;
  double x0 = 0, f0 = 0, x1 = 0, f1 = 0, x2 = 0, f2 = 0;
  double t = 0.0;
  for (int round = 1;; ++round) {
    f0 = F(x);
    x0 = 0.0;
    const double toBeat = f0;
    bool finished = false;

    x1 = h;
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
  return SearchBestRoc(R0, [&](double radius) { return ComputeRms(s, K, radius, m); });
}

double FindBestFitRocOver(const SurfaceProfile& s, double K, double R0, GridSamples samples) {
  return SearchBestRoc(R0, [&](double radius) { return RmsWavesOver(s, K, radius, samples); });
}

}  // namespace zonalyst
