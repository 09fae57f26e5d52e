#pragma once

#include "TesterOptions.h"
#include "core/BesselTable.h"
#include "core/MirrorTest.h"
#include "plot/Panel.h"
#include "plot/PanelPicture.h"
#include "plot/PictureSurface.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace zonalyst::cli {

// What the command line can export: an analysis panel's picture, the tester's view, or
// the Monte Carlo histograms, which the window shows on the surface error panel.
struct ExportView {
  plot::Panel panel = plot::Panel::SurfaceError;
  bool monteCarlo = false;
};

// The view from its command-line name: a panel's (PanelRow::name) or "montecarlo".
std::optional<ExportView> ExportViewNamed(const std::string& name);
// The views that --panel all draws (PanelRow::inExportAll).
std::vector<ExportView> ExportAllViews();
// The names --panel takes besides "all": the panels of "all", then "montecarlo", then the
// other panels with a picture.
std::vector<std::string> ExportViewNames();

// The slider and check-box positions the pictures are drawn with.
struct ExportSettings {
  plot::PanelControls controls;       // its obstruction is replaced by the one below
  std::optional<double> obstruction;  // per cent of the diameter; spot 0, star 33 when not given
  int trials = 10000;                 // Monte Carlo trials
  std::uint32_t seed = 0;             // of the Monte Carlo random generator
  TesterRequest tester;               // the tester's view
};

// One exported view: the picture as its panel draws it, the saved picture (the panel's
// numbers, its picture and the report, or the star stack) and, when asked, the drawing
// calls of the picture as JSON with those of the saved picture under the key "saved".
struct ExportedPanel {
  plot::PixelImage picture;
  plot::PixelImage saved;
  std::string recording;
};

// Draws the view for the test and composes its saved picture. Needs a QGuiApplication.
ExportedPanel ExportPanelPicture(const ExportView& view, const MirrorTest& test, const BesselTable& bessel,
                                 const ExportSettings& settings, bool record);

}  // namespace zonalyst::cli
