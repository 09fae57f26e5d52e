#include "AstigmatismPicture.h"

#include "PictureFile.h"
#include "plot/AstigmatismChart.h"
#include "plot/RasterSurface.h"

namespace zonalyst::cli {

bool WriteAstigmatismPicture(const AstigmatismFit& fit, const std::string& path, std::string& problem) {
  const auto gui = GuiForFonts();
  plot::RasterSurface surface(plot::kAstigmatismChartWidth, plot::kAstigmatismChartHeight);
  plot::DrawAstigmatism(surface, fit);
  return WritePicture(surface.toPixelImage(), path, image::GifPalette::Fixed, problem);
}

}  // namespace zonalyst::cli
