#include "SetupPanel.h"

#include "EntryGrid.h"
#include "MaskTemplateButton.h"
#include "core/ConicGeometry.h"
#include "core/Constants.h"
#include "ui/entry/rules/EntryText.h"
#include "ui/entry/rules/HelpTexts.h"
#include "ui/entry/rules/MaskWizard.h"
#include "ui/panel/EntryBoxes.h"
#include "ui/panel/rules/EntryIndex.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QVBoxLayout>

#include <algorithm>

namespace zonalyst::ui {

using namespace entry;
using namespace panel;

namespace {

constexpr const char* kBoxLabels[kFirstZoneBox] = {"Number of Mask Zones", "Mask Entry Type",     "Measurment Units",
                                                   "Light Source Type",    "Radius of Curvature", "Mirror Diameter",
                                                   "Desired Deformation"};

constexpr const char* kZoneHeaders[4] = {"Zone", "Inner   Mask Radius", "Outer    Mask Radius",
                                         "Effective  Mask Radius"};

}  // namespace

SetupPanel::SetupPanel(const PanelContext& context) : test_(context.state.test), prompter_(context.prompter) {
  setObjectName(QStringLiteral("SetupPanel"));
  grid_ = new EntryGrid(
      context.state,
      {.objectName = QStringLiteral("Text1_%1"),
       .count = kSetupBoxCount,
       .editableOnlyWhileFocused = true,
       .isToggle = IsSetupToggle,
       .help = [this](int box) { return SetupHelp(box, innerOuter()); },
       .next = [this](int box, NavKey key) { return NextSetupBox(box, key, test_.zones(), innerOuter()); },
       .filterKey = FilterSetupKey,
       .flip = FlipSetupToggle,
       .commit = CommitSetupBox,
       .text = SetupBoxText},
      this);
  // The computed effective radius is shown, never entered.
  for (int zone = 1; zone <= kMaxZones; ++zone) grid_->box(ZoneBox(zone, 2))->setFocusPolicy(Qt::NoFocus);
  connect(grid_, &EntryGrid::helpChanged, this, &SetupPanel::helpChanged);
  connect(grid_, &EntryGrid::recordChanged, this, &SetupPanel::showSetup);
  wizard_ =
      new QPushButton(QStringLiteral("Couder Mask Zone Wizard (Enter Data on the left first, then click here)"), this);
  wizard_->setObjectName(QStringLiteral("cmd_Zone_Magic"));
  connect(wizard_, &QPushButton::clicked, this, &SetupPanel::runWizard);
  maskTemplate_ = new MaskTemplateButton(context.state, context.prompter, context.settings, this);
  connect(maskTemplate_, &MaskTemplateButton::saved, this, &SetupPanel::helpChanged);
  buildLayout();
}

void SetupPanel::buildLayout() {
  auto* mirror = new QGridLayout;
  for (int box = 0; box < kFirstZoneBox; ++box) {
    mirror->addWidget(new QLabel(QString::fromLatin1(kBoxLabels[box]), this), box, 0);
    mirror->addWidget(grid_->box(box), box, 1);
  }
  // A button caption does not wrap: a label inside the button carries it.
  auto* wizardCaption = new QLabel(wizard_->text(), this);
  wizardCaption->setWordWrap(true);
  wizard_->setAccessibleName(wizard_->text());
  wizardCaption->setAttribute(Qt::WA_TransparentForMouseEvents);
  wizard_->setText(QString());
  auto* wizardLayout = new QVBoxLayout(wizard_);
  wizardLayout->addWidget(wizardCaption);
  wizard_->setMinimumHeight(64);
  mirror->addWidget(wizard_, kFirstZoneBox + 1, 0, 1, 2);
  mirror->addWidget(maskTemplate_, kFirstZoneBox + 2, 0, 1, 2);
  mirror->setRowStretch(kFirstZoneBox + 3, 1);

  auto* zones = new QGridLayout;
  for (int column = 0; column < 4; ++column) {
    zoneHeaders_[column] = new QLabel(QString::fromLatin1(kZoneHeaders[column]), this);
    if (column > 0) {
      zoneHeaders_[column]->setWordWrap(true);
      zoneHeaders_[column]->setMaximumWidth(grid_->box(kFirstZoneBox)->width());
    }
    zoneHeaders_[column]->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
    zones->addWidget(zoneHeaders_[column], 0, column);
  }
  for (int zone = 1; zone <= kMaxZones; ++zone) {
    zoneLabels_[zone] = new QLabel(QString::number(zone), this);
    zoneLabels_[zone]->setAlignment(Qt::AlignCenter);
    zones->addWidget(zoneLabels_[zone], zone, 0);
    for (int column = 0; column < 3; ++column) zones->addWidget(grid_->box(ZoneBox(zone, column)), zone, column + 1);
  }
  zones->setRowStretch(kMaxZones + 1, 1);
  zones->setVerticalSpacing(2);

  auto* panel = new QHBoxLayout(this);
  panel->setContentsMargins(4, 0, 4, 0);
  panel->addLayout(mirror);
  panel->addSpacing(24);
  panel->addLayout(zones);
  panel->addStretch(1);
}

void SetupPanel::enterPanel(const PanelEntry&) {
  focusBox(kZoneCountBox);
  showSetup();
}

void SetupPanel::showSetup() {
  ComputeEffectiveRadii(test_);
  for (int box = 0; box < kFirstZoneBox; ++box) grid_->showText(box);
  const int zoneCount = test_.zones();
  const bool both = innerOuter();
  zoneHeaders_[2]->setVisible(both);
  zoneHeaders_[3]->setVisible(both);
  for (int zone = 1; zone <= kMaxZones; ++zone) {
    const bool shown = zone <= zoneCount;
    zoneLabels_[zone]->setVisible(shown);
    for (int column = 0; column < 3; ++column) {
      grid_->box(ZoneBox(zone, column))->setVisible(shown && (column == 0 || both));
      grid_->showText(ZoneBox(zone, column));
    }
  }
  maskTemplate_->refresh();
}

void SetupPanel::focusBox(int box) { grid_->focus(box); }

void SetupPanel::clearEntryFields() { grid_->clear(); }

void SetupPanel::runWizard() {
  if (wizardBusy_) return;
  const QScopedValueRollback busy(wizardBusy_, true);
  InputRequest question;
  question.prompt = QString::fromLatin1(kObstructionPrompt);
  question.title = QString::fromLatin1(kObstructionTitle);
  question.defaultText = QString::fromLatin1(kObstructionDefault);
  const WizardOutcome outcome = RunMaskWizard(test_, prompter_.input(question), DecimalSeparator());
  if (outcome.kind == WizardOutcome::Kind::Refused) {
    MessageRequest refusal;
    refusal.text = outcome.message;
    refusal.title = outcome.title;
    refusal.icon = MessageIcon::Critical;
    prompter_.message(refusal);
  }
  if (outcome.kind == WizardOutcome::Kind::Applied) showSetup();
}

}  // namespace zonalyst::ui
