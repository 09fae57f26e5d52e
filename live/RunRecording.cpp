#include "RunRecording.h"

#include <QDir>
#include <QImage>
#include <QSaveFile>

#include <algorithm>
#include <charconv>

namespace zonalyst::live {
namespace {

// Seconds with microseconds, "." whatever the locale.
std::string Seconds(double time) {
  char digits[40];
  const auto end = std::to_chars(digits, digits + sizeof digits, time, std::chars_format::fixed, 6).ptr;
  return std::string(digits, end);
}

QString Saved(QSaveFile& file) {
  if (!file.commit()) return file.errorString();
  return QString();
}

}  // namespace

QString WriteFramePng(const GreyFrame& frame, const QString& folder, const QString& name) {
  const bool deep = std::any_of(frame.grey.begin(), frame.grey.end(), [](std::uint16_t g) { return g > 255; });
  QImage image(frame.width, frame.height, deep ? QImage::Format_Grayscale16 : QImage::Format_Grayscale8);
  if (image.isNull()) return QStringLiteral("out of memory");
  for (int y = 0; y < frame.height; ++y) {
    const std::uint16_t* row = frame.grey.data() + static_cast<std::size_t>(y) * frame.width;
    if (deep) {
      std::copy_n(row, frame.width, reinterpret_cast<quint16*>(image.scanLine(y)));
    } else {
      std::transform(row, row + frame.width, image.scanLine(y), [](std::uint16_t g) { return static_cast<uchar>(g); });
    }
  }
  QSaveFile file(QDir(folder).filePath(name));
  if (!file.open(QIODevice::WriteOnly)) return file.errorString();
  if (!image.save(&file, "PNG")) {
    file.cancelWriting();
    return file.errorString().isEmpty() ? QStringLiteral("the picture could not be encoded") : file.errorString();
  }
  return Saved(file);
}

std::string FramesCsv(const std::vector<RecordedFrame>& frames) {
  std::string text;
  for (const RecordedFrame& frame : frames) text += frame.file.toStdString() + ',' + Seconds(frame.time) + '\n';
  return text;
}

std::string DialLogText(const std::vector<RecordedDialValue>& values) {
  std::string text;
  for (const RecordedDialValue& value : values) text += Seconds(value.time) + ',' + value.sent + '\n';
  return text;
}

QString WriteText(const std::string& text, const QString& folder, const QString& name) {
  QSaveFile file(QDir(folder).filePath(name));
  if (!file.open(QIODevice::WriteOnly)) return file.errorString();
  if (file.write(text.data(), static_cast<qint64>(text.size())) != static_cast<qint64>(text.size())) {
    file.cancelWriting();
    return file.errorString();
  }
  return Saved(file);
}

}  // namespace zonalyst::live
