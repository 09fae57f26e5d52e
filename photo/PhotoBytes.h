#pragma once

#include <QByteArray>

#include <string>

namespace zonalyst::photo {

// A photograph file's bytes, or why they were not read (the message names the file).
struct PhotoBytes {
  QByteArray bytes;
  std::string error;  // empty when read
};

// Reads a file that may hold a photograph: only a regular file (after following links),
// not empty and of at most kMaxPhotoBytes, checked before it is opened; a folder, a pipe
// or a device is never read. The bytes are read through io's file calls, so that a name
// of any encoding opens and a pipe put in the file's place never blocks.
PhotoBytes ReadPhotoBytes(const std::string& path);

// The file's name as messages quote it.
std::string QuotedName(const std::string& path);

}  // namespace zonalyst::photo
