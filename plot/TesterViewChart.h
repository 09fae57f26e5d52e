#pragma once

#include "PictureSurface.h"
#include "core/TesterView.h"

namespace zonalyst::plot {

// A grey picture as 32-bit pixels (each grey in all three channels).
PixelImage GreyPixels(const GreyPicture& picture);

}  // namespace zonalyst::plot
