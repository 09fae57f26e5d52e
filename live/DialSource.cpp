#include "DialSource.h"

namespace zonalyst::live {

void DialSource::decode(double time, const std::string& sent, DialDecoding decoding) {
  if (!decoding.value) {
    emit refused(QString::fromStdString(sent), QString::fromStdString(decoding.problem));
    return;
  }
  emit arrived(DialArrival{{time, DialReading(*decoding.value, testInInches_, offset_)}, sent});
}

}  // namespace zonalyst::live
