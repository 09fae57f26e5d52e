#pragma once

#include <array>

#include "AnalysisPanel.h"
#include "core/TesterControls.h"
#include "plot/TesterViewChart.h"
#include "ui/analysis/rules/TesterRules.h"

class QCheckBox;
class QHBoxLayout;
class QRadioButton;
class QScrollBar;

namespace zonalyst::ui {

// The tester's view: the measured and the perfect mirror as the tester sees
// them. The knife slider ScrlKnife (steps of 0.01 mm or 0.0005 inch on the readings'
// scale) with its caption LblKnife naming the nearest zone, the sliders ScrlCut, ScrlSlit
// and ScrlLpi with their captions LblCut, LblSlit and LblLpi, the choice OptFoucault /
// OptRonchi and the box ChkLeft (knife from the left). Every change redraws both views.
class TestersViewPanel final : public AnalysisPanel {
  Q_OBJECT
 public:
  TestersViewPanel(const PanelContext& context, const AnalysisLayout& layout);

  QScrollBar* knifeSlider() const { return knife_; }

  // Reduces the test and draws; the knife goes to the middle zone's reading unless the
  // panel shows the same readings as before (F9 redraws the panel as the user left it).
  void enterPanel(const PanelEntry& entry) override;

 private:
  QScrollBar* addSlider(QHBoxLayout* row, const QString& heading, const QString& name,
                        const analysis::SliderRange& range, std::string (*help)());
  plot::TesterControls controls() const;
  void redraw();

  bool shown_ = false;  // nothing to draw before the panel has reduced the test
  std::array<double, 17> shownReadings_{};  // the averages and units the knife was placed for
  bool shownInches_ = false;
  KnifeScale scale_;
  QScrollBar* knife_ = nullptr;
  QScrollBar* cut_ = nullptr;
  QScrollBar* slit_ = nullptr;
  QScrollBar* linesPerInch_ = nullptr;
  QLabel* knifeCaption_ = nullptr;
  QLabel* cutCaption_ = nullptr;
  QLabel* slitCaption_ = nullptr;
  QLabel* linesCaption_ = nullptr;
  QRadioButton* foucault_ = nullptr;
  QRadioButton* ronchi_ = nullptr;
  QCheckBox* fromLeft_ = nullptr;
};

}  // namespace zonalyst::ui
