#include "Astigmatism.h"

#include "NumberText.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace zonalyst {
namespace {

constexpr double kRadPerDeg = std::numbers::pi / 180.0;
constexpr double kQuarterWave = 0.25;

// The angle between two diameters, 0..90 degrees.
double SeparationDeg(double a, double b) {
  const double d = std::fabs(AsDiameterDeg(a) - AsDiameterDeg(b));
  return std::min(d, 180.0 - d);
}

// Zones 1..N's average readings of a test, its sets averaged as every analysis does.
std::vector<double> ZoneAverages(const MirrorTest& test) {
  MirrorTest averaged = test;
  averaged.MonteCarloRunning = false;
  AverageReadings(averaged);
  return {averaged.KeAverage.begin() + 1, averaged.KeAverage.begin() + 1 + averaged.zones()};
}

double Mean(const std::vector<double>& values) {
  double sum = 0.0;
  for (const double v : values) sum += v;
  return sum / static_cast<double>(values.size());
}

std::string UnitsName(const MirrorTest& t) { return t.inInches() ? "inches" : "millimetres"; }
std::string SourceName(const MirrorTest& t) { return t.MovingSource == 1 ? "a moving" : "a fixed"; }

}  // namespace

std::string WhyNotOneMirror(const OrientedTest& first, const OrientedTest& other) {
  const MirrorTest& a = first.test;
  const MirrorTest& b = other.test;
  const std::string pair = other.name + " and " + first.name;
  if (a.Units != b.Units) {
    return pair + " are read in other units (" + UnitsName(b) + ", " + UnitsName(a) +
           "): tests of one mirror use one scale";
  }
  if (a.MovingSource != b.MovingSource) {
    return pair + " were taken with other light sources (" + SourceName(b) + " and " + SourceName(a) +
           " one): the readings of the two would swing by different amounts";
  }
  if (std::fabs(a.Diameter - b.Diameter) > 1e-6 * std::fabs(a.Diameter)) {
    return pair + " have other diameters (" + FormatGeneral(b.Diameter) + ", " + FormatGeneral(a.Diameter) +
           "): they are not tests of one mirror";
  }
  if (std::fabs(a.Roc - b.Roc) > 0.01 * std::fabs(a.Roc)) {
    return pair + " have radii of curvature more than 1 % apart (" + FormatGeneral(b.Roc) + ", " +
           FormatGeneral(a.Roc) + "): they are not tests of one mirror";
  }
  bool sameZones = a.zones() == b.zones();
  for (int z = 1; sameZones && z <= a.zones(); ++z) {
    sameZones = std::fabs(a.effectiveRadius(z) - b.effectiveRadius(z)) <= 1e-6 * std::fabs(a.Diameter);
  }
  if (!sameZones) {
    return pair + " were measured through other zones: each zone must be read at every orientation";
  }
  return {};
}

