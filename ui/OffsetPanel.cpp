#include "OffsetPanel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QScrollBar>
#include <QSignalBlocker>

#include "LiveSlider.h"
#include "core/ResultTexts.h"
#include "ui/live/LocalisedText.h"
#include "ui/live/OffsetCaptions.h"

namespace zonalyst::ui {

OffsetPanel::OffsetPanel(MainWindow& window, int panel, int sliderIndex, std::unique_ptr<AnalysisChart> chart)
    : LivePanel(window, panel, std::move(chart)), sliderIndex_(sliderIndex) {
  captionRow_ = addRow();
  bestFitCaption_ = addCaption(captionRow_, QStringLiteral("Offset_%1").arg(2 * sliderIndex));
  offsetCaption_ = addCaption(captionRow_, QStringLiteral("Offset_%1").arg(2 * sliderIndex + 1));
  slider_ = MakeLiveSlider(QStringLiteral("HScroll1_%1").arg(sliderIndex), live::ReferenceSliderRange(sliderIndex), this,
                           [this] { setHelp(live::ReferenceSliderHelp(sliderIndex_)); });
  addRow()->addWidget(slider_);
}

void OffsetPanel::enterPanel(const PanelEntry& /*entry*/) {
  slider_->setFocus();
  showPanel();
}

void OffsetPanel::showPanel() {
  const BestFit fit = reduce();
  drawBestFit(fit.bestFitRocMm);
  showBestFit(fit);
}

void OffsetPanel::refreshBestFit() {
  const BestFit fit = reduce();
  view().analysis().measureAt(state_.test, fit.bestFitRocMm);
  view().showResults();
  // Recentring the slider must not redraw the picture.
  const QSignalBlocker quiet(slider_);
  showBestFit(fit);
}

void OffsetPanel::showBestFit(const BestFit& fit) {
  state_.displayRocMm = fit.bestFitRocMm;
  bestFitCaption_->setText(live::ScreenText(BestFitCaption(state_.test, fit)));
  slider_->setValue(live::ReferenceSliderRange(sliderIndex_).initial);
  writeOffsetCaption();
}

double OffsetPanel::offsetMm() const { return live::ReferenceOffsetMm(slider_->value(), slider_->maximum()); }

void OffsetPanel::referenceSliderMoved() {
  drawAt(state_.displayRocMm + offsetMm());
  writeOffsetCaption();
}

void OffsetPanel::drawBestFit(double rocMm) { view().redrawAt(rocMm); }

void OffsetPanel::drawAt(double rocMm) { view().redrawAt(rocMm); }

void OffsetPanel::writeOffsetCaption() {
  offsetCaption_->setText(
      live::ScreenText(live::OffsetCaption(state_.test, offsetMm(), live::ResetKeyOf(sliderIndex_))));
}

}  // namespace zonalyst::ui
