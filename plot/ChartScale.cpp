#include "ChartScale.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace zonalyst::plot {
namespace {

constexpr std::array<Rgb, 15> kZoneColours = {{{255, 80, 80},
                                               {255, 170, 0},
                                               {255, 255, 0},
                                               {120, 255, 0},
                                               {0, 220, 120},
                                               {0, 255, 255},
                                               {0, 160, 255},
                                               {120, 120, 255},
                                               {200, 90, 255},
                                               {255, 0, 200},
                                               {255, 150, 150},
                                               {200, 200, 120},
                                               {150, 255, 200},
                                               {150, 200, 255},
                                               {255, 255, 255}}};

}  // namespace

Rgb ZoneColour(int zone) { return kZoneColours[static_cast<std::size_t>(std::max(zone - 1, 0)) % kZoneColours.size()]; }

double RoundTickStep(double span) {
  const double raw = span / 6.0;
  const double power = std::pow(10.0, std::floor(std::log10(raw)));
  for (const double factor : {1.0, 2.0, 5.0}) {
    if (factor * power >= raw) return factor * power;
  }
  return 10.0 * power;
}

int FewestDecimals(double value) {
  int decimals = 0;
  for (double scaled = std::fabs(value);
       decimals < 6 && std::fabs(scaled - std::round(scaled)) > 1e-9 * std::max(1.0, scaled); scaled *= 10.0) {
    ++decimals;
  }
  return decimals;
}

}  // namespace zonalyst::plot
