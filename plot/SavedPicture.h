#pragma once

#include "Panel.h"
#include "PanelPicture.h"
#include "PictureSizes.h"
#include "PictureSurface.h"
#include "core/QualityMetrics.h"
#include "core/ResultTexts.h"
#include "core/SurfaceAnalysis.h"
#include "core/ZoneReport.h"

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace zonalyst::plot {

// Pixels added below a panel picture for the report (4500 twips at 15 twips a pixel),
// and below the star-test frame for the three stacked images (11000 twips).
inline constexpr int kReportRoom = 300;
inline constexpr int kStarStackRoom = 733;
inline constexpr int kStarStackGap = 5;

// The star test's saved picture stacks its pictures at these defocus positions, waves.
inline constexpr std::array<int, 3> kStackedWaves{2, 5, 10};

// The star test's pictures to stack: drawAt draws the panel's picture for the controls it
// is given, here the star test's controls moved to each of kStackedWaves in turn.
std::array<PixelImage, 3> StarStack(const PanelControls& controls,
                                    const std::function<PixelImage(const PanelControls&)>& drawAt);

// The proposed file name: the test's file name without its ".fdr" extension (any other
// name is kept whole) followed by the panel's suffix (PanelRow::suffix, "_Surface.gif" for
// the surface error); the suffix alone for a test never saved.
std::string DefaultImageName(const std::string& testFileName, Panel panel);

// Draws the report (units line, mirror line, the eight-column zone table and, a line
// below it, the RMS over the measured zones) on s, its first line centred at
// y = top + 10; returns the height it needs below top.
double DrawReport(PictureSurface& s, const ZoneReport& report, double top);

// The numbers of an analysis panel's frame, in the texts of the window's labels: the six
// measures, and on the surface, transverse and spot panels the lines under the picture
// ("Entered ROC of ... = Best fit ROC", "Offset from best fit ROC = ...").
struct FrameTexts {
  ResultTexts results;
  std::vector<std::string> captions;
};
FrameTexts PanelFrameTexts(Panel panel, const MirrorTest& test, const BestFit& fit, const QualityMetrics& metrics,
                           double offsetMm);

// What a saved picture is made of, by its panel's kind (PanelRow::saved). The star test's
// is its three pictures stacked. Any other panel's is its picture with the test's report
// below: the frame grabbed from the window, or the chart alone headed by the frame's numbers.
struct SavedPicture {
  Panel panel = Panel::SurfaceError;
  PixelImage picture{};               // the panel's frame as shown, or its chart
  std::optional<FrameTexts> frame{};  // drawn above a chart alone
  ZoneReport report{};
  std::array<PixelImage, 3> stack{};  // star test: its pictures at kStackedWaves
};

// The size of the saved picture: the star stack on a black picture the size of the panel
// frame and kStarStackRoom pixels taller (taller still if the stack needs it); the
// others kReportRoom pixels taller than the picture and its numbers, or as much taller
// as a long report needs. Needs a QGuiApplication (fonts).
PictureSize SavedPictureSize(const SavedPicture& parts);

// Draws the saved picture on a surface of SavedPictureSize: the stack at y = 0, H + 5 and
// 2H + 10; or the numbers (white on black), the picture below them as one image and
// the report.
void DrawSavedPicture(PictureSurface& s, const SavedPicture& parts);

// SavedPictureSize and DrawSavedPicture on a raster picture.
PixelImage ComposeSavedPicture(const SavedPicture& parts);

// Replaces every colour by its complement (a white background for printing).
void InvertPixels(PixelImage& image);

}  // namespace zonalyst::plot
