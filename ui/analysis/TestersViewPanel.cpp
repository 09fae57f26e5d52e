#include "TestersViewPanel.h"

#include <QCheckBox>
#include <algorithm>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QScrollBar>

#include "PanelSlider.h"
#include "core/TesterControls.h"
#include "ui/analysis/rules/LocalisedText.h"
#include "ui/analysis/rules/TesterRules.h"

namespace zonalyst::ui {

TestersViewPanel::TestersViewPanel(const PanelContext& context, const AnalysisLayout& layout)
    : AnalysisPanel(context, layout) {
  QHBoxLayout* row = addRow();
  knife_ = addSlider(row, QStringLiteral("Knife Position"), QStringLiteral("ScrlKnife"),
                     {0, 0, 0, analysis::kKnifeLargeChange}, &analysis::KnifeHelp);
  knife_->setFixedWidth(300);
  knifeCaption_ = addCaption(row, QStringLiteral("LblKnife"));

  row = addRow();
  cut_ = addSlider(row, QStringLiteral("Cut"), QStringLiteral("ScrlCut"), analysis::kCutRange, &analysis::CutHelp);
  cutCaption_ = addCaption(row, QStringLiteral("LblCut"));
  slit_ = addSlider(row, QStringLiteral("Slit"), QStringLiteral("ScrlSlit"), analysis::kSlitRange, &analysis::SlitHelp);
  slitCaption_ = addCaption(row, QStringLiteral("LblSlit"));

  row = addRow();
  foucault_ = new QRadioButton(QStringLiteral("Foucault"), this);
  foucault_->setObjectName(QStringLiteral("OptFoucault"));
  foucault_->setChecked(true);
  ronchi_ = new QRadioButton(QStringLiteral("Ronchi"), this);
  ronchi_->setObjectName(QStringLiteral("OptRonchi"));
  fromLeft_ = new QCheckBox(QStringLiteral("From the Left"), this);
  fromLeft_->setObjectName(QStringLiteral("ChkLeft"));
  for (QWidget* choice : {static_cast<QWidget*>(foucault_), static_cast<QWidget*>(ronchi_)}) {
    row->addWidget(choice);
    OnFocusIn(choice, [this] { setHelp(analysis::PatternHelp()); });
  }
  row->addWidget(fromLeft_);
  OnFocusIn(fromLeft_, [this] { setHelp(analysis::SideHelp()); });
  linesPerInch_ = addSlider(row, QStringLiteral("Grating"), QStringLiteral("ScrlLpi"), analysis::kLinesPerInchRange,
                            &analysis::LinesPerInchHelp);
  linesCaption_ = addCaption(row, QStringLiteral("LblLpi"));

  for (QScrollBar* slider : {knife_, cut_, slit_, linesPerInch_}) {
    connect(slider, &QScrollBar::valueChanged, this, [this] { redraw(); });
  }
  // Choosing the knife or the grating puts the cut at that one's usual place.
  connect(ronchi_, &QRadioButton::toggled, this, [this](bool ronchi) {
    const int cut = analysis::CutPositionFor(ronchi ? TesterPattern::Ronchi : TesterPattern::Foucault);
    if (cut_->value() != cut) {
      cut_->setValue(cut);
    } else {
      redraw();
    }
  });
  connect(fromLeft_, &QCheckBox::toggled, this, [this] { redraw(); });
}

QScrollBar* TestersViewPanel::addSlider(QHBoxLayout* row, const QString& heading, const QString& name,
                                        const analysis::SliderRange& range, std::string (*help)()) {
  auto* label = new QLabel(heading, this);
  row->addWidget(label);
  QScrollBar* slider = MakePanelSlider(name, range, this, [this, help] { setHelp(help()); });
  slider->setFixedWidth(150);
  row->addWidget(slider);
  return slider;
}

void TestersViewPanel::enterPanel(const PanelEntry& /*entry*/) {
  knife_->setFocus();
  const double keptReading = scale_.reading(knife_->value());
  reduce();
  const MirrorTest& test = state_.test;
  const bool sameReadings = shown_ && shownReadings_ == test.KeAverage && shownInches_ == test.inInches();
  const double reading =
      sameReadings ? keptReading : test.KeAverage[MiddleZone(test.zones())];
  shown_ = false;
  scale_ = KnifeSliderScale(test);
  knife_->setRange(scale_.minimum, scale_.maximum);
  knife_->setValue(scale_.valueNearest(reading));
  shown_ = true;
  shownReadings_ = test.KeAverage;
  shownInches_ = test.inInches();
  redraw();
}

plot::TesterControls TestersViewPanel::controls() const {
  plot::TesterControls controls;
  controls.settings.pattern = ronchi_->isChecked() ? TesterPattern::Ronchi : TesterPattern::Foucault;
  controls.settings.cutMm = cut_->value() * analysis::kMmPerCutStep;
  controls.settings.slitMm = slit_->value() * analysis::kMmPerCutStep;
  controls.settings.linesPerInch = linesPerInch_->value();
  controls.settings.side = fromLeft_->isChecked() ? EntrySide::Left : EntrySide::Right;
  controls.knifeReading = scale_.reading(knife_->value());
  return controls;
}

void TestersViewPanel::redraw() {
  if (!shown_) return;
  const plot::TesterControls now = controls();
  knifeCaption_->setText(analysis::ScreenText(KnifeReadingText(state_.test, now.knifeReading)));
  cutCaption_->setText(analysis::ScreenText(analysis::MillimetreCaption(cut_->value())));
  slitCaption_->setText(analysis::ScreenText(analysis::MillimetreCaption(slit_->value())));
  linesCaption_->setText(analysis::ScreenText(analysis::LinesPerInchCaption(linesPerInch_->value())));
  view().redraw(bestFitRocMm(), {.tester = now});
}

}  // namespace zonalyst::ui
