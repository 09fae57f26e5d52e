#include "DialSource.h"

#include <charconv>

namespace zonalyst::live {

std::string DialLineText(double position, bool inInches, int decimals) {
  char digits[64];
  const auto end = std::to_chars(digits, digits + sizeof digits, position, std::chars_format::fixed, decimals).ptr;
  return std::string(digits, end) + (inInches ? " in" : " mm");
}

void DialSource::decode(double time, const std::string& sent, DialDecoding decoding) {
  if (!decoding.value) {
    emit refused(QString::fromStdString(sent), QString::fromStdString(decoding.problem));
    return;
  }
  emit arrived(DialArrival{{time, DialReading(*decoding.value, testInInches_, offset_)}, sent});
}

}  // namespace zonalyst::live
