#pragma once

#include "core/DialProtocols.h"
#include "core/KnifeTrack.h"

#include <QObject>
#include <QString>

#include <string>

namespace zonalyst::live {

// One value a dial sent, as the live session logs it: its time on the live clock and the
// knife's reading on the test's scale (the sample a knife track is built from), and what the
// adapter sent, as a dial log keeps it (the raw line, or the nibbles or bytes in hex).
struct DialArrival {
  DialSample sample;
  std::string sent;
};

// A position (test units) as a text adapter sends it, with `decimals` decimals and "." whatever
// the locale: "12.345 mm", "0.4860 in".
std::string DialLineText(double position, bool inInches, int decimals);

// How a dial source stands: reading, not yet started or stopped by the user, or gone away
// (an adapter unplugged), which a restart mends.
enum class DialState { Idle, Reading, Disconnected };

// Where the knife's position comes from: a serial adapter, a keyboard-wedge cable or the
// user typing, or the simulated tester's own knife. Sources live on the window's thread.
class DialSource : public QObject {
  Q_OBJECT
 public:
  using QObject::QObject;
  virtual bool start() = 0;
  virtual void stop() = 0;
  DialState state() const { return state_; }

 signals:
  void arrived(const zonalyst::live::DialArrival& value);
  // A line or reply that gave no value: counted and skipped, never read as 0.
  void refused(const QString& sent, const QString& problem);
  void stateChanged(zonalyst::live::DialState state, const QString& text);

 protected:
  void setState(DialState state, const QString& text) {
    state_ = state;
    emit stateChanged(state, text);
  }
  // Decodes what the adapter sent in the format and hands on the value or the refusal.
  void decode(double time, const std::string& sent, DialDecoding decoding);

  bool testInInches_ = false;
  double offset_ = 0.0;  // test units: the test's reading where the dial shows 0

 private:
  DialState state_ = DialState::Idle;
};

}  // namespace zonalyst::live
