#include "TestersViewPanel.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <cmath>

#include "PanelSlider.h"
#include "core/RonchiBands.h"
#include "core/TesterControls.h"
#include "ui/analysis/rules/LocalisedText.h"
#include "ui/analysis/rules/TesterRules.h"

namespace zonalyst::ui {

TestersViewPanel::TestersViewPanel(const PanelContext& context, const AnalysisLayout& layout)
    : AnalysisPanel(context, layout) {
  QHBoxLayout* row = addRow();
  const LabelledSlider knife = addSlider(row, QStringLiteral("Knife Position"), QStringLiteral("ScrlKnife"),
                                         {0, 0, 0, analysis::kKnifeLargeChange}, &analysis::KnifeHelp);
  knife_ = knife.slider;
  knife_->setFixedWidth(300);
  knifeCaption_ = knife.caption;

  row = addRow();
  cut_ = addSlider(row, QStringLiteral("Cut"), QStringLiteral("ScrlCut"), lengths_.cut, &analysis::CutHelp);
  slit_ = addSlider(row, QStringLiteral("Slit"), QStringLiteral("ScrlSlit"), lengths_.slit, &analysis::SlitHelp);

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
  linesPerInch_.setEnabled(false);

  for (QScrollBar* slider : {knife_, cut_.slider, slit_.slider}) {
    connect(slider, &QScrollBar::valueChanged, this, [this] { redraw(); });
  }
  // The grating's span of the knife depends on its lines.
  connect(linesPerInch_.slider, &QScrollBar::valueChanged, this, [this] { placeKnife(knifeReading()); });
  connect(ronchi_, &QRadioButton::toggled, this, [this] {
    usePattern();
    placeKnife(knifeReading());
  });
  connect(fromLeft_, &QCheckBox::toggled, this, [this] { redraw(); });
}

void TestersViewPanel::LabelledSlider::setEnabled(bool enabled) const {
  for (QWidget* part : {static_cast<QWidget*>(heading), static_cast<QWidget*>(slider), static_cast<QWidget*>(caption)}) {
    part->setEnabled(enabled);
  }
}

TestersViewPanel::LabelledSlider TestersViewPanel::addSlider(QHBoxLayout* row, const QString& heading,
                                                             const QString& name, const analysis::SliderRange& range,
                                                             std::string (*help)()) {
  auto* label = new QLabel(heading, this);
  row->addWidget(label);
  QScrollBar* slider = MakePanelSlider(name, range, this, [this, help] { setHelp(help()); });
  slider->setFixedWidth(150);
  row->addWidget(slider);
  return {label, slider, addCaption(row, QStringLiteral("Lbl") + name.mid(4))};
}

void TestersViewPanel::enterPanel(const PanelEntry& /*entry*/) {
  knife_->setFocus();
  const double keptReading = knifeReading();
  reduce();
  const MirrorTest& test = state_.test;
  const bool sameReadings = shown_ && shownReadings_ == test.KeAverage && shownInches_ == test.inInches();
  if (!shown_ || shownInches_ != test.inInches()) useLengthUnits(test.inInches());
  shown_ = true;
  shownReadings_ = test.KeAverage;
  shownInches_ = test.inInches();
  placeKnife(sameReadings ? keptReading : test.KeAverage[MiddleZone(test.zones())]);
}

TesterPattern TestersViewPanel::pattern() const {
  return ronchi_->isChecked() ? TesterPattern::Ronchi : TesterPattern::Foucault;
}

double TestersViewPanel::knifeReading() const { return scale_.reading(knife_->value()); }

void TestersViewPanel::useLengthUnits(bool inches) {
  const analysis::TesterLengthSliders now = analysis::LengthSlidersFor(inches);
  // The lengths set stay as they were; at first they are the usual ones in the test's units.
  const auto place = [&](QScrollBar* slider, const analysis::SliderRange& range, int usual) {
    const QSignalBlocker quiet(slider);
    const auto kept = static_cast<int>(std::lround(slider->value() * lengths_.mmPerStep / now.mmPerStep));
    slider->setRange(range.min, range.max);
    slider->setValue(shown_ ? kept : usual);
  };
  place(cut_.slider, now.cut, analysis::CutPositionFor(pattern(), now));
  place(slit_.slider, now.slit, now.slit.initial);
  lengths_ = now;
}

void TestersViewPanel::usePattern() {
  const QSignalBlocker quiet(cut_.slider);
  cut_.slider->setValue(analysis::CutPositionFor(pattern(), lengths_));
  cut_.heading->setText(QString::fromLatin1(analysis::CutHeading(pattern())));
  slit_.setEnabled(pattern() == TesterPattern::Foucault);
  linesPerInch_.setEnabled(pattern() == TesterPattern::Ronchi);
}

void TestersViewPanel::placeKnife(double reading) {
  if (!shown_) return;
  const MirrorTest& test = state_.test;
  scale_ = pattern() == TesterPattern::Ronchi
               ? RonchiKnifeScale(test, view().analysis().profile(), bestFitRocMm(), linesPerInch_.slider->value())
               : KnifeSliderScale(test);
  {
    const QSignalBlocker quiet(knife_);
    knife_->setRange(scale_.minimum, scale_.maximum);
    knife_->setValue(scale_.valueNearest(reading));
  }
  redraw();
}

plot::TesterControls TestersViewPanel::controls() const {
  plot::TesterControls controls;
  controls.settings.pattern = pattern();
  controls.settings.cutMm = cut_.slider->value() * lengths_.mmPerStep;
  controls.settings.slitMm = slit_.slider->value() * lengths_.mmPerStep;
  controls.settings.linesPerInch = linesPerInch_.slider->value();
  controls.settings.side = fromLeft_->isChecked() ? EntrySide::Left : EntrySide::Right;
  controls.knifeReading = knifeReading();
  return controls;
}

void TestersViewPanel::redraw() {
  if (!shown_) return;
  const plot::TesterControls now = controls();
  const MirrorTest& test = state_.test;
  knifeCaption_->setText(analysis::ScreenText(KnifeReadingText(test, now.knifeReading)));
  cut_.caption->setText(analysis::ScreenText(TesterLengthText(test, now.settings.cutMm)));
  slit_.caption->setText(analysis::ScreenText(TesterLengthText(test, now.settings.slitMm)));
  linesPerInch_.caption->setText(analysis::ScreenText(analysis::LinesPerInchCaption(linesPerInch_.slider->value())));
  view().redraw(bestFitRocMm(), {.tester = now});
}

}  // namespace zonalyst::ui
