#include "PanelPicture.h"

#include "MilliesLacroixChart.h"
#include "SpotDiffractionChart.h"
#include "StarTestChart.h"
#include "SurfaceErrorChart.h"
#include "TransverseErrorChart.h"
#include "core/MilliesLacroix.h"
#include "core/SpotDiffraction.h"
#include "core/StarTest.h"

namespace zonalyst::plot {

PictureSize PanelPictureSize(Panel panel, const PanelControls& controls) {
  switch (panel) {
    case kTestersViewPanel: return TestersViewPictureSize(controls.tester.viewSide);
    case kMilliesLacroixPanel: return kPicML;
    case kTransverseErrorPanel: return kPicTE;
    case kDiffractionPanel: return kPicSpot;
    case kStarTestPanel: return kPic2D;
    default: return kSG;
  }
}

PanelControls StarControlsAtDefocus(PanelControls controls, int defocusWaves) {
  controls.defocusWaves = defocusWaves;
  controls.detail = DetailAtDefocus(defocusWaves);
  return controls;
}

double ReferenceRocMm(Panel panel, double bestFitRocMm, const PanelControls& controls) {
  return HasReferenceOffset(panel) ? bestFitRocMm + controls.offsetMm : bestFitRocMm;
}

void DrawPanelPicture(PictureSurface& s, Panel panel, const MirrorTest& test, SurfaceAnalysis& analysis,
                      double bestFitRocMm, const PanelControls& controls) {
  const double rocMm = ReferenceRocMm(panel, bestFitRocMm, controls);
  analysis.measureAt(test, rocMm);
  switch (panel) {
    case kMilliesLacroixPanel: {
      MirrorTest averaged = test;
      const MilliesLacroix ml = ComputeMilliesLacroix(averaged, controls.mlShift);
      DrawMilliesLacroix(s, averaged, ml);
      return;
    }
    case kTransverseErrorPanel:
      DrawTransverseError(s, test, analysis.metrics());
      return;
    case kDiffractionPanel:
      DrawSpotDiffraction(s, ComputeSpotDiffraction(analysis.profile(), analysis.metrics(), analysis.bessel(),
                                                    test.diameterMm(), controls.obstruction));
      return;
    case kStarTestPanel: {
      const double diameter = test.diameterMm();
      const StarTestImages images = ComputeStarTest(analysis.profile(), test.DesiredConic, analysis.bessel(), rocMm,
                                                    controls.defocusWaves, DefocusStep(rocMm, diameter), diameter,
                                                    controls.obstruction, {controls.detail, controls.contrast});
      DrawStarTest(s, images, {controls.defocusWaves, rocMm, diameter, test.inInches()});
      return;
    }
    case kTestersViewPanel:
      DrawTestersView(s, test, analysis.profile(), rocMm, controls.tester);
      return;
    default:
      DrawSurfaceError(s, test, analysis.metrics(), controls.earlierTest);
      return;
  }
}

}  // namespace zonalyst::plot
