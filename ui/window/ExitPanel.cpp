#include "ExitPanel.h"

#include "ExitCountdown.h"
#include "ui/panel/EventPump.h"

#include <QCheckBox>
#include <QPushButton>
#include <QScopedValueRollback>

namespace zonalyst::ui {

ExitPanel::ExitPanel(QWidget* parent)
    : PanelContent(parent),
      autoExit_(new QCheckBox(AutoExitCaption(), this)),
      exit_(new QPushButton(ConfirmExitCaption(), this)),
      abort_(new QPushButton(AbortExitCaption(), this)) {
  autoExit_->setObjectName(QStringLiteral("ChkAuto_Exit"));
  exit_->setObjectName(QStringLiteral("chkExit"));
  abort_->setObjectName(QStringLiteral("chkAbort"));
  exit_->setCheckable(true);
  abort_->setCheckable(true);
  // Enter presses the focused button, as Space does.
  exit_->setAutoDefault(true);
  abort_->setAutoDefault(true);
  autoExit_->setGeometry(234, 120, 300, 24);
  exit_->setGeometry(284, 170, 200, 48);
  abort_->setGeometry(284, 240, 200, 48);
  abort_->hide();
  connect(autoExit_, &QCheckBox::clicked, this, &ExitPanel::autoExitChanged);
  connect(exit_, &QPushButton::clicked, this, [this] {
    exit_->setChecked(false);
    emit exitClicked();
  });
  connect(abort_, &QPushButton::clicked, this, &ExitPanel::abort);
}

void ExitPanel::runExitSequence(bool autoExit, Panel previousPanel) {
  emit helpChanged(ExitPanelHelp());
  autoExit_->setChecked(autoExit);
  abort_->hide();
  exit_->setText(ConfirmExitCaption());
  exit_->setFocus();
  outcome_ = Outcome::Waiting;
  if (!autoExit || previousPanel == Panel::Exit) return;

  abort_->setChecked(false);
  abort_->show();
  abort_->setFocus();
  for (int step = 1; step <= kCountdownSteps; ++step) {
    PauseThenLetEventsRun(kCountdownStepMs);
    exit_->setText(CountdownCaption(step));
    if (outcome_ == Outcome::Aborted) break;
  }
  if (outcome_ != Outcome::Aborted) {
    outcome_ = Outcome::CountedDown;
    return;
  }
  exit_->setText(ClickToExitCaption());
}

void ExitPanel::abort() {
  if (abortBusy_) return;
  const QScopedValueRollback busy(abortBusy_, true);
  outcome_ = Outcome::Aborted;
  LetEventsRun();
  abort_->setChecked(false);
  exit_->setText(ClickToExitCaption());
}

}  // namespace zonalyst::ui
