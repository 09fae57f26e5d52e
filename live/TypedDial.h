#pragma once

#include "live/DialSource.h"
#include "live/LiveClock.h"

namespace zonalyst::live {

// A dial whose values are typed: by a keyboard-wedge cable (which types the dial's value and
// Return when its button is pressed) or by the user reading the dial. Each value entered is a
// line of text as a text adapter sends it ("1.234", "0.0580 in").
class TypedDial final : public DialSource {
  Q_OBJECT
 public:
  TypedDial(const LiveClock& clock, bool testInInches, double offset, QObject* parent = nullptr);
  bool start() override;
  void stop() override;
  // A value typed and entered now; false when it was refused.
  bool enter(const QString& text);

 private:
  const LiveClock& clock_;
};

}  // namespace zonalyst::live
