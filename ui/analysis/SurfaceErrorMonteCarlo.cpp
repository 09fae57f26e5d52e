// The Monte Carlo run of the surface error panel (Command3).
#include <QPushButton>

#include "ui/panel/EventPump.h"
#include "McSetupDialog.h"
#include "SurfaceErrorPanel.h"
#include "core/MonteCarlo.h"
#include "core/MonteCarloExplanation.h"
#include "plot/MonteCarloCharts.h"

namespace zonalyst::ui {
namespace {

constexpr int kChartEvery = 100;
const char* const kRunCaption = "Run Monte Carlo Analysis";
const char* const kAbortCaption = "Press to Abort MC Analysis!";
const char* const kRed = "background-color: rgb(255, 0, 0);";

}  // namespace

void SurfaceErrorPanel::runMonteCarlo() {
  MirrorTest& test = state_.test;
  if (test.MonteCarloRunning) {
    test.MonteCarloAbort = true;
    return;
  }
  if (searching_) return;

  // The scatter of the user's own readings, offered in the set-up dialog.
  MonteCarloValues& shared = state_.monteCarlo;
  const ReadingScatter scatter = CalculateReadingScatter(test);
  shared.zoneStdDev = scatter.sd;
  shared.meanStdDev = scatter.meanSd;
  shared.zoneCount = test.ZoneCount;
  shared.radiusOfCurvature = test.Roc;
  {
    McSetupDialog setup(shared, state_.settings, context_.settings, context_.prompter, window());
    setup.exec();
  }
  if (shared.cancelled) return;

  const ZoneValues sd = shared.zoneStdDev;
  shared.meanStdDev = MeanOverZones(sd, test.ZoneCount);
  const QString restingStyle = monteCarloButton_->styleSheet();
  monteCarloButton_->setStyleSheet(QString::fromLatin1(kRed));
  monteCarloButton_->setText(QString::fromLatin1(kAbortCaption));
  ranges_ = {};
  bool red = true;

  MonteCarloRun run(test, view().analysis(), sd, shared.meanStdDev);
  while (!run.done()) {
    run.runTrial(state_.random);
    LetEventsRun();
    // The result labels follow the trials with the charts: repainting them after every
    // trial would take most of the run's time.
    if (run.trials() % kChartEvery == 0) {
      view().showResults();
      red = !red;
      monteCarloButton_->setStyleSheet(red ? QString::fromLatin1(kRed) : restingStyle);
      const plot::MonteCarloChartData data = plot::MonteCarloChartData::Of(run, test.inInches());
      view().paint([&](plot::PictureSurface& s) { ranges_ = plot::DrawMonteCarloCharts(s, data); });
    }
  }
  trials_ = run.trials();
  // Back to the nominal averages, their best-fit radius, results and captions; the
  // charts stay on the picture.
  run.finish();
  refreshBestFit();
  monteCarloButton_->setStyleSheet(restingStyle);
  monteCarloButton_->setText(QString::fromLatin1(kRunCaption));
  finishMonteCarlo(McRawData(run.strehlHistogram(), run.rmsHistogram()), run.failedTrials());
}

void SurfaceErrorPanel::finishMonteCarlo(const std::string& rawData, int failedTrials) {
  state_.monteCarlo.rawData = rawData;
  if (state_.settings.showMcDialog) return;
  if (explanation_) explanation_->close();
  explanation_ = new McExplainDialog(ExplainMonteCarlo(ranges_.strehl, ranges_.rms, failedTrials, trials_), rawData,
                                     context_.clipboard, state_.settings, context_.settings, window());
  explanation_->show();
}

}  // namespace zonalyst::ui
