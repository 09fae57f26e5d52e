#pragma once

#include "ui/panel/PanelContent.h"

class QCheckBox;
class QPushButton;

namespace zonalyst::ui {

// The exit panel: the auto-exit choice, the exit button and, during the half-second countdown,
// the ABORT button.
class ExitPanel final : public PanelContent {
  Q_OBJECT
 public:
  explicit ExitPanel(QWidget* parent = nullptr);

  // How the last exit sequence ended: without a countdown the exit button decides.
  enum class Outcome { Waiting, CountedDown, Aborted };
  // The exit sequence: the check box from the setting, the exit button focused, and with
  // auto exit on (unless the panel was already on show) the countdown.
  void runExitSequence(bool autoExit, Panel previousPanel);
  Outcome outcome() const { return outcome_; }

 signals:
  void exitClicked();
  void autoExitChanged(bool autoExit);

 private:
  void abort();

  QCheckBox* autoExit_;
  QPushButton* exit_;
  QPushButton* abort_;
  Outcome outcome_ = Outcome::Waiting;
  bool abortBusy_ = false;  // held by abort() while it runs: a second abort meanwhile is dropped
};

}  // namespace zonalyst::ui
