#include "SimulatedDial.h"

#include <charconv>
#include <cmath>
#include <string>

namespace zonalyst::live {

SimulatedDial::SimulatedDial(const SimulatedTester& tester, const LiveClock& clock, double rateHz, QObject* parent)
    : DialSource(parent), tester_(tester), clock_(clock), rateHz_(rateHz) {
  testInInches_ = tester.camera().test().inInches();
  timer_.setTimerType(Qt::PreciseTimer);
  connect(&timer_, &QTimer::timeout, this, [this] { tick(clock_.now()); });
}

bool SimulatedDial::start() {
  timer_.start(static_cast<int>(std::lround(1000.0 / rateHz_)));
  setState(DialState::Reading, QString());
  return true;
}

void SimulatedDial::stop() {
  timer_.stop();
  setState(DialState::Idle, QString());
}

void SimulatedDial::tick(double time) {
  // "." whatever the locale, as an adapter sends it.
  const int decimals = testInInches_ ? 4 : 3;
  const double step = testInInches_ ? 1e4 : 1e3;
  char digits[40];
  const auto end = std::to_chars(digits, digits + sizeof digits, std::nearbyint(tester_.knifeAt(time) * step) / step,
                                 std::chars_format::fixed, decimals)
                       .ptr;
  const std::string sent = std::string(digits, end) + (testInInches_ ? " in" : " mm");
  decode(time, sent, DecodeDialLine(sent, DialFormat::Text));
}

}  // namespace zonalyst::live
