#pragma once

#include "live/DialSource.h"
#include "live/LiveClock.h"

#include <QByteArray>
#include <QSerialPort>
#include <QTimer>

#include <optional>

namespace zonalyst::live {

// How a serial adapter is reached and what it sends.
struct SerialDialSettings {
  QString port;  // a path such as /dev/ttyUSB0, typed: pseudo-terminals and some adapters are not listed
  qint32 baud = 9600;
  DialFormat format = DialFormat::Auto;
  // For adapters that answer on demand: the byte that asks for a value, sent requestHz times
  // a second.
  std::optional<char> request;
  double requestHz = 10.0;
};

// A dial indicator behind a serial adapter, read asynchronously on the window's thread. Text
// adapters send a line per value (lines split across reads are joined); an Arduino reader
// answers each request with its 10-byte reply. A line that gives no value is counted and
// skipped. An adapter that goes away (a read error, or the device removed) leaves the source
// disconnected at once, every value read so far kept; start() opens the port again.
class SerialDial final : public DialSource {
  Q_OBJECT
 public:
  SerialDial(const SerialDialSettings& settings, const LiveClock& clock, bool testInInches, double offset,
             QObject* parent = nullptr);
  ~SerialDial() override;

  bool start() override;
  void stop() override;

 private:
  void readAvailable();
  void portFailed(QSerialPort::SerialPortError error);
  void takeLine(const QByteArray& line, double time);

  SerialDialSettings settings_;
  const LiveClock& clock_;
  QSerialPort port_;
  QTimer requests_;
  QByteArray pending_;  // bytes of a line or reply not yet complete
};

}  // namespace zonalyst::live
