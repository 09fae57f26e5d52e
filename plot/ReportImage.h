#pragma once

#include <array>
#include <string>

#include "PictureSizes.h"
#include "PictureSurface.h"
#include "core/ZoneReport.h"

namespace zonalyst::plot {

// Panels whose picture can be saved, by their index in the window.
enum class AnalysisPanel : int {
  SurfaceError = 4,
  MilliesLacroix = 5,
  TransverseError = 6,
  Diffraction = 7,
  StarTest = 8,
  TestersView = 10,
};

// Pixels added below a panel picture for the report (4500 twips at 15 twips a pixel),
// and below the star-test frame for the three stacked images (11000 twips).
inline constexpr int kReportRoom = 300;
inline constexpr int kStarStackRoom = 733;
inline constexpr int kStarStackGap = 5;

// The proposed file name: the test's file name without its ".fdr" extension (any other
// name is kept whole) followed by the panel's suffix ("_Surface.gif", "_M-L_Plot.gif",
// "_Trans_Err.gif", "_Diffraction.gif", "_Star_Test.gif", "_Testers_View.gif", ".gif" for any other
// panel);
// the suffix alone for a test never saved.
std::string DefaultImageName(const std::string& testFileName, int panel);

// Draws the report (units line, mirror line, the eight-column zone table) on s, its
// first line centred at y = top + 10; returns the height it needs below top.
double DrawReport(PictureSurface& s, const ZoneReport& report, double top);

// The panel picture with the report below it: kReportRoom pixels taller, or as much
// taller as a long report needs. Needs a QGuiApplication (fonts).
PixelImage ComposeReportImage(const PixelImage& panel, const ZoneReport& report);

// The three star-test pictures (2, 5 and 10 waves of defocus) stacked at y = 0, H + 5 and
// 2H + 10 on a black picture the size of frame and kStarStackRoom pixels taller (taller
// still if the stack needs it). Needs a QGuiApplication.
PixelImage ComposeStarTestImage(const std::array<PixelImage, 3>& images, PictureSize frame);

// Replaces every colour by its complement (a white background for printing).
void InvertPixels(PixelImage& image);

}  // namespace zonalyst::plot
