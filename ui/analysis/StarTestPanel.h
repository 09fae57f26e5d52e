#pragma once

#include "AnalysisPanel.h"

#include <array>

class QCheckBox;
class QScrollBar;

namespace zonalyst::ui {

// The star test: the defocus slider HScroll1(3) with the heading Offset(6) and
// its caption Offset(7), the obstruction slider HScroll2 with its caption Offset(9), and
// the boxes ChkDetail "High Detail" and ChkContrast "High Contrast"; every change of one
// of them redraws the three images.
class StarTestPanel final : public AnalysisPanel {
  Q_OBJECT
 public:
  StarTestPanel(const PanelContext& context, const AnalysisLayout& layout);

  QScrollBar* referenceSlider() const override { return defocus_; }
  QScrollBar* obstructionSlider() const { return obstruction_; }

  void enterPanel(const PanelEntry& entry) override;
  // The panel driver: reduce, best fit, first-visit defaults, draw.
  void showPanel();
  void referenceSliderMoved() override;
  // Sets ChkDetail by the defocus slider; a change of the box redraws.
  void followDefocus();
  // The star test saves its pictures at plot::kStackedWaves, stacked (plot::StarStack),
  // drawn without moving the controls; the user's own picture is drawn again after.
  plot::SavedPicture savedPicture() override;

 private:
  // What the sliders and boxes show.
  plot::PanelControls controls() const;
  void redraw();

  bool shownOnce_ = false;  // nothing to draw before the panel has reduced the test
  QScrollBar* defocus_;
  QScrollBar* obstruction_;
  QLabel* defocusHeading_;
  QLabel* defocusCaption_;
  QLabel* obstructionCaption_;
  QCheckBox* detail_;
  QCheckBox* contrast_;
};

}  // namespace zonalyst::ui