namespace {

// The least-squares fit of values against (1, cos 2 theta, sin 2 theta) at three or more
// orientations: the inverse of the normal matrix, shared by every zone and the test means.
class CosineDesign {
 public:
  explicit CosineDesign(const std::vector<double>& anglesDeg) : angles_(anglesDeg) {
    std::array<std::array<double, 3>, 3> n{};
    for (const double deg : angles_) {
      const std::array<double, 3> row = Row(deg);
      for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j) n[i][j] += row[i] * row[j];
      }
    }
    // The cofactors over the determinant; three distinct diameters put three distinct points
    // on the circle (cos 2 theta, sin 2 theta), never on one line, so it is never 0.
    const double det = n[0][0] * (n[1][1] * n[2][2] - n[1][2] * n[2][1]) -
                       n[0][1] * (n[1][0] * n[2][2] - n[1][2] * n[2][0]) +
                       n[0][2] * (n[1][0] * n[2][1] - n[1][1] * n[2][0]);
    for (int i = 0; i < 3; ++i) {
      for (int j = 0; j < 3; ++j) {
        const int r0 = (j + 1) % 3, r1 = (j + 2) % 3, c0 = (i + 1) % 3, c1 = (i + 2) % 3;
        inverse_[i][j] = (n[r0][c0] * n[r1][c1] - n[r0][c1] * n[r1][c0]) / det;
      }
    }
  }

  // k0, c, d of k0 + c cos 2 theta + d sin 2 theta.
  std::array<double, 3> fit(const std::vector<double>& values) const {
    std::array<double, 3> xty{};
    for (std::size_t g = 0; g < angles_.size(); ++g) {
      const std::array<double, 3> row = Row(angles_[g]);
      for (int i = 0; i < 3; ++i) xty[i] += row[i] * values[g];
    }
    std::array<double, 3> p{};
    for (int i = 0; i < 3; ++i) {
      for (int j = 0; j < 3; ++j) p[i] += inverse_[i][j] * xty[j];
    }
    return p;
  }

  double at(const std::array<double, 3>& p, double deg) const {
    const std::array<double, 3> row = Row(deg);
    return p[0] + p[1] * row[1] + p[2] * row[2];
  }

  // (c, d)'s covariance per unit variance of a value.
  double inverse(int i, int j) const { return inverse_[i][j]; }

 private:
  static std::array<double, 3> Row(double deg) {
    return {1.0, std::cos(2.0 * deg * kRadPerDeg), std::sin(2.0 * deg * kRadPerDeg)};
  }
  std::vector<double> angles_;
  std::array<std::array<double, 3>, 3> inverse_{};
};

// A 2 x 2 covariance and its variance along a unit direction.
struct Covariance2 {
  double xx = 0.0, xy = 0.0, yy = 0.0;
  double along(double ux, double uy) const { return ux * ux * xx + 2.0 * ux * uy * xy + uy * uy * yy; }
};

// The covariance of the mean of the points (x, y), from their spread.
Covariance2 CovarianceOfMean(const std::vector<double>& x, const std::vector<double>& y) {
  const double n = static_cast<double>(x.size());
  const double mx = Mean(x), my = Mean(y);
  Covariance2 c;
  for (std::size_t i = 0; i < x.size(); ++i) {
    c.xx += (x[i] - mx) * (x[i] - mx);
    c.xy += (x[i] - mx) * (y[i] - my);
    c.yy += (y[i] - my) * (y[i] - my);
  }
  const double scale = 1.0 / ((n - 1.0) * n);
  return {c.xx * scale, c.xy * scale, c.yy * scale};
}

// The distinct orientations: each one's first test and its angle.
struct Orientations {
  std::vector<int> first;  // test index per orientation
  std::vector<double> angles;
};

void ConvertToWavefront(AstigmatismFit& fit, const MirrorTest& test) {
  const double swingPerA = fit.movingSource ? 2.0 : 1.0;  // dR per A
  const double d = test.diameterMm();
  const double r = test.rocMm();
  const double pvPerDr = d * d / (4.0 * r * r);
  fit.radiusDifferenceMm = swingPerA * fit.amplitude * test.mmPerUnit();
  const double pvMm = fit.radiusDifferenceMm * pvPerDr;
  fit.wavefrontPvNm = pvMm * 1e6;
  fit.wavefrontPvWaves = pvMm / kWavelengthMm;
  fit.surfacePvNm = fit.wavefrontPvNm / 2.0;
  fit.wavefrontPvUncertaintyNm = swingPerA * fit.amplitudeUncertainty * test.mmPerUnit() * pvPerDr * 1e6;
  const double twoSigmaWaves = 2.0 * fit.wavefrontPvUncertaintyNm * 1e-6 / kWavelengthMm;
  if (fit.wavefrontPvWaves - twoSigmaWaves > kQuarterWave) {
    fit.verdict = QuarterWaveVerdict::Beyond;
  } else if (fit.axisDetermined && fit.wavefrontPvWaves + twoSigmaWaves <= kQuarterWave) {
    fit.verdict = QuarterWaveVerdict::Within;
  } else {
    fit.verdict = QuarterWaveVerdict::Undecided;
  }
}

