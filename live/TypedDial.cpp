#include "TypedDial.h"

namespace zonalyst::live {

TypedDial::TypedDial(const LiveClock& clock, bool testInInches, double offset, QObject* parent)
    : DialSource(parent), clock_(clock) {
  testInInches_ = testInInches;
  offset_ = offset;
}

bool TypedDial::start() {
  setState(DialState::Reading, QString());
  return true;
}

void TypedDial::stop() { setState(DialState::Idle, QString()); }

bool TypedDial::enter(const QString& text) {
  const std::string sent = text.trimmed().toStdString();
  DialDecoding decoding = DecodeDialLine(sent, DialFormat::Text);
  const bool read = decoding.value.has_value();
  decode(clock_.now(), sent, std::move(decoding));
  return read;
}

}  // namespace zonalyst::live
