#include "TestersViewPanel.h"

#include "PanelSlider.h"
#include "core/DiscCrop.h"
#include "core/NumberText.h"
#include "core/RonchiBands.h"
#include "core/TesterControls.h"
#include "photo/PreparedSeries.h"
#include "ui/analysis/rules/LocalisedText.h"
#include "ui/analysis/rules/TesterRules.h"
#include "ui/panel/EntryBoxes.h"
#include "ui/panel/WorkerRun.h"
#include "ui/panel/rules/KnifePositionText.h"
#include "ui/prompt/ChoosePhotos.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>

#include <cmath>

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
  compare_ = new QPushButton(QStringLiteral("Compare with P&hoto..."), this);
  compare_->setObjectName(QStringLiteral("cmdComparePhoto"));
  row->addWidget(compare_);
  showPhoto_ = new QCheckBox(QStringLiteral("Photo"), this);
  showPhoto_->setObjectName(QStringLiteral("chkPhoto"));
  showPhoto_->setEnabled(false);
  row->addWidget(showPhoto_);
  connect(compare_, &QPushButton::clicked, this, &TestersViewPanel::compareWithPhoto);
  connect(showPhoto_, &QCheckBox::toggled, this, [this] { redraw(); });

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
  for (QWidget* part :
       {static_cast<QWidget*>(heading), static_cast<QWidget*>(slider), static_cast<QWidget*>(caption)}) {
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
  const double start = showPhoto_->isChecked() ? photoReading_ : test.KeAverage[MiddleZone(test.zones())];
  placeKnife(sameReadings ? keptReading : start);
}

void TestersViewPanel::compareWithPhoto() {
  const QString title = QStringLiteral("Compare with Photo");
  const QStringList paths = ChoosePhotos(context_.prompter, context_.settings, title, state_.folder, false);
  if (paths.isEmpty()) return;
  const QString name = QFileInfo(paths.front()).fileName();
  const QChar separator = DecimalSeparator().front();
  const MirrorTest& test = state_.test;
  const QString unit = test.inInches() ? QStringLiteral("inch") : QStringLiteral("mm");
  const auto tell = [&](const QString& text) {
    MessageRequest report;
    report.text = text;
    report.title = title;
    report.icon = MessageIcon::Exclamation;
    context_.prompter.message(report);
  };
  InputRequest ask;
  ask.prompt = QStringLiteral("Knife position of %1 (%2):").arg(name, unit);
  ask.title = title;
  ask.defaultText = panel::PositionText(KnifePositionInName(name.toStdString()), separator);
  const QString typed = context_.prompter.input(ask);
  if (typed.isEmpty()) return;
  const std::optional<double> reading = panel::ReadPosition(typed, separator);
  if (!reading) return tell(QStringLiteral("\"%1\" is not a knife position.").arg(typed));
  // Decoded off the window's thread, which goes on drawing; the button waits meanwhile.
  compare_->setEnabled(false);
  photo::PreparedSeries one;
  WorkerRun decoding;
  decoding.run([&one, files = PhotoPaths(paths), copy = test] { one = photo::PrepareSeries(files, copy); }, [] {});
  compare_->setEnabled(true);
  if (!one.error.empty()) return tell(QString::fromStdString(one.error));
  // The disc the user settled on for photos of this size, else the one found on this photo.
  const GreyFrame& frame = one.frames.front();
  const std::optional<SeriesDisc>& series = state_.photoDisc;
  const std::optional<PhotoDisc> disc =
      series && series->width == frame.width && series->height == frame.height ? series->disc : one.disc;
  if (!disc) return tell(QStringLiteral("No disc stands out from the background in %1.").arg(name));
  photo_.image = plot::GreyPixels(DiscCrop(frame, *disc, plot::kTesterViewSide));
  photo_.caption = "Photo at " + KnifeReadingText(*reading, test.inInches()) + " " + unit.toStdString();
  photoReading_ = *reading;
  {
    const QSignalBlocker quiet(showPhoto_);
    showPhoto_->setEnabled(true);
    showPhoto_->setChecked(true);
  }
  placeKnife(*reading);
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
  view().redraw(bestFitRocMm(), {.tester = now, .testerPhoto = showPhoto_->isChecked() ? &photo_ : nullptr});
}

}  // namespace zonalyst::ui
