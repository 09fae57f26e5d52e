#pragma once

#include "core/PhotoReadings.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace zonalyst::photo {

// Photographs are read only from regular files of at most kMaxPhotoBytes whose header
// gives at most kMaxPhotoPixels; both are checked before anything is decoded.
inline constexpr std::uintmax_t kMaxPhotoBytes = 64ull * 1024 * 1024;
inline constexpr std::int64_t kMaxPhotoPixels = 60'000'000;
// The photo readings' frames are reduced to at most this many pixels across.
inline constexpr int kPhotoFrameWidth = 1000;

// A photograph read, or why it could not be (the message names the file).
struct PhotoLoad {
  PhotoFrame frame;
  std::string error;  // empty when read
  int fileWidth = 0;  // the picture's size in the file, pixels (as a viewer shows it)
  int fileHeight = 0;
};

// Reads one PNG, JPEG or TIFF photograph at 8 or 16 bits, reduced by whole-pixel averaging
// to at most maxWidth pixels across (0 keeps every pixel).
PhotoLoad ReadPhoto(const std::string& path, int maxWidth);

// A series read: every frame, or the first error (a file that does not load, or a frame
// whose size differs from the first's, named).
struct SeriesLoad {
  std::vector<PhotoFrame> frames;  // in the order of the paths
  std::string error;               // empty when every frame was read
  bool cancelled = false;
};

// Reads the photographs on as many threads as the machine has cores. progress is called
// (from the calling thread) with the number of files read so far, and cancels the rest
// when it returns false.
SeriesLoad ReadPhotoSeries(const std::vector<std::string>& paths, int maxWidth,
                           const std::function<bool(int read)>& progress = {});

}  // namespace zonalyst::photo
