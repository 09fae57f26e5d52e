#pragma once

#include "core/BesselTable.h"

namespace zonalyst::testing {

// The Bessel table, filled once for the whole test program.
inline const BesselTable& FilledBessel() {
  static const BesselTable table = [] {
    BesselTable t;
    FillBesselTable(t);
    return t;
  }();
  return table;
}

}  // namespace zonalyst::testing
