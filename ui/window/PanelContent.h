#pragma once

#include <QWidget>

namespace zonalyst::ui {

// How a panel was entered.
struct PanelEntry {
  int previousPanel = 0;
  bool closedTest = false;  // load panel: a test was open and has just been saved and closed
};

// The content of one panel frame. The window shows the frame and then calls enterPanel,
// where the panel does what showing it means (draw, put the focus on its first control).
class PanelContent : public QWidget {
  Q_OBJECT
 public:
  using QWidget::QWidget;
  virtual void enterPanel(const PanelEntry& entry) { static_cast<void>(entry); }
};

}  // namespace zonalyst::ui
