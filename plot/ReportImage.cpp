#include "ReportImage.h"

#include <algorithm>
#include <cmath>

#include "RasterSurface.h"

namespace zonalyst::plot {

namespace {

std::string PanelSuffix(int panel) {
  switch (static_cast<AnalysisPanel>(panel)) {
    case AnalysisPanel::SurfaceError: return "_Surface.gif";
    case AnalysisPanel::MilliesLacroix: return "_M-L_Plot.gif";
    case AnalysisPanel::TransverseError: return "_Trans_Err.gif";
    case AnalysisPanel::Diffraction: return "_Diffraction.gif";
    case AnalysisPanel::StarTest: return "_Star_Test.gif";
    case AnalysisPanel::TestersView: return "_Testers_View.gif";
  }
  return ".gif";
}

bool EndsWithFdr(const std::string& name) {
  if (name.size() < 4) return false;
  std::string tail = name.substr(name.size() - 4);
  std::transform(tail.begin(), tail.end(), tail.begin(), [](unsigned char c) { return std::tolower(c); });
  return tail == ".fdr";
}

// Centre of the table column c (0..7) in a picture w pixels wide per column.
double ColumnCentre(int c, int w) { return (c + 0.5) * w; }

}  // namespace

std::string DefaultImageName(const std::string& testFileName, int panel) {
  const std::string stem = EndsWithFdr(testFileName) ? testFileName.substr(0, testFileName.size() - 4) : testFileName;
  return stem + PanelSuffix(panel);
}

double DrawReport(PictureSurface& s, const ZoneReport& report, double top) {
  const double xc = s.scaleWidth() / 2;
  const double line = s.textHeight("HI");
  double y = top + 10;
  s.setTextColour(kWhite);
  PrintCentred(s, report.unitsLine, xc, y);
  y += line;
  PrintCentred(s, report.mirrorLine, xc, y);
  y += 2 * line;

  const int w = s.scaleWidth() / 8;
  const auto printRow = [&](const auto& cells) {
    for (int c = 0; c < 8; ++c) {
      if (!std::string(cells[c]).empty()) PrintCentred(s, cells[c], ColumnCentre(c, w), y);
    }
    y += line;
  };
  printRow(ZoneReport::kUpperHeadings);
  printRow(ZoneReport::kLowerHeadings);
  for (const auto& row : report.rows) printRow(row);
  return y + line - top;
}

PixelImage ComposeReportImage(const PixelImage& panel, const ZoneReport& report) {
  // Measure first on a scratch surface, so that a long report grows the picture.
  RasterSurface scratch(std::max(1, panel.width), 1);
  const double needed = DrawReport(scratch, report, panel.height);
  const int height = panel.height + std::max(kReportRoom, static_cast<int>(std::ceil(needed)));

  RasterSurface surface(panel.width, height);
  surface.drawImage(0, 0, panel);
  DrawReport(surface, report, panel.height);
  return surface.toPixelImage();
}

PixelImage ComposeStarTestImage(const std::array<PixelImage, 3>& images, PictureSize frame) {
  int width = frame.width;
  int stacked = 0;
  for (const PixelImage& image : images) {
    width = std::max(width, image.width);
    stacked += image.height;
  }
  stacked += 2 * kStarStackGap;
  RasterSurface surface(width, std::max(frame.height + kStarStackRoom, stacked));
  double y = 0;
  for (const PixelImage& image : images) {
    surface.drawImage(0, y, image);
    y += image.height + kStarStackGap;
  }
  return surface.toPixelImage();
}

void InvertPixels(PixelImage& image) {
  for (auto& pixel : image.pixels) pixel = ~pixel & 0x00ffffffu;
}

}  // namespace zonalyst::plot
