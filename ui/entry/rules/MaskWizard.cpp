#include "MaskWizard.h"

#include "EntryText.h"
#include "core/Rounding.h"

#include <cmath>

namespace zonalyst::entry {

WizardOutcome RunMaskWizard(MirrorTest& test, const QString& answer, const QString& separator) {
  using Kind = WizardOutcome::Kind;
  const QString userError = QStringLiteral("User Error");
  if (answer.isEmpty()) return {};
  const std::optional<double> obstruction = ParseScreenNumber(answer, separator);
  if (!obstruction)
    return {Kind::Refused, QStringLiteral("You entered a non numerical number, Aborting wizard"), userError};
  const double d = *obstruction;
  const double D = test.Diameter;
  if (!(d < D)) {
    return {Kind::Refused,
            QStringLiteral("You entered a central obstruction that is equal to or greater than your mirror "
                           "diameter, Aborting wizard"),
            userError};
  }

  // Ratio of the obstructed area to the mirror's (the pi of both areas cancels).
  const double f0 = (d / 2.0) * (d / 2.0) / ((D / 2.0) * (D / 2.0));
  const int n = test.ZoneCount;
  for (int z = 1; z <= n; ++z) {
    const double a = std::sqrt(static_cast<double>(z - 1) / n * (1.0 - f0) + f0);
    const double b = std::sqrt(static_cast<double>(z) / n * (1.0 - f0) + f0);
    if (test.InnerOuterEntry == 1) {
      test.ZoneRadius[z][0] = RoundHalfEven(a * D / 2.0, 3);
      test.ZoneRadius[z][1] = RoundHalfEven(b * D / 2.0, 3);
    } else {
      const double mid = (a + b) / 2.0;
      const double half = (b - a) / 2.0;
      test.ZoneRadius[z][0] = RoundHalfEven(std::sqrt(half * half / 2.0 + mid * mid) * D / 2.0, 3);
    }
  }
  return {Kind::Applied, {}, {}};
}

}  // namespace zonalyst::entry
