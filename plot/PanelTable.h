#pragma once

#include "MilliesLacroixChart.h"
#include "Panel.h"
#include "PanelPicture.h"
#include "SpotDiffractionChart.h"
#include "StarTestChart.h"
#include "SurfaceErrorChart.h"
#include "TesterViewChart.h"
#include "TransverseErrorChart.h"
#include "core/MilliesLacroix.h"
#include "core/SpotDiffraction.h"
#include "core/StarTest.h"

#include <array>
#include <cstddef>
#include <string_view>

namespace zonalyst::plot {

// What F9 and the command line's export save of an analysis panel.
enum class SavedKind {
  FrameAndReport,  // its picture under its numbers, with the test's report below
  StarStack,       // its pictures at kStackedWaves of defocus, stacked (StarStack)
};

// What a panel's picture is drawn from: the test, its analysis measured at the reference
// radius rocMm (mm), and the panel's controls.
struct PanelScene {
  const MirrorTest& test;
  const SurfaceAnalysis& analysis;
  double rocMm;
  const PanelControls& controls;
};

// What a panel is to the pictures and the command line.
struct PanelRow {
  Panel panel;
  std::string_view name{};           // on the command line (export --panel); empty without a picture
  std::string_view suffix = ".gif";  // ends the proposed name of its saved picture, whose
                                     // extension is the format proposed
  bool analysis = false;             // shows a picture of the analysis, which F9 saves
  bool referenceOffset = false;      // its slider moves the reference radius off the best fit,
                                     // and its frame says so under the picture
  bool inExportAll = false;          // one of the pictures of export --panel all
  SavedKind saved = SavedKind::FrameAndReport;
  int defaultObstruction = 0;  // central obstruction until one is chosen, per cent of the diameter
  PictureSize (*size)(const PanelControls&) = nullptr;
  void (*draw)(PictureSurface&, const PanelScene&) = nullptr;
};

// One row per panel, in the order of the enumeration.
inline constexpr std::array kPanelRows{
    PanelRow{.panel = Panel::Exit},
    PanelRow{.panel = Panel::Load},
    PanelRow{.panel = Panel::Setup},
    PanelRow{.panel = Panel::Readings},
    PanelRow{
        .panel = Panel::SurfaceError,
        .name = "surface",
        .suffix = "_Surface.gif",
        .analysis = true,
        .referenceOffset = true,
        .inExportAll = true,
        .size = [](const PanelControls&) { return kSG; },
        .draw = [](PictureSurface& s,
                   const PanelScene& p) { DrawSurfaceError(s, p.test, p.analysis.metrics(), p.controls.earlierTest); }},
    PanelRow{.panel = Panel::MilliesLacroix,
             .name = "ml",
             .suffix = "_M-L_Plot.gif",
             .analysis = true,
             .inExportAll = true,
             .size = [](const PanelControls&) { return kPicML; },
             .draw =
                 [](PictureSurface& s, const PanelScene& p) {
                   // The plot averages the readings of a copy of the test.
                   MirrorTest averaged = p.test;
                   const MilliesLacroix ml = ComputeMilliesLacroix(averaged, p.controls.mlShift);
                   DrawMilliesLacroix(s, averaged, ml);
                 }},
    PanelRow{
        .panel = Panel::TransverseError,
        .name = "transverse",
        .suffix = "_Trans_Err.gif",
        .analysis = true,
        .referenceOffset = true,
        .inExportAll = true,
        .size = [](const PanelControls&) { return kPicTE; },
        .draw = [](PictureSurface& s, const PanelScene& p) { DrawTransverseError(s, p.test, p.analysis.metrics()); }},
    PanelRow{.panel = Panel::Diffraction,
             .name = "spot",
             .suffix = "_Diffraction.gif",
             .analysis = true,
             .referenceOffset = true,
             .inExportAll = true,
             .size = [](const PanelControls&) { return kPicSpot; },
             .draw =
                 [](PictureSurface& s, const PanelScene& p) {
                   const SurfaceAnalysis& a = p.analysis;
                   DrawSpotDiffraction(s, ComputeSpotDiffraction(a.profile(), a.metrics(), a.bessel(),
                                                                 p.test.diameterMm(), p.controls.obstruction));
                 }},
    PanelRow{.panel = Panel::StarTest,
             .name = "star",
             .suffix = "_Star_Test.gif",
             .analysis = true,
             .inExportAll = true,
             .saved = SavedKind::StarStack,
             .defaultObstruction = 33,
             .size = [](const PanelControls&) { return kPic2D; },
             .draw =
                 [](PictureSurface& s, const PanelScene& p) {
                   const PanelControls& c = p.controls;
                   const double diameter = p.test.diameterMm();
                   const StarTestImages images = ComputeStarTest(
                       p.analysis.profile(), p.test.DesiredConic, p.analysis.bessel(), p.rocMm, c.defocusWaves,
                       DefocusStep(p.rocMm, diameter), diameter, c.obstruction, {c.detail, c.contrast});
                   DrawStarTest(s, images, {c.defocusWaves, p.rocMm, diameter, p.test.inInches()});
                 }},
    PanelRow{.panel = Panel::TestersView,
             .name = "testers-view",
             .suffix = "_Testers_View.png",  // a GIF's palette would band its smooth greys
             .analysis = true,
             .size = [](const PanelControls& c) { return TestersViewPictureSize(c.tester.viewSide); },
             .draw =
                 [](PictureSurface& s, const PanelScene& p) {
                   DrawTestersView(s, p.test, p.analysis.profile(), p.rocMm, p.controls.tester, p.controls.testerPhoto);
                 }},
};

static_assert(kPanelRows.size() == kPanelCount, "kPanelRows needs exactly one row for each Panel");

constexpr bool RowsFollowTheEnumeration() {
  for (std::size_t i = 0; i < kPanelRows.size(); ++i) {
    if (RowIndex(kPanelRows[i].panel) != i) return false;
  }
  return true;
}
static_assert(RowsFollowTheEnumeration(), "the rows of kPanelRows stand in the order of Panel");

constexpr const PanelRow& RowOf(Panel panel) { return kPanelRows[RowIndex(panel)]; }

// The panels that show a picture of the analysis, and whose picture F9 saves.
constexpr bool IsAnalysisPanel(Panel panel) { return RowOf(panel).analysis; }

// The panels whose slider moves the reference radius off the best fit.
constexpr bool HasReferenceOffset(Panel panel) { return RowOf(panel).referenceOffset; }

}  // namespace zonalyst::plot
