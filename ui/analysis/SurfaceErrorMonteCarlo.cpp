// The Monte Carlo run of the surface error panel (Command3).
#include "McSetupDialog.h"
#include "MonteCarloTrials.h"
#include "SurfaceErrorPanel.h"
#include "core/MonteCarlo.h"
#include "core/MonteCarloExplanation.h"
#include "plot/MonteCarloCharts.h"

#include <QPushButton>

namespace zonalyst::ui {
namespace {

// The button changes colour about four times a second.
constexpr int kTicksPerBlink = 250 / WorkerRun::kTickMs;
const char* const kRunCaption = "Run Monte Carlo Analysis";
const char* const kAbortCaption = "Press to Abort MC Analysis!";
const char* const kRed = "background-color: rgb(255, 0, 0);";

// The window's test is marked as in a run, so that the window refuses to switch panels or
// tests, for as long as the run lasts, however it ends.
class RunningMark {
 public:
  explicit RunningMark(MirrorTest& test) : test_(test) { test_.MonteCarloRunning = true; }
  RunningMark(const RunningMark&) = delete;
  RunningMark& operator=(const RunningMark&) = delete;
  ~RunningMark() {
    test_.MonteCarloRunning = false;
    test_.MonteCarloAbort = false;
  }

 private:
  MirrorTest& test_;
};

}  // namespace

void SurfaceErrorPanel::runMonteCarlo() {
  MirrorTest& test = state_.test;
  if (test.MonteCarloRunning) {
    worker_.requestStop();
    return;
  }
  if (worker_.running()) return;

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

  // The trials run on the worker; the event loop shows how far they have got.
  MonteCarloTrials trials(test, view().analysis(), sd, shared.meanStdDev, state_.random);
  {
    const RunningMark running(test);
    int ticks = 0;
    worker_.run([&] { trials.run(worker_); },
                [&] {
                  const MonteCarloProgress progress = trials.progress();
                  if (progress.lastTrial) view().showResults(*progress.lastTrial);
                  drawMonteCarloCharts(progress.charts);
                  if (++ticks % kTicksPerBlink == 0) {
                    const bool red = ticks / kTicksPerBlink % 2 == 0;
                    monteCarloButton_->setStyleSheet(red ? QString::fromLatin1(kRed) : restingStyle);
                  }
                });
  }
  state_.random = trials.random();
  const MonteCarloRun& run = trials.result();
  trials_ = run.trials();
  // The charts of every trial made, also after an abort; then the nominal averages, their
  // best-fit radius, results and captions, under the charts that stay on the picture.
  drawMonteCarloCharts(plot::MonteCarloChartData::Of(run, test.inInches()));
  refreshBestFit();
  monteCarloButton_->setStyleSheet(restingStyle);
  monteCarloButton_->setText(QString::fromLatin1(kRunCaption));
  finishMonteCarlo(McRawData(run.strehlHistogram(), run.rmsHistogram()), run.failedTrials());
}

void SurfaceErrorPanel::drawMonteCarloCharts(const plot::MonteCarloChartData& data) {
  view().paint([&](plot::PictureSurface& s) { ranges_ = plot::DrawMonteCarloCharts(s, data); });
}

void SurfaceErrorPanel::finishMonteCarlo(const std::string& rawData, int failedTrials) {
  state_.monteCarlo.rawData = rawData;
  // A run whose trials mostly failed has no ranges to explain: it says so, whatever the setting.
  if (TooManyTrialsFailed(failedTrials, trials_)) {
    MessageRequest report;
    report.title = QStringLiteral("Monte Carlo Analysis");
    report.text = QString::fromStdString(TooManyFailedTrialsMessage(failedTrials, trials_))
                      .replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    report.icon = MessageIcon::Exclamation;
    context_.prompter.message(report);
    return;
  }
  if (state_.settings.showMcDialog) return;
  if (explanation_) explanation_->close();
  explanation_ = new McExplainDialog(ExplainMonteCarlo(ranges_.strehl, ranges_.rms, failedTrials, trials_), rawData,
                                     context_.clipboard, state_.settings, context_.settings, window());
  explanation_->show();
}

}  // namespace zonalyst::ui
