#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "core/BesselTable.h"
#include "core/MirrorTest.h"
#include "TesterOptions.h"
#include "plot/PictureSurface.h"

namespace zonalyst::cli {

// The analysis pictures the command line can export.
enum class ExportPanel {
  SurfaceError,
  MilliesLacroix,
  TransverseError,
  Diffraction,
  StarTest,
  MonteCarlo,
  TestersView,
};

// Panel from its command-line name ("surface", "ml", "transverse", "spot", "star",
// "montecarlo", "testers-view").
std::optional<ExportPanel> ExportPanelNamed(const std::string& name);
// The window's index of the panel (4..8, 10), which names the image file; the Monte Carlo
// histograms are shown on the surface error panel.
int PanelIndex(ExportPanel panel);

// The slider and check-box positions the pictures are drawn with.
struct ExportSettings {
  double offsetMm = 0.0;          // added to the best-fit radius (surface, transverse, spot)
  std::optional<double> obstruction;  // per cent of the diameter; spot 0, star 33 when not given
  int defocusWaves = 0;           // star test
  bool detail = false;            // star test grey mapping
  bool contrast = false;
  int mlShift = 0;                // Millies-Lacroix slider, -100..100
  int trials = 10000;             // Monte Carlo trials
  std::uint32_t seed = 0;         // of the Monte Carlo random generator
  TesterRequest tester;           // the tester's view
};

// One exported panel: the picture as its panel driver draws it, the same drawing as
// JSON calls when asked, and the saved picture (panel and report, or the star stack).
struct ExportedPanel {
  plot::PixelImage picture;
  std::string recording;
  plot::PixelImage saved;
};

// Draws the panel for the test and composes its saved picture. Needs a QGuiApplication.
ExportedPanel ExportPanelPicture(ExportPanel panel, MirrorTest& test, const BesselTable& bessel,
                                 const ExportSettings& settings, bool record);

}  // namespace zonalyst::cli
