#pragma once

#include "AnalysisPanel.h"

class QScrollBar;

namespace zonalyst::ui {

// The Millies-Lacroix plot: the reference shift slider HScroll1(4) and the note
// LblML, written when the slider takes the focus. Entering the panel sets the slider back
// to 0 and runs the surface error analysis first, which fills the result labels 24..29.
class MilliesLacroixPanel final : public AnalysisPanel {
  Q_OBJECT
 public:
  MilliesLacroixPanel(const PanelContext& context, const AnalysisLayout& layout);

  QScrollBar* referenceSlider() const override { return shift_; }
  void enterPanel(const PanelEntry& entry) override;
  void referenceSliderMoved() override;

 private:
  int sliderIndex_;
  QScrollBar* shift_;
  QLabel* note_;
};

}  // namespace zonalyst::ui
