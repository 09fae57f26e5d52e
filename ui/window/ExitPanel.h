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

  enum class Outcome { Waiting, CountedDown, Aborted };
  // The exit sequence: the check box from the setting, the exit button focused, and with
  // auto exit on (unless the panel was already on show) the countdown.
  Outcome runExitSequence(bool autoExit, Panel previousPanel);

  bool exitAborted() const { return exitAborted_; }
  void clearExitAborted() { exitAborted_ = false; }

 signals:
  void exitClicked();
  void abortClicked();
  void autoExitChanged(bool autoExit);

 private:
  void abort();

  QCheckBox* autoExit_;
  QPushButton* exit_;
  QPushButton* abort_;
  bool exitAborted_ = false;
  bool abortBusy_ = false;
};

}  // namespace zonalyst::ui
