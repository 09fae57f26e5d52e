#pragma once

#include "core/PhotoReadings.h"

#include <QString>

#include <string>
#include <vector>

namespace zonalyst::live {

// A live run written into a folder the user chose, in the formats the command line reads:
// the frames as PNG files (8-bit grey, or 16-bit when their greys need it), the frames' CSV
// ("file,time_s" lines, the files named as they lie beside it) and the dial log ("time_s,"
// and what the adapter sent), times in seconds on the live clock with "." as separator.
// Every file is written whole or not at all.

// Writes the frame as folder/name; the reason when it could not be written, else empty.
QString WriteFramePng(const GreyFrame& frame, const QString& folder, const QString& name);

struct RecordedFrame {
  QString file;  // name in the folder
  double time = 0.0;
};
struct RecordedDialValue {
  double time = 0.0;
  std::string sent;
};

// The frames' CSV and the dial log as text.
std::string FramesCsv(const std::vector<RecordedFrame>& frames);
std::string DialLogText(const std::vector<RecordedDialValue>& values);

// Writes text as folder/name; the reason when it could not be written, else empty.
QString WriteText(const std::string& text, const QString& folder, const QString& name);

}  // namespace zonalyst::live
