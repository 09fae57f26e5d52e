#include "MirrorTest.h"

#include "SafeAssign.h"

namespace zonalyst {

bool AverageReadings(MirrorTest& test) {
  if (test.MonteCarloRunning) return true;
  bool finite = true;
  for (int z = 1; z <= kMaxZones; ++z) {
    double sum = 0.0;
    for (int s = 1; s <= test.ReadingSets && s <= kMaxReadingSets; ++s) sum += test.KeReading[z][s];
    finite = AssignIfFinite(test.KeAverage[z], sum / test.ReadingSets) && finite;
  }
  return finite;
}

void ResetToNewTestDefaults(MirrorTest& test) {
  const int movingSource = test.MovingSource;
  test = MirrorTest{};
  test.Roc = 128;
  test.Diameter = 8;
  test.DesiredConic = -1;
  test.ZoneCount = 4;
  test.InnerOuterEntry = 1;
  test.Units = 1;
  test.ReadingSets = 1;
  test.MovingSource = movingSource;
}

}  // namespace zonalyst