// The variance of one test's constant term beyond the fit: from the residual of surplus
// orientations and the drift of repeats (half its square each); none without either.
std::optional<double> TestScatterVariance(const AstigmatismFit& fit, double residualSquares, int surplus) {
  double squares = residualSquares;
  int freedom = surplus;
  for (const OrientationShift& t : fit.tests) {
    if (!t.drift) continue;
    squares += *t.drift * *t.drift / 2.0;
    ++freedom;
  }
  if (freedom == 0) return std::nullopt;
  return squares / freedom;
}

void FitThreeOrMore(AstigmatismFit& fit, const Orientations& o, const std::vector<std::vector<double>>& zoneShifts) {
  const CosineDesign design(o.angles);
  std::vector<double> means;
  for (const int i : o.first) means.push_back(fit.tests[i].shift);
  const std::array<double, 3> p = design.fit(means);
  fit.k0 = p[0];
  fit.amplitude = std::hypot(p[1], p[2]);

  double squares = 0.0;
  for (std::size_t g = 0; g < means.size(); ++g) squares += std::pow(means[g] - design.at(p, o.angles[g]), 2);
  fit.residual = std::sqrt(squares / static_cast<double>(means.size()));

  std::vector<double> cs, ds;
  for (std::size_t z = 0; z < zoneShifts.size(); ++z) {
    const std::array<double, 3> q = design.fit(zoneShifts[z]);
    cs.push_back(q[1]);
    ds.push_back(q[2]);
    fit.zones[z].amplitude = std::hypot(q[1], q[2]);
    fit.zones[z].axisDeg = AsDiameterDeg(std::atan2(q[2], q[1]) / 2.0 / kRadPerDeg);
  }
  const Covariance2 zones = CovarianceOfMean(cs, ds);
  Covariance2 tests;
  if (const auto variance = TestScatterVariance(fit, squares, static_cast<int>(means.size()) - 3)) {
    tests = {*variance * design.inverse(1, 1), *variance * design.inverse(1, 2), *variance * design.inverse(2, 2)};
  }
  // Along A's direction and across it; a zero amplitude has no direction: take cos 2 theta's.
  const double ux = fit.amplitude > 0.0 ? p[1] / fit.amplitude : 1.0;
  const double uy = fit.amplitude > 0.0 ? p[2] / fit.amplitude : 0.0;
  fit.amplitudeUncertainty = std::sqrt(std::max(zones.along(ux, uy), tests.along(ux, uy)));
  if (fit.amplitude > 0.0) {
    fit.axisDeg = AsDiameterDeg(std::atan2(p[2], p[1]) / 2.0 / kRadPerDeg);
    const double across = std::sqrt(std::max(zones.along(-uy, ux), tests.along(-uy, ux)));
    fit.axisUncertaintyDeg = std::min(90.0, across / (2.0 * fit.amplitude) / kRadPerDeg);
  }
}

void FitTwo(AstigmatismFit& fit, const Orientations& o, const std::vector<std::vector<double>>& zoneShifts) {
  fit.separationDeg = SeparationDeg(o.angles[0], o.angles[1]);
  const double perA = 2.0 * std::sin(fit.separationDeg * kRadPerDeg);
  fit.difference = fit.tests[o.first[1]].shift - fit.tests[o.first[0]].shift;
  fit.amplitude = std::fabs(*fit.difference) / perA;
  std::vector<double> differences;
  for (std::size_t z = 0; z < zoneShifts.size(); ++z) {
    differences.push_back(zoneShifts[z][1] - zoneShifts[z][0]);
    fit.zones[z].amplitude = std::fabs(differences.back()) / perA;
  }
  const double zones = CovarianceOfMean(differences, differences).xx;
  const double tests = 2.0 * TestScatterVariance(fit, 0.0, 0).value_or(0.0);
  fit.differenceUncertainty = std::sqrt(std::max(zones, tests));
  fit.amplitudeUncertainty = *fit.differenceUncertainty / perA;
}

}  // namespace

