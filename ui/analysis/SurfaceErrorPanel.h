#pragma once

#include "McExplainDialog.h"
#include "OffsetPanel.h"
#include "PreviousTest.h"
#include "platform/Clipboard.h"
#include "plot/MonteCarloCharts.h"
#include "ui/panel/WorkerRun.h"

#include <QPointer>

class QCheckBox;
class QPushButton;

namespace zonalyst::ui {

// The surface error: the reference slider HScroll1(0) with its captions
// Offset(0) and Offset(1), and the buttons Command1 "Find Best Fit Conic Constant" and
// Command3 "Run Monte Carlo Analysis", cmdAstigmatism "Astigmatism..." (the dialog of tests
// at several orientations of the mirror), and the check box chkPreviousTest "Show previous
// test", which draws the test written before the open one faintly behind it, named in a legend.
class SurfaceErrorPanel final : public OffsetPanel {
  Q_OBJECT
 public:
  SurfaceErrorPanel(const PanelContext& context, const AnalysisLayout& layout);

  QPushButton* conicButton() const { return conicButton_; }
  QPushButton* monteCarloButton() const { return monteCarloButton_; }

  void enterPanel(const PanelEntry& entry) override;
  // The explanation window of the last run while it is open.
  McExplainDialog* explanation() const { return explanation_; }
  // Ranges of the last drawing of the Monte Carlo charts.
  const plot::MonteCarloChartRanges& lastRanges() const { return ranges_; }
  int lastTrials() const { return trials_; }

  // Command1: steps the desired conic constant to the best fit on a worker, the panel
  // drawn for the constant reached as it goes; a second click or Esc stops it. Asks
  // whether to keep the constant found.
  void findBestFitConic();
  // Command3: asks for the scatter (MC_Setup) and runs the trials on a worker with the
  // button red and blinking, both charts and the results following the trials made; a
  // second press aborts.
  void runMonteCarlo();
  // cmdAstigmatism: the astigmatism dialog on the open test's folder.
  void showAstigmatism();

 protected:
  void drawBestFit() override;
  void drawAt(double offsetMm) override;

 private:
  void drawMonteCarloCharts(const plot::MonteCarloChartData& data);
  void finishMonteCarlo(const std::string& rawData, int failedTrials);
  void showPreviousTest();
  const plot::EarlierTest* previousTest();

  QPushButton* conicButton_;
  QPushButton* monteCarloButton_;
  QPushButton* astigmatismButton_ = nullptr;
  QCheckBox* previousBox_ = nullptr;
  PreviousTest previousTest_;
  QPointer<McExplainDialog> explanation_;
  plot::MonteCarloChartRanges ranges_;
  int trials_ = 0;
  WorkerRun worker_;  // the Monte Carlo trials or the best-fit conic search
  bool searching_ = false;
};

}  // namespace zonalyst::ui
