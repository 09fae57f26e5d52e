#pragma once

#include "AnalysisView.h"
#include "core/SurfaceAnalysis.h"
#include "plot/SavedPicture.h"
#include "ui/panel/PanelContent.h"
#include "ui/panel/PanelContext.h"

#include <QString>

class QHBoxLayout;
class QLabel;
class QScrollBar;
class QVBoxLayout;

namespace zonalyst::ui {

// An analysis panel (surface error, Millies-Lacroix, transverse error, spot diffraction,
// star test, tester's view): its picture and result labels, the controls laid out below
// them, and the first steps of every panel's driver.
class AnalysisPanel : public PanelContent {
  Q_OBJECT
 public:
  AnalysisPanel(const PanelContext& context, const AnalysisLayout& layout);

  AnalysisView& view() { return *view_; }
  // This panel's slider of the array HScroll1 (none on the tester's view) and its part of
  // the array's common handler.
  virtual QScrollBar* referenceSlider() const { return nullptr; }
  virtual void referenceSliderMoved() {}
  // What F9 saves of this panel: its frame as shown, with the test's report below.
  virtual plot::SavedPicture savedPicture();
  // Without readings the panel draws nothing: it says that none have been entered yet and
  // points to F3, on the panel and on the help line.
  void showReadingsMissing(bool missing);
  // Whether the panel shows the test's figures, as F9 saves them: not without readings.
  bool showsFigures() const { return !readingsMissing_; }

 protected:
  // Averages (unless a Monte Carlo run supplies the averages), reduces and finds the
  // best-fit radius, which the panel keeps for its pictures and its report.
  BestFit reduce();
  // The best-fit radius of the last reduction, mm.
  double bestFitRocMm() const { return bestFitRocMm_; }
  // A caption label named name, in a row of the controls.
  QLabel* addCaption(QHBoxLayout* row, const QString& name, int stretch = 1);
  QHBoxLayout* addRow();
  void setHelp(const std::string& text);

  PanelContext context_;
  AppState& state_;

 private:
  AnalysisView* view_;
  QWidget* controlsBox_;  // the rows of controls below the picture
  QVBoxLayout* controls_;
  QLabel* noReadings_;
  bool readingsMissing_ = false;
  double bestFitRocMm_ = 0.0;
};

}  // namespace zonalyst::ui
