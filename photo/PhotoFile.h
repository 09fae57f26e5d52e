#pragma once

#include "core/PhotoReadings.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace zonalyst::photo {

// Photographs are read only from regular files of at most kMaxPhotoBytes whose header
// gives at most kMaxPhotoPixels; both are checked before anything is decoded.
inline constexpr std::uintmax_t kMaxPhotoBytes = 64ull * 1024 * 1024;
inline constexpr std::int64_t kMaxPhotoPixels = 60'000'000;
// The photo readings' frames are reduced to at most this many pixels along their larger side.
inline constexpr int kPhotoFrameSide = 1000;
// What a series may hold at once, decoding and decoded: its grey frames, and the pictures
// being decoded (as many at once as the budget leaves room for, at least one).
inline constexpr std::size_t kSeriesMemoryBytes = std::size_t{1} << 30;

// A photograph read, or why it could not be (the message names the file).
struct PhotoLoad {
  PhotoFrame frame;
  std::string error;  // empty when read
  int fileWidth = 0;  // the picture's size in the file, pixels (as a viewer shows it)
  int fileHeight = 0;
  // What the picture's orientation tag did to it ("as taken", "turned 180 degrees").
  std::string orientation = "as taken";
  std::size_t decodingBytes = 0;  // what decoding it held at most
};

// Reads one PNG, JPEG or TIFF photograph at 8 or 16 bits, turned as its orientation tag says
// and reduced by a whole factor to at most maxSide pixels along its larger side (0 keeps every
// pixel): a JPEG by libjpeg's own scaling as it is decoded, the others by averaging blocks of
// pixels. A picture that the decoder had to patch (cut short, corrupt data) is refused.
PhotoLoad ReadPhoto(const std::string& path, int maxSide);

// A series read: every frame in grey, or the first error (a file that does not load, a frame
// whose size or orientation tag differs from the series', or a series too large to hold, named).
struct SeriesLoad {
  std::vector<GreyFrame> frames;  // in the order of the paths
  std::string error;              // empty when every frame was read
  bool cancelled = false;
};

// Reads the photographs, the first alone (its colours choose the grey of every frame, and its
// size how many pictures fit the memory budget at once), then the others on as many threads
// as the machine has cores and the budget allows; each frame turns grey as it is read. progress
// is called (from the calling thread) with the number of files read so far, and cancels the
// rest when it returns false.
SeriesLoad ReadPhotoSeries(const std::vector<std::string>& paths, int maxSide,
                           const std::function<bool(int read)>& progress = {});

}  // namespace zonalyst::photo
