#include "SimulatedDial.h"

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
  const int decimals = testInInches_ ? 4 : 3;
  const double step = testInInches_ ? 1e4 : 1e3;
  const std::string sent = DialLineText(std::nearbyint(tester_.knifeAt(time) * step) / step, testInInches_, decimals);
  decode(time, sent, DecodeDialLine(sent, DialFormat::Text));
}

}  // namespace zonalyst::live
