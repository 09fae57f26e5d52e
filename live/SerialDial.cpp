#include "SerialDial.h"

#include <cmath>
#include <span>

namespace zonalyst::live {
namespace {

constexpr qsizetype kArduinoReplyBytes = 10;
// A line longer than this is no adapter's: it is refused rather than held on to.
constexpr qsizetype kLongestLine = 256;

std::string Hex(const QByteArray& bytes) { return bytes.toHex(' ').toUpper().toStdString(); }

}  // namespace

SerialDial::SerialDial(const SerialDialSettings& settings, const LiveClock& clock, bool testInInches, double offset,
                       QObject* parent)
    : DialSource(parent), settings_(settings), clock_(clock) {
  testInInches_ = testInInches;
  offset_ = offset;
  connect(&port_, &QSerialPort::readyRead, this, &SerialDial::readAvailable);
  connect(&port_, &QSerialPort::errorOccurred, this, &SerialDial::portFailed);
  connect(&requests_, &QTimer::timeout, this, [this] {
    if (settings_.format == DialFormat::Arduino) pending_.clear();  // a reply cut short is not joined to the next
    port_.write(QByteArray(1, *settings_.request));
  });
}

SerialDial::~SerialDial() { stop(); }

bool SerialDial::start() {
  stop();
  port_.setPortName(settings_.port);
  port_.setBaudRate(settings_.baud);
  if (!port_.open(settings_.request ? QIODevice::ReadWrite : QIODevice::ReadOnly)) {
    setState(DialState::Disconnected,
             QStringLiteral("The dial's port %1 could not be opened: %2").arg(settings_.port, port_.errorString()));
    return false;
  }
  pending_.clear();
  if (settings_.request) requests_.start(static_cast<int>(std::lround(1000.0 / settings_.requestHz)));
  setState(DialState::Reading, QStringLiteral("Reading %1").arg(settings_.port));
  return true;
}

void SerialDial::stop() {
  requests_.stop();
  if (port_.isOpen()) port_.close();
  if (state() == DialState::Reading) setState(DialState::Idle, QString());
}

void SerialDial::portFailed(QSerialPort::SerialPortError error) {
  // Closing the far end of a pseudo-terminal gives a read error, unplugging an adapter a
  // resource error: the dial is gone either way.
  if (error != QSerialPort::ReadError && error != QSerialPort::ResourceError) return;
  requests_.stop();
  if (port_.isOpen()) port_.close();
  setState(DialState::Disconnected, QStringLiteral("disconnected"));
}

void SerialDial::readAvailable() {
  const double time = clock_.now();
  pending_ += port_.readAll();
  if (settings_.format == DialFormat::Arduino) {
    while (pending_.size() >= kArduinoReplyBytes) {
      const QByteArray reply = pending_.first(kArduinoReplyBytes);
      pending_.remove(0, kArduinoReplyBytes);
      const auto bytes = std::span(reinterpret_cast<const std::uint8_t*>(reply.constData()), reply.size());
      decode(time, Hex(reply), DecodeArduinoReply(bytes));
    }
    return;
  }
  for (qsizetype end; (end = pending_.indexOf('\n')) >= 0;) {
    takeLine(pending_.first(end), time);
    pending_.remove(0, end + 1);
  }
  if (pending_.size() > kLongestLine) {
    takeLine(pending_, time);
    pending_.clear();
  }
}

void SerialDial::takeLine(const QByteArray& line, double time) {
  const QByteArray text = line.trimmed();
  if (text.isEmpty()) return;
  const std::string sent = text.toStdString();
  decode(time, sent, DecodeDialLine(sent, settings_.format));
}

}  // namespace zonalyst::live
