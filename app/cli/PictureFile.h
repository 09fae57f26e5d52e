#pragma once

#include "CommandSupport.h"
#include "image/GIF.h"
#include "plot/PictureSurface.h"

#include <QGuiApplication>

#include <memory>
#include <string>

namespace zonalyst::cli {

// Writes the picture as PNG (a name ending in ".png") or else as GIF with the palette
// given. On failure returns false with the reason in problem.
bool WritePicture(const plot::PixelImage& picture, const std::string& path, image::GifPalette palette,
                  std::string& problem);

// Pictures need fonts, and fonts a GUI application; the command line has none of its own.
// Null when one is running already.
std::unique_ptr<QGuiApplication> GuiForFonts();

}  // namespace zonalyst::cli
