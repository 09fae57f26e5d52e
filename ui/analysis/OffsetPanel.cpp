#include "OffsetPanel.h"

#include "PanelSlider.h"
#include "core/ResultTexts.h"
#include "ui/analysis/rules/LocalisedText.h"
#include "ui/analysis/rules/OffsetCaptions.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QScrollBar>
#include <QSignalBlocker>

namespace zonalyst::ui {

OffsetPanel::OffsetPanel(const PanelContext& context, const AnalysisLayout& layout)
    : AnalysisPanel(context, layout), sliderIndex_(layout.slider), resetKey_(layout.functionKey) {
  QHBoxLayout* captionRow = addRow();
  bestFitCaption_ = addCaption(captionRow, QStringLiteral("Offset_%1").arg(2 * sliderIndex_));
  offsetCaption_ = addCaption(captionRow, QStringLiteral("Offset_%1").arg(2 * sliderIndex_ + 1));
  slider_ =
      MakePanelSlider(QStringLiteral("HScroll1_%1").arg(sliderIndex_), analysis::ReferenceSliderRange(sliderIndex_),
                      this, [this] { setHelp(analysis::ReferenceSliderHelp(sliderIndex_)); });
  addRow()->addWidget(slider_);
}

void OffsetPanel::enterPanel(const PanelEntry& /*entry*/) {
  slider_->setFocus();
  showPanel();
}

void OffsetPanel::showPanel() {
  const BestFit fit = reduce();
  drawBestFit();
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
  bestFitCaption_->setText(analysis::ScreenText(BestFitCaption(state_.test, fit)));
  slider_->setValue(analysis::ReferenceSliderRange(sliderIndex_).initial);
  writeOffsetCaption();
}

double OffsetPanel::offsetMm() const { return analysis::ReferenceOffsetMm(slider_->value(), slider_->maximum()); }

void OffsetPanel::referenceSliderMoved() {
  drawAt(offsetMm());
  writeOffsetCaption();
}

void OffsetPanel::drawBestFit() { view().redraw(bestFitRocMm(), {}); }

void OffsetPanel::drawAt(double offsetMm) { view().redraw(bestFitRocMm(), {.offsetMm = offsetMm}); }

void OffsetPanel::writeOffsetCaption() {
  offsetCaption_->setText(analysis::ScreenText(analysis::OffsetCaption(state_.test, offsetMm(), resetKey_)));
}

}  // namespace zonalyst::ui
