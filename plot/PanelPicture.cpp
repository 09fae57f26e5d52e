#include "PanelPicture.h"

#include "PanelTable.h"

namespace zonalyst::plot {

PictureSize PanelPictureSize(Panel panel, const PanelControls& controls) {
  const PanelRow& row = RowOf(panel);
  return row.size != nullptr ? row.size(controls) : PictureSize{};
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
  if (const auto draw = RowOf(panel).draw) draw(s, {test, analysis, rocMm, controls});
}

}  // namespace zonalyst::plot
