#pragma once

#include "PixelImage.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>

namespace zonalyst::image {

enum class GifSaveOutcome {
  Written,    // the file holds the picture (an existing file was replaced)
  Busy,       // this writer is already saving; nothing was written
  Cancelled,  // the progress callback asked to stop; the target was left as it was
  Failed,     // see message; the target was left as it was
};

struct GifSaveResult {
  GifSaveOutcome outcome = GifSaveOutcome::Written;
  std::string message;  // empty when written
};

// Told the percentage of rows written, round(100 * row / height) with halves to even,
// after every tenth row (so never for pictures under ten rows). It may let pending
// events run; it returns false to stop the save.
using GifProgress = std::function<bool(int percent)>;

// The colour table of the files: the fixed 125 colours (FixedPalette.h), or the 256
// greys for grey pictures, whose pixels then give their blue channel as the grey.
enum class GifPalette { Fixed, Greys };

// Writes pictures as 8-bit GIF files with a palette and an LZW encoder of 9-bit codes.
class GIF {
 public:
  explicit GIF(GifPalette palette = GifPalette::Fixed) : palette_(palette) {}

  // Width and height are written as 16-bit values.
  static constexpr int kMaxSide = 32767;

  // Writes picture to fileName, rows from top to bottom. With useTransparency the
  // file is GIF89a and marks as transparent the first fixed-palette entry equal to
  // transparentColour (0x00RRGGBB, top byte ignored; entry 0 when none is), else it
  // is GIF87a. A call made while this writer is saving (from the progress callback)
  // returns Busy and writes nothing. The file appears only when it was written whole.
  GifSaveResult SaveGIF(const PixelImage& picture, const std::filesystem::path& fileName, bool useTransparency,
                        std::uint32_t transparentColour, const GifProgress& progress = {});

 private:
  GifPalette palette_;
  bool busy_ = false;
};

}  // namespace zonalyst::image
