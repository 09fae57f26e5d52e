#include "McSetupDialog.h"

#include "ui/analysis/rules/LocalisedText.h"
#include "ui/analysis/rules/McSetupRules.h"
#include "ui/panel/EntryBoxes.h"

#include <QApplication>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace zonalyst::ui {
namespace {

QString StdDevShown(double value) {
  return analysis::LocalisedNumbersIn(analysis::StdDevText(value), DecimalSeparatorChar());
}

void ShowBoxFocus(QLineEdit* box, bool focused) {
  QPalette palette = box->palette();
  palette.setColor(QPalette::Base, focused ? QColor(0, 0, 255) : QColor(Qt::black));
  palette.setColor(QPalette::Text, Qt::white);
  box->setPalette(palette);
}

QLabel* ValueLabel(const QString& objectName, QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setObjectName(objectName);
  label->setFrameShape(QFrame::Panel);
  label->setFrameShadow(QFrame::Sunken);
  label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  return label;
}

}  // namespace

McSetupDialog::McSetupDialog(MonteCarloValues& values, platform::Settings& settings, platform::SettingsStore& store,
                             Prompter& prompter, QWidget* parent)
    : QDialog(parent), values_(values), settings_(settings), store_(store), prompter_(prompter) {
  setObjectName(QStringLiteral("MC_Setup"));
  setWindowTitle(QStringLiteral("Monte Carlo Setup"));
  setModal(true);
  values_.cancelled = true;

  // Left: one row per zone under the buttons that fill the manual column from theirs.
  auto* zones = new QGroupBox(QStringLiteral("Standard Deviation (n-1) for each zone (see note!)"), this);
  auto* grid = new QGridLayout(zones);
  grid->setVerticalSpacing(2);
  auto* useCalculated = new QPushButton(QStringLiteral("Use Calculated value"), zones);
  useCalculated->setObjectName(QStringLiteral("Command2_1"));
  auto* useLast = new QPushButton(QStringLiteral("Use Last Entered Data"), zones);
  useLast->setObjectName(QStringLiteral("Command2_0"));
  grid->addWidget(useCalculated, 0, 1);
  grid->addWidget(useLast, 0, 2);
  grid->addWidget(new QLabel(QStringLiteral("Manual entry"), zones), 0, 3, Qt::AlignCenter);
  for (int k = 0; k < kRows; ++k) {
    auto* number = new QLabel(QStringLiteral("Std Dev Zone %1").arg(k + 1), zones);
    number->setObjectName(QStringLiteral("lblzonenum_%1").arg(k));
    calc_[k] = ValueLabel(QStringLiteral("lblCalc_%1").arg(k), zones);
    calc_[k]->setText(StdDevShown(values_.zoneStdDev[k + 1]));
    last_[k] = ValueLabel(QStringLiteral("lbLast_%1").arg(k), zones);
    last_[k]->setText(StdDevShown(values_.lastStdDev[k + 1]));
    manual_[k].edit = makeBox(QStringLiteral("txtMan_%1").arg(k));
    fill(manual_[k], values_.zoneStdDev[k + 1]);
    const bool shown = k < values_.zoneCount;
    for (QWidget* w : {static_cast<QWidget*>(number), static_cast<QWidget*>(calc_[k]), static_cast<QWidget*>(last_[k]),
                       static_cast<QWidget*>(manual_[k].edit)}) {
      w->setVisible(shown);
    }
    grid->addWidget(number, k + 1, 0);
    grid->addWidget(calc_[k], k + 1, 1);
    grid->addWidget(last_[k], k + 1, 2);
    grid->addWidget(manual_[k].edit, k + 1, 3);
  }
  // Rows of hidden zones take no room: the space left over goes below the last zone.
  grid->setRowStretch(kRows + 1, 1);
  connect(useCalculated, &QPushButton::clicked, this, [this] { fillZones(values_.zoneStdDev); });
  connect(useLast, &QPushButton::clicked, this, [this] { fillZones(values_.lastStdDev); });

  // Right: the three means, each with a button that copies it into every zone.
  auto* meanFrame = new QGroupBox(QStringLiteral("Mean Standard Deviation (n-1) for all zones (see note!)"), this);
  auto* meanLayout = new QVBoxLayout(meanFrame);
  auto* aveDev = new QLabel(QStringLiteral("Zonalyst calculated that the mean standard deviation for you data entry "
                                           "\n(see note) and entered it below"),
                            meanFrame);
  aveDev->setObjectName(QStringLiteral("LblKEAveDev"));
  aveDev->setWordWrap(true);  // the column is as wide as its title, not as this long line
  meanLayout->addWidget(aveDev);
  const std::array<const char*, 3> meanTitles = {"Calculated", "Manual entry", "Last Entry"};
  const std::array<double, 3> meanValues = {values_.meanStdDev, values_.meanStdDev, values_.lastMeanStdDev};
  for (int i = 0; i < 3; ++i) {
    auto* sub = new QGroupBox(QString::fromLatin1(meanTitles[i]), meanFrame);
    auto* row = new QHBoxLayout(sub);
    means_[i].edit = makeBox(QStringLiteral("Text1_%1").arg(i));
    fill(means_[i], meanValues[i]);
    auto* useForAll = new QPushButton(QStringLiteral("Use for All Zones"), sub);
    useForAll->setAutoDefault(false);
    useForAll->setObjectName(QStringLiteral("Command1_%1").arg(i));
    connect(useForAll, &QPushButton::clicked, this, [this, i] { useForAllZones(i); });
    row->addWidget(means_[i].edit);
    row->addWidget(useForAll);
    meanLayout->addWidget(sub);
  }
  auto* noteFrame = new QGroupBox(QStringLiteral("Note"), meanFrame);
  auto* noteLayout = new QVBoxLayout(noteFrame);
  auto* note = new QLabel(QStringLiteral("If only a single set of KE readings were entered\n"
                                         "a default value of .005\" (.127mm) is assumed"),
                          noteFrame);
  note->setObjectName(QStringLiteral("lblNote"));
  noteLayout->addWidget(note);
  meanLayout->addWidget(noteFrame);
  meanLayout->addStretch(1);
  displayAfter_ =
      new QCheckBox(QStringLiteral("Display Monte Carlo Explanation Dialog after complete analysis?"), this);
  displayAfter_->setObjectName(QStringLiteral("ChkDisplayafter"));
  displayAfter_->setChecked(!settings_.showMcDialog);
  connect(displayAfter_, &QCheckBox::clicked, this, [this](bool checked) {
    settings_.showMcDialog = !checked;
    platform::WriteShowMcDialog(store_, settings_.showMcDialog);
  });
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(displayAfter_);
  buttons->addStretch(1);
  auto* goButton = new QPushButton(QStringLiteral("GO"), this);
  goButton->setObjectName(QStringLiteral("Command2_2"));
  auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
  cancel->setObjectName(QStringLiteral("Command3"));
  for (QPushButton* b : {goButton, cancel}) b->setAutoDefault(false);
  for (QPushButton* b : {useCalculated, useLast}) b->setAutoDefault(false);
  connect(goButton, &QPushButton::clicked, this, &McSetupDialog::go);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  buttons->addWidget(goButton);
  buttons->addWidget(cancel);

  // The check box and GO span both frames below them: the dialog stays narrower than the
  // main window.
  auto* frames = new QHBoxLayout;
  frames->addWidget(zones);
  frames->addWidget(meanFrame);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(frames);
  layout->addLayout(buttons);
  if (values_.zoneCount > 0) manual_[0].edit->setFocus();
}

