#include "MilliesLacroixPanel.h"

#include "PanelSlider.h"
#include "ui/analysis/rules/LocalisedText.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QScrollBar>

namespace zonalyst::ui {

MilliesLacroixPanel::MilliesLacroixPanel(const PanelContext& context, const AnalysisLayout& layout)
    : AnalysisPanel(context, layout), sliderIndex_(layout.slider) {
  note_ = addCaption(addRow(), QStringLiteral("LblML"));
  note_->setMinimumHeight(2 * note_->fontMetrics().height());
  shift_ = MakePanelSlider(QStringLiteral("HScroll1_%1").arg(sliderIndex_),
                           analysis::ReferenceSliderRange(sliderIndex_), this, [this] {
                             setHelp(analysis::ReferenceSliderHelp(sliderIndex_));
                             note_->setText(analysis::ScreenText(analysis::MilliesLacroixNote()));
                           });
  addRow()->addWidget(shift_);
}

void MilliesLacroixPanel::enterPanel(const PanelEntry& /*entry*/) {
  shift_->setFocus();
  const BestFit fit = reduce();
  shift_->setValue(analysis::ReferenceSliderRange(sliderIndex_).initial);
  view().redraw(fit.bestFitRocMm, {.mlShift = shift_->value()});
}

void MilliesLacroixPanel::referenceSliderMoved() { view().redraw(bestFitRocMm(), {.mlShift = shift_->value()}); }

}  // namespace zonalyst::ui
