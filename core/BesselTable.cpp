#include "BesselTable.h"

#include <cmath>
#include <numbers>

namespace zonalyst {

void BesselTable::fill() {
  for (int n = 0; n < kFilled; ++n) {
    values_[n] = std::numbers::pi * std::cyl_bessel_j(0.0, 2.0 * std::numbers::pi * n / 100.0);
  }
  filled_ = true;
}

void FillBesselTable(BesselTable& table) { table.fill(); }

}  // namespace zonalyst
