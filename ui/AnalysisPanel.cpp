#include "AnalysisPanel.h"

#include <QLabel>
#include <QPixmap>
#include <QVBoxLayout>

#include "ResultLabels.h"
#include "core/ResultTexts.h"
#include "plot/TeeSurface.h"

namespace zonalyst::ui {

AnalysisPanel::AnalysisPanel(AppState& state, AnalysisPanelLayout panelLayout, QWidget* parent)
    : PanelContent(parent),
      state_(state),
      layout_(std::move(panelLayout)),
      analysis_(state.bessel),
      surface_(layout_.pictureSize.width, layout_.pictureSize.height),
      results_(new ResultLabels(layout_.resultIndices, this)),
      picture_(new QLabel(this)) {
  results_->setObjectName(layout_.resultsName);
  picture_->setObjectName(layout_.pictureName);
  picture_->setFixedSize(layout_.pictureSize.width, layout_.pictureSize.height);
  // Results above the picture, both centred; the sliders and buttons of the panel go below.
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 2, 0, 0);
  layout->setSpacing(4);
  layout->addWidget(results_, 0, Qt::AlignHCenter);
  layout->addWidget(picture_, 0, Qt::AlignHCenter);
  layout->addStretch(1);
  surface_.clear();
  picture_->setPixmap(QPixmap::fromImage(surface_.image()));
}

AnalysisPanel::~AnalysisPanel() = default;

void AnalysisPanel::enterPanel(const PanelEntry& /*entry*/) {
  const BestFit fit = analysis_.reduceAndFit(state_.test);
  redrawAt(fit.bestFitRocMm);
  state_.displayRocMm = fit.bestFitRocMm;
}

void AnalysisPanel::redrawAt(double rocMm) {
  analysis_.measureAt(state_.test, rocMm);
  showResults();
  paint([&](plot::PictureSurface& s) { layout_.chart->draw(s, state_.test, analysis_, rocMm); });
}

void AnalysisPanel::showResults() { results_->setTexts(FormatResults(analysis_.metrics())); }

void AnalysisPanel::paint(const std::function<void(plot::PictureSurface&)>& draw) {
  // A sharp picture on a high-density screen: the chart is drawn (and computed) once,
  // into the saved picture and into one at the screen's density with the same geometry.
  const double ratio = devicePixelRatioF();
  if (ratio <= 1.0) {
    screenSurface_.reset();
    surface_.clear();
    draw(surface_);
  } else {
    if (!screenSurface_ || screenSurface_->devicePixelRatio() != ratio) {
      screenSurface_ =
          std::make_unique<plot::RasterSurface>(layout_.pictureSize.width, layout_.pictureSize.height, ratio);
    }
    plot::TeeSurface both(surface_, *screenSurface_);
    both.clear();
    draw(both);
  }
  const plot::RasterSurface& shown = screenSurface_ ? *screenSurface_ : surface_;
  picture_->setPixmap(QPixmap::fromImage(shown.image()));
}

}  // namespace zonalyst::ui