QLineEdit* McSetupDialog::makeBox(const QString& objectName) {
  auto* box = new QLineEdit(this);
  box->setObjectName(objectName);
  box->setFixedWidth(90);
  box->setAlignment(Qt::AlignRight);
  box->installEventFilter(this);
  ShowBoxFocus(box, false);
  return box;
}

void McSetupDialog::fill(ValueBox& box, double value) {
  box.filledWith = value;
  box.edit->setText(StdDevShown(value));
}

double McSetupDialog::held(const ValueBox& box) const {
  return analysis::HeldValue(box.edit->text(), box.filledWith, DecimalSeparatorChar());
}

ZoneValues McSetupDialog::zoneValues() const {
  ZoneValues values{};
  for (int k = 0; k < kRows; ++k) values[k + 1] = held(manual_[k]);
  return values;
}

void McSetupDialog::fillZones(const ZoneValues& values) {
  for (int k = 0; k < kRows; ++k) fill(manual_[k], values[k + 1]);
  showManualMean();
}

void McSetupDialog::useForAllZones(int meanBox) {
  const double value = held(means_[meanBox]);
  for (int k = 0; k < values_.zoneCount && k < kRows; ++k) fill(manual_[k], value);
  showManualMean();
}

void McSetupDialog::showManualMean() {
  // The mean that the run's chart title states, from the same values: both show the same digits.
  fill(means_[1], MeanOverZones(zoneValues(), values_.zoneCount));
}

