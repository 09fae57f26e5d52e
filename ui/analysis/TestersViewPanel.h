#pragma once

#include "AnalysisPanel.h"
#include "core/TesterControls.h"
#include "plot/TesterViewChart.h"
#include "ui/analysis/rules/TesterRules.h"

#include <array>

class QCheckBox;
class QHBoxLayout;
class QPushButton;
class QRadioButton;
class QScrollBar;

namespace zonalyst::ui {

// The tester's view: the measured and the perfect mirror as the tester sees
// them. The knife slider ScrlKnife (steps of 0.01 mm or 0.0005 inch on the readings'
// scale; for the grating it reaches out to where the perfect mirror shows enough bands)
// with its caption LblKnife naming the nearest zone, the sliders ScrlCut ("Cut", or
// "Phase" for the grating), ScrlSlit (the knife's only) and ScrlLpi (the grating's only)
// with their captions LblCut, LblSlit and LblLpi, in the test's units, the choice
// OptFoucault / OptRonchi and the box ChkLeft (knife from the left). Every change
// redraws both views. "Compare with Photo..." (cmdComparePhoto) shows a photograph of the
// mirror through the tester, cropped to its disc, in place of the perfect mirror and
// moves the knife to the photo's position; chkPhoto shows it or the perfect mirror.
class TestersViewPanel final : public AnalysisPanel {
  Q_OBJECT
 public:
  TestersViewPanel(const PanelContext& context, const AnalysisLayout& layout);

  double knifeReading() const;

  // Reduces the test and draws; the knife goes to the middle zone's reading unless the
  // panel shows the same readings as before (F9 redraws the panel as the user left it).
  void enterPanel(const PanelEntry& entry) override;

 private:
  // A slider with its heading before it and its caption after it.
  struct LabelledSlider {
    QLabel* heading;
    QScrollBar* slider;
    QLabel* caption;
    void setEnabled(bool enabled) const;
  };
  LabelledSlider addSlider(QHBoxLayout* row, const QString& heading, const QString& name,
                           const analysis::SliderRange& range, std::string (*help)());
  TesterPattern pattern() const;
  // Asks for a photo and its knife position, then shows it.
  void compareWithPhoto();
  plot::TesterControls controls() const;
  // The cut and slit sliders in the test's units.
  void useLengthUnits(bool inches);
  // The controls of the knife or the grating, and the cut at its usual place.
  void usePattern();
  // The knife slider's span for the test and the pattern, the knife at the reading; redraws.
  void placeKnife(double reading);
  void redraw();

  bool shown_ = false;                      // nothing to draw before the panel has reduced the test
  std::array<double, 17> shownReadings_{};  // the averages and units the knife was placed for
  bool shownInches_ = false;
  KnifeScale scale_;
  analysis::TesterLengthSliders lengths_ = analysis::LengthSlidersFor(false);
  QScrollBar* knife_ = nullptr;
  QLabel* knifeCaption_ = nullptr;
  LabelledSlider cut_{};
  LabelledSlider slit_{};
  LabelledSlider linesPerInch_{};
  QRadioButton* foucault_ = nullptr;
  QRadioButton* ronchi_ = nullptr;
  QCheckBox* fromLeft_ = nullptr;
  QCheckBox* showPhoto_ = nullptr;
  QPushButton* compare_ = nullptr;
  plot::TesterPhoto photo_;  // the photo compared, kTesterViewSide square
  double photoReading_ = 0.0;
};

}  // namespace zonalyst::ui
