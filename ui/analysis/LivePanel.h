#pragma once

#include <QString>

#include "AnalysisPanel.h"
#include "ui/window/PanelContent.h"
#include "core/SurfaceAnalysis.h"

class QHBoxLayout;
class QLabel;
class QVBoxLayout;

namespace zonalyst::ui {

class MainWindow;

// What the five analysis panel drivers share: the window's picture and result labels of
// their panel, the controls laid out below it, and the first steps of every driver.
class LivePanel : public PanelContent {
  Q_OBJECT
 public:
  LivePanel(MainWindow& window, plot::Panel panel);

  AnalysisPanel& view() { return *view_; }
  // Part of the common handler of the slider array HScroll1 for this panel's slider.
  virtual void referenceSliderMoved() {}

 protected:
  // Averages (unless a Monte Carlo run supplies the averages), reduces and finds the
  // best-fit radius.
  BestFit reduce();
  // A caption label named name, in a row of the controls.
  QLabel* addCaption(QHBoxLayout* row, const QString& name, int stretch = 1);
  QHBoxLayout* addRow();
  void setHelp(const std::string& text);

  MainWindow& window_;
  AppState& state_;

 private:
  AnalysisPanel* view_;
  QVBoxLayout* controls_;
};

}  // namespace zonalyst::ui
