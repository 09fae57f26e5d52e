#pragma once

#include <string>

#include "image/GIF.h"
#include "plot/PictureSurface.h"

namespace zonalyst::cli {

// Whether a file name ends with the given extension (".png", ".gif").
bool EndsWith(const std::string& text, const std::string& tail);

// Writes the picture as PNG (a name ending in ".png") or else as GIF with the palette
// given. On failure returns false with the reason in problem.
bool WritePicture(const plot::PixelImage& picture, const std::string& path, image::GifPalette palette,
                  std::string& problem);

}  // namespace zonalyst::cli