void McSetupDialog::go() {
  const ZoneValues sd = zoneValues();
  const auto refuse = [&](const QString& text, int row) {
    MessageRequest refusal;
    refusal.title = windowTitle();
    refusal.text = text;
    refusal.icon = MessageIcon::Exclamation;
    prompter_.message(refusal);
    manual_[row].edit->setFocus();
  };
  if (const auto zone = analysis::ZoneBeyondRadius(sd, values_.zoneCount, values_.radiusOfCurvature)) {
    return refuse(
        analysis::LocalisedText(analysis::ZoneBeyondRadiusMessage(*zone, sd[*zone], values_.radiusOfCurvature)),
        *zone - 1);
  }
  if (analysis::NoZoneScatters(sd, values_.zoneCount)) {
    MessageRequest warning;
    warning.title = windowTitle();
    warning.text = QString::fromLatin1(analysis::kNoZoneScatters);
    warning.icon = MessageIcon::Exclamation;
    warning.buttons = MessageButtons::YesNo;
    warning.defaultButton = MessageAnswer::No;
    if (prompter_.message(warning) != MessageAnswer::Yes) return manual_[0].edit->setFocus();
  }
  values_.zoneStdDev = sd;
  values_.lastStdDev = sd;
  values_.lastMeanStdDev = held(means_[1]);
  values_.cancelled = false;
  accept();
}

void McSetupDialog::commitZoneBox(int row) {
  ValueBox& box = manual_[row];
  const double value = held(box);
  // A typed number becomes the value that its box shows once reformatted to "0.0000".
  fill(box, value == box.filledWith ? value : analysis::ReadTypedNumber(StdDevShown(value), DecimalSeparatorChar()));
  showManualMean();
}

int McSetupDialog::rowOf(const QObject* box) const {
  for (int k = 0; k < kRows; ++k) {
    if (manual_[k].edit == box) return k;
  }
  return -1;
}

bool McSetupDialog::handleKey(QLineEdit* box, QKeyEvent* key) {
  const int row = rowOf(box);
  if (row >= 0 && key->modifiers() == Qt::NoModifier) {
    int direction = 0;
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter || key->key() == Qt::Key_Down) direction = 1;
    if (key->key() == Qt::Key_Up) direction = -1;
    if (direction != 0) {
      manual_[analysis::NextZoneRow(row, direction, values_.zoneCount)].edit->setFocus(Qt::TabFocusReason);
      return true;
    }
  }
  if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) return true;
  const std::optional<QChar> typed = TypedCharOf(*key);
  if (!typed) return false;
  switch (analysis::FilterStdDevKey(*typed, EditStateOf(*box), DecimalSeparator())) {
    case panel::KeyVerdict::Accept:
      return false;
    case panel::KeyVerdict::Refuse:
      QApplication::beep();
      return true;
    default:
      return true;
  }
}

bool McSetupDialog::eventFilter(QObject* watched, QEvent* event) {
  auto* box = qobject_cast<QLineEdit*>(watched);
  if (box == nullptr) return QDialog::eventFilter(watched, event);
  switch (event->type()) {
    case QEvent::FocusIn:
      ShowBoxFocus(box, true);
      SelectAllOnFocus(box, static_cast<QFocusEvent*>(event)->reason() == Qt::MouseFocusReason);
      break;
    case QEvent::FocusOut:
      ShowBoxFocus(box, false);
      if (const int row = rowOf(box); row >= 0) commitZoneBox(row);
      break;
    case QEvent::KeyPress:
      return handleKey(box, static_cast<QKeyEvent*>(event));
    default:
      break;
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace zonalyst::ui
