#include "AnalysisView.h"

#include "ResultLabels.h"
#include "core/ResultTexts.h"
#include "plot/TeeSurface.h"

#include <QLabel>
#include <QPixmap>
#include <QVBoxLayout>

namespace zonalyst::ui {

AnalysisView::AnalysisView(AppState& state, const AnalysisLayout& panelLayout, QWidget* parent)
    : QWidget(parent),
      state_(state),
      panel_(panelLayout.panel),
      analysis_(state.bessel),
      surface_(plot::PanelPictureSize(panel_).width, plot::PanelPictureSize(panel_).height),
      results_(new ResultLabels(panelLayout.resultIndices, this)),
      picture_(new QLabel(this)) {
  results_->setObjectName(panelLayout.resultsName);
  picture_->setObjectName(panelLayout.pictureName);
  picture_->setFixedSize(surface_.scaleWidth(), surface_.scaleHeight());
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

AnalysisView::~AnalysisView() = default;

void AnalysisView::redraw(double bestFitRocMm, const plot::PanelControls& controls) {
  paint([&](plot::PictureSurface& s) {
    plot::DrawPanelPicture(s, panel_, state_.test, analysis_, bestFitRocMm, controls);
  });
  showResults();
}

void AnalysisView::showResults() {
  showResults(analysis_.metrics());
  results_->setRmsToolTip(MeasuredSpanNote(analysis_.fitMeasuredSpan(state_.test)));
}

void AnalysisView::showResults(const QualityMetrics& metrics) { results_->setTexts(FormatResults(metrics)); }

void AnalysisView::paint(const std::function<void(plot::PictureSurface&)>& draw) {
  // A sharp picture on a high-density screen: the chart is drawn (and computed) once,
  // into the saved picture and into one at the screen's density with the same geometry.
  const double ratio = devicePixelRatioF();
  if (ratio <= 1.0) {
    screenSurface_.reset();
    surface_.clear();
    draw(surface_);
  } else {
    if (!screenSurface_ || screenSurface_->devicePixelRatio() != ratio) {
      screenSurface_ = std::make_unique<plot::RasterSurface>(surface_.scaleWidth(), surface_.scaleHeight(), ratio);
    }
    plot::TeeSurface both(surface_, *screenSurface_);
    both.clear();
    draw(both);
  }
  const plot::RasterSurface& shown = screenSurface_ ? *screenSurface_ : surface_;
  picture_->setPixmap(QPixmap::fromImage(shown.image()));
}

}  // namespace zonalyst::ui
