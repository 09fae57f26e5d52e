#pragma once

#include "Panel.h"
#include "PictureSizes.h"
#include "PictureSurface.h"
#include "TesterViewChart.h"
#include "core/MirrorTest.h"
#include "core/SurfaceAnalysis.h"

namespace zonalyst::plot {

struct EarlierTest;

// The controls of the analysis panels that change what their picture shows.
struct PanelControls {
  double offsetMm = 0.0;     // reference radius minus the best fit, mm: surface, transverse and spot
  int mlShift = 0;           // Millies-Lacroix reference shift, slider steps -100..100
  double obstruction = 0.0;  // central obstruction, per cent of the diameter: spot and star test
  int defocusWaves = 0;      // star test, whole waves
  bool detail = false;       // star test grey mapping
  bool contrast = false;
  TesterControls tester{};                   // the tester's view
  const TesterPhoto* testerPhoto = nullptr;  // the tester's view: a photo in place of the perfect mirror
  const EarlierTest* earlierTest = nullptr;  // surface error: an earlier test drawn faintly behind
};

// "High Detail" follows the star test's defocus slider: checked whenever it stands off 0.
constexpr bool DetailAtDefocus(int defocusWaves) { return defocusWaves != 0; }
// The star test's controls with the defocus slider moved to defocusWaves.
PanelControls StarControlsAtDefocus(PanelControls controls, int defocusWaves);

// The size of an analysis panel's picture (the tester's view by the side of its views);
// none for the other panels.
PictureSize PanelPictureSize(Panel panel, const PanelControls& controls = {});

// The radius an analysis panel measures the test at, mm: the best fit moved by the offset
// on the surface, transverse and spot panels, the best fit itself on the others.
double ReferenceRocMm(Panel panel, double bestFitRocMm, const PanelControls& controls);

// Measures the test at the panel's reference radius with analysis, which has reduced the
// test and found its best-fit radius bestFitRocMm (mm), and draws the panel's picture on s
// (nothing for a panel without one).
void DrawPanelPicture(PictureSurface& s, Panel panel, const MirrorTest& test, SurfaceAnalysis& analysis,
                      double bestFitRocMm, const PanelControls& controls);

}  // namespace zonalyst::plot
