#include "MilliesLacroix.h"

#include "SafeAssign.h"

#include <algorithm>
#include <cmath>

namespace zonalyst {

double MilliesLacroixRta(const MirrorTest& test) {
  const double c = test.inInches() ? 2.6352e-05 : 0.0006693408;
  double rta = 0.0;
  AssignIfFinite(rta, (test.Roc / test.Diameter) * c / 2.0);
  return rta;
}

double MilliesLacroixSliderShift(const MirrorTest& test, int sliderValue) {
  return test.inInches() ? sliderValue / 2540.0 : sliderValue / 100.0;
}

MilliesLacroix ComputeMilliesLacroix(MirrorTest& test, int sliderValue) {
  AverageReadings(test);
  MilliesLacroix ml;
  const int n = test.zones();
  ml.zoneCount = n;
  ml.rta = MilliesLacroixRta(test);
  const double K = test.DesiredConic;
  const double sourceFactor = test.MovingSource == 1 ? 2.0 : 1.0;

  double sumMeas = 0.0;
  double sumIdeal = 0.0;
  for (int z = 1; z <= n; ++z) {
    const double h = test.effectiveRadius(z);
    ml.meas[z] = test.KeAverage[z] * sourceFactor;
    AssignIfFinite(ml.ideal[z], -K * h * h / test.Roc);
    sumMeas += ml.meas[z];
    sumIdeal += ml.ideal[z];
  }
  ml.shift = sumMeas / n - sumIdeal / n + MilliesLacroixSliderShift(test, sliderValue);

  for (int z = 1; z <= n; ++z) {
    ml.dev[z] = ml.meas[z] - ml.ideal[z] - ml.shift;
    if (z >= 2) {
      const double idealStep = ml.ideal[z] - ml.ideal[z - 1];
      if (idealStep != 0.0) ml.hasRatio[z] = AssignIfFinite(ml.ratio[z], (ml.meas[z] - ml.meas[z - 1]) / idealStep);
      ml.largestRatio = std::max(ml.largestRatio, ml.ratio[z]);
    }
    AssignIfFinite(ml.tol[z], 2.0 * test.Roc * ml.rta / test.effectiveRadius(z));
    AssignIfFinite(ml.rel[z], std::fabs(ml.dev[z] / ml.tol[z]));
    ml.maxRta = std::max(ml.maxRta, ml.rel[z]);
    ml.largestDev = std::max(ml.largestDev, std::fabs(ml.dev[z]));
  }
  return ml;
}

}  // namespace zonalyst
