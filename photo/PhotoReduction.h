#pragma once

#include "core/PhotoReadings.h"

#include <QImage>

namespace zonalyst::photo {

// The whole-pixel factor by which a picture width pixels across is reduced to at most
// maxWidth (0 keeps every pixel): the smallest whole number that fits it.
int ReductionFactor(int width, int maxWidth);

// A decoded picture as a photo frame: one plane for a grey picture, three (red, green,
// blue) for a colour one, samples of 0..65535 for a 16-bit picture (Format_Grayscale16,
// Format_RGBX64, Format_RGBA64), else 0..255. Each sample is the mean of a factor x factor
// block of pixels, rounded halves to even; the pixels of a last partial column or row of
// blocks are left out, and frame.scale is the factor. An empty frame when the memory
// for a converted picture was not there.
PhotoFrame ReducedFrame(const QImage& image, int factor);

}  // namespace zonalyst::photo
