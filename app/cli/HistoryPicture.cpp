#include "History.h"
#include "PictureFile.h"
#include "plot/HistoryChart.h"
#include "plot/RasterSurface.h"

namespace zonalyst::cli {

bool WriteHistoryPicture(const History& history, const std::string& path, std::string& problem) {
  const auto gui = GuiForFonts();
  std::vector<const QualityMetrics*> metrics;
  for (const HistoryTest& entry : history.tests) metrics.push_back(&entry.metrics);
  plot::RasterSurface surface(plot::kHistoryPicture.width, plot::kHistoryPicture.height);
  plot::DrawHistory(surface, history.tests.back().test, metrics);
  return WritePicture(surface.toPixelImage(), path, image::GifPalette::Fixed, problem);
}

}  // namespace zonalyst::cli
