#pragma once

#include "ui/panel/PanelId.h"

#include <QWidget>

namespace zonalyst::ui {

// How a panel was entered.
struct PanelEntry {
  Panel previousPanel = Panel::Exit;
  bool closedTest = false;  // load panel: a test was open and has just been saved and closed
};

// The content of one panel frame. The window shows the frame and then calls enterPanel,
// where the panel does what showing it means (draw, put the focus on its first control).
// A panel never holds the window: it talks back through its signals.
class PanelContent : public QWidget {
  Q_OBJECT
 public:
  using QWidget::QWidget;
  virtual void enterPanel(const PanelEntry& entry) { static_cast<void>(entry); }

 signals:
  // The help line's text.
  void helpChanged(const QString& text);
};

}  // namespace zonalyst::ui
