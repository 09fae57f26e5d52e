#pragma once

#include "AnalysisPanel.h"

class QScrollBar;

namespace zonalyst::ui {

// A panel whose slider of the array HScroll1 (0, 1 or 2) offsets the reference radius
// from the best fit by steps of 0.001 mm: the surface error, transverse error and spot
// diffraction panels. Their captions `Offset` 2i and 2i+1 give the best-fit correction
// and the offset; entering the panel recentres the slider, so its function key resets it
// (the caption says which).
class OffsetPanel : public AnalysisPanel {
  Q_OBJECT
 public:
  OffsetPanel(const PanelContext& context, const AnalysisLayout& layout);

  QScrollBar* referenceSlider() const override { return slider_; }
  void enterPanel(const PanelEntry& entry) override;
  // The panel driver: reduce, best fit, draw, captions, slider to the middle.
  void showPanel();
  // The driver without the drawing, for a picture that stays: reduce, best fit, the six
  // results, captions and slider to the middle.
  void refreshBestFit();
  void referenceSliderMoved() override;
  // The slider's offset in millimetres.
  double offsetMm() const;

 protected:
  // The drawing at the best-fit radius on entering the panel.
  virtual void drawBestFit();
  // A drawing at the slider's offset from the best fit after a slider moved.
  virtual void drawAt(double offsetMm);

 private:
  void showBestFit(const BestFit& fit);
  void writeOffsetCaption();

  int sliderIndex_;
  int resetKey_;
  QLabel* bestFitCaption_;
  QLabel* offsetCaption_;
  QScrollBar* slider_;
};

}  // namespace zonalyst::ui
