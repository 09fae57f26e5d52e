#include "SurfaceErrorPanel.h"

#include "AstigmatismDialog.h"
#include "PanelSlider.h"
#include "SearchInputGuard.h"
#include "core/BestFitConic.h"
#include "core/NumberText.h"
#include "ui/analysis/rules/LocalisedText.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QPushButton>

namespace zonalyst::ui {

SurfaceErrorPanel::SurfaceErrorPanel(const PanelContext& context, const AnalysisLayout& layout)
    : OffsetPanel(context, layout) {
  QHBoxLayout* row = addRow();
  row->addStretch(1);
  conicButton_ = new QPushButton(QStringLiteral("Find Best Fit Conic Constant"), this);
  conicButton_->setObjectName(QStringLiteral("Command1"));
  monteCarloButton_ = new QPushButton(QStringLiteral("Run Monte Carlo Analysis"), this);
  monteCarloButton_->setObjectName(QStringLiteral("Command3"));
  for (QPushButton* button : {conicButton_, monteCarloButton_}) {
    button->setMinimumWidth(240);
    button->setAutoDefault(false);
    row->addWidget(button);
    row->addStretch(1);
  }
  astigmatismButton_ = new QPushButton(QStringLiteral("&Astigmatism..."), this);
  astigmatismButton_->setObjectName(QStringLiteral("cmdAstigmatism"));
  astigmatismButton_->setAutoDefault(false);
  row->addWidget(astigmatismButton_);
  row->addStretch(1);
  OnFocusIn(astigmatismButton_, [this] {
    setHelp("Astigmatism from tests of this mirror turned in its stand to several orientations, the tester kept still");
  });
  connect(astigmatismButton_, &QPushButton::clicked, this, &SurfaceErrorPanel::showAstigmatism);
  previousBox_ = new QCheckBox(QStringLiteral("Show previous test"), this);
  previousBox_->setObjectName(QStringLiteral("chkPreviousTest"));
  row->addWidget(previousBox_);
  row->addStretch(1);
  OnFocusIn(previousBox_, [this] {
    setHelp("Draws in grey behind this test the one written before it in its folder, as history lists them");
  });
  connect(previousBox_, &QCheckBox::toggled, this, &SurfaceErrorPanel::showPreviousTest);
  OnFocusIn(conicButton_, [this] { setHelp(analysis::BestFitConicHelp()); });
  connect(conicButton_, &QPushButton::clicked, this, &SurfaceErrorPanel::findBestFitConic);
  connect(monteCarloButton_, &QPushButton::clicked, this, &SurfaceErrorPanel::runMonteCarlo);
}

void SurfaceErrorPanel::enterPanel(const PanelEntry& entry) {
  previousTest_.forget();  // the folder may have changed since
  OffsetPanel::enterPanel(entry);
}

const plot::EarlierTest* SurfaceErrorPanel::previousTest() {
  return previousBox_ && previousBox_->isChecked() ? &previousTest_.readFor(state_) : nullptr;
}

void SurfaceErrorPanel::showPreviousTest() {
  previousTest_.forget();
  drawAt(offsetMm());
  if (const plot::EarlierTest* shown = previousTest()) setHelp(shown->legend);
}

void SurfaceErrorPanel::drawBestFit() { view().redraw(bestFitRocMm(), {.earlierTest = previousTest()}); }

void SurfaceErrorPanel::drawAt(double offsetMm) {
  // While a Monte Carlo run holds the picture, a slider only measures: the charts stay.
  if (state_.test.MonteCarloRunning) {
    view().analysis().measureAt(state_.test, bestFitRocMm() + offsetMm);
    view().showResults();
    return;
  }
  view().redraw(bestFitRocMm(), {.offsetMm = offsetMm, .earlierTest = previousTest()});
}

void SurfaceErrorPanel::showAstigmatism() {
  if (worker_.running() || state_.test.MonteCarloRunning) return;
  AstigmatismDialog dialog(state_, context_.prompter, context_.settings, window());
  dialog.exec();
}

void SurfaceErrorPanel::findBestFitConic() {
  if (searching_) {
    worker_.requestStop();
    return;
  }
  if (worker_.running() || state_.test.MonteCarloRunning) return;
  searching_ = true;
  // The search steps the constant of a copy on the worker; the panel follows it on the
  // event loop, drawn for the constant reached.
  MirrorTest searched = state_.test;
  SurfaceAnalysis analysis = view().analysis();
  const double startRms = analysis.metrics().RmsWaves;
  Published<double> reached;
  reached.publish(searched.DesiredConic);
  ConicSearchResult result;
  {
    SearchInputGuard guard(window(), [this] { worker_.requestStop(); });
    ConicSearch search;
    search.recompute = [&analysis](MirrorTest& test) {
      analysis.analyse(test);
      return analysis.metrics().RmsWaves;
    };
    search.afterTrial = [this, &reached](const MirrorTest& test) {
      reached.publish(test.DesiredConic);
      return !worker_.stopRequested();
    };
    worker_.run([&] { result = FindBestFitConic(searched, startRms, search); },
                [&] {
                  state_.test.DesiredConic = reached.latest();
                  showPanel();
                });
  }
  searching_ = false;

  MessageRequest question;
  question.title = QStringLiteral("Best fit Conic Constatn");
  question.text = analysis::LocalisedText("Best fit Conic Constant = " + FormatRounded(result.bestConic, 3) +
                                          "\r\nDo You wish to retain this Deformation?\r\nProbably NOT A GOOD IDEA! ");
  question.buttons = MessageButtons::YesNo;
  question.defaultButton = MessageAnswer::No;
  const bool keep = context_.prompter.message(question) == MessageAnswer::Yes;
  state_.test.DesiredConic = keep ? result.bestConic : result.startConic;
  // The last trial's picture belongs to a constant the search stepped past: show the one kept.
  showPanel();
}

}  // namespace zonalyst::ui