AstigmatismResult FitAstigmatism(const std::vector<OrientedTest>& tests) {
  AstigmatismResult result;
  const int count = static_cast<int>(tests.size());
  if (count < 2 || count > kMaxOrientedTests) {
    result.refusal = "Astigmatism compares 2 to " + std::to_string(kMaxOrientedTests) +
                     " tests of one mirror at different orientations; " + std::to_string(count) +
                     (count == 1 ? " was given" : " were given");
    return result;
  }
  for (const OrientedTest& t : tests) {
    if (!std::isfinite(t.angleDeg)) {
      result.refusal = t.name + " has no orientation";
      return result;
    }
    if (&t == &tests.front()) continue;
    result.refusal = WhyNotOneMirror(tests.front(), t);
    if (!result.refusal.empty()) return result;
  }

  AstigmatismFit fit;
  const MirrorTest& first = tests.front().test;
  fit.inches = first.inInches();
  fit.movingSource = first.MovingSource == 1;
  std::vector<std::vector<double>> averages;
  for (const OrientedTest& t : tests) averages.push_back(ZoneAverages(t.test));
  Orientations o;
  for (int i = 0; i < count; ++i) {
    OrientationShift s{tests[i].name, tests[i].angleDeg, Mean(averages[i]), 0.0, {}, std::nullopt, std::nullopt};
    s.shift = s.meanReading - Mean(averages.front());
    for (std::size_t z = 0; z < averages[i].size(); ++z) s.zoneShifts.push_back(averages[i][z] - averages.front()[z]);
    const auto seen = std::find_if(o.first.begin(), o.first.end(), [&](int j) {
      return SeparationDeg(tests[j].angleDeg, tests[i].angleDeg) < kSameOrientationDeg;
    });
    if (seen == o.first.end()) {
      o.first.push_back(i);
      o.angles.push_back(tests[i].angleDeg);
    } else {
      s.repeatOf = *seen;
      s.drift = s.shift - fit.tests[*seen].shift;
      fit.drift = s.drift;
    }
    fit.tests.push_back(s);
  }
  fit.orientations = static_cast<int>(o.first.size());
  if (fit.orientations < 2) {
    result.refusal = "All " + std::to_string(count) +
                     " tests were taken at one orientation of the mirror: turn it in its stand between tests";
    return result;
  }
  fit.axisDetermined = fit.orientations >= 3;

  // Each zone's shifts against the first test, at each orientation.
  std::vector<std::vector<double>> zoneShifts(averages.front().size());
  for (std::size_t z = 0; z < zoneShifts.size(); ++z) {
    for (const int i : o.first) zoneShifts[z].push_back(fit.tests[i].zoneShifts[z]);
    fit.zones.push_back({static_cast<int>(z) + 1, first.effectiveRadius(static_cast<int>(z) + 1) * first.mmPerUnit(),
                         0.0, std::nullopt});
  }
  fit.axisDetermined ? FitThreeOrMore(fit, o, zoneShifts) : FitTwo(fit, o, zoneShifts);
  ConvertToWavefront(fit, first);
  result.fit = std::move(fit);
  return result;
}

double AsDiameterDeg(double angleDeg) {
  const double a = std::fmod(angleDeg, 180.0);
  return a < 0.0 ? a + 180.0 : a;
}

std::optional<double> AstigmatismFit::fittedShift(double angleDeg) const {
  if (!k0) return std::nullopt;
  return *k0 + amplitude * std::cos(2.0 * (angleDeg - axisDeg.value_or(0.0)) * kRadPerDeg);
}

const char* VerdictText(QuarterWaveVerdict verdict) {
  switch (verdict) {
    case QuarterWaveVerdict::Within:
      return "within a quarter wave";
    case QuarterWaveVerdict::Beyond:
      return "beyond a quarter wave";
    case QuarterWaveVerdict::Undecided:
      break;
  }
  return "not decided by these readings";
}

}  // namespace zonalyst
