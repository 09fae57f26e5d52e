#pragma once

#include "live/DialSource.h"
#include "live/SimulatedTester.h"

#include <QTimer>

namespace zonalyst::live {

// The simulated tester's own dial: where its knife stands, read rateHz times a second in
// whole steps of 0.001 mm (0.0001 in on a test in inches) and sent as a text adapter sends
// it ("12.345 mm"). The dial reads the knife itself, without the camera's latency.
class SimulatedDial final : public DialSource {
  Q_OBJECT
 public:
  SimulatedDial(const SimulatedTester& tester, const LiveClock& clock, double rateHz = 10.0, QObject* parent = nullptr);
  bool start() override;
  void stop() override;
  // Sends the value the dial reads at time (the timer calls it with the clock's time; tests
  // call it to simulate time).
  void tick(double time);
  // Stops the timer: from here on time is simulated by calling tick().
  void simulateTime() { timer_.stop(); }

 private:
  const SimulatedTester& tester_;
  const LiveClock& clock_;
  double rateHz_;
  QTimer timer_;
};

}  // namespace zonalyst::live
