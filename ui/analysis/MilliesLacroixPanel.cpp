#include "MilliesLacroixPanel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QScrollBar>

#include "PanelSlider.h"
#include "ui/panel/PanelId.h"
#include "ui/analysis/rules/LocalisedText.h"

namespace zonalyst::ui {

MilliesLacroixPanel::MilliesLacroixPanel(const PanelContext& context)
    : AnalysisPanel(context, kMilliesLacroixPanel) {
  note_ = addCaption(addRow(), QStringLiteral("LblML"));
  note_->setMinimumHeight(2 * note_->fontMetrics().height());
  shift_ = MakePanelSlider(QStringLiteral("HScroll1_%1").arg(analysis::kMilliesLacroixSlider),
                          analysis::ReferenceSliderRange(analysis::kMilliesLacroixSlider), this, [this] {
                            setHelp(analysis::ReferenceSliderHelp(analysis::kMilliesLacroixSlider));
                            note_->setText(analysis::ScreenText(analysis::MilliesLacroixNote()));
                          });
  addRow()->addWidget(shift_);
}

void MilliesLacroixPanel::enterPanel(const PanelEntry& /*entry*/) {
  shift_->setFocus();
  const BestFit fit = reduce();
  shift_->setValue(analysis::ReferenceSliderRange(analysis::kMilliesLacroixSlider).initial);
  state_.displayRocMm = fit.bestFitRocMm;
  view().redraw(state_.displayRocMm, {.mlShift = shift_->value()});
}

void MilliesLacroixPanel::referenceSliderMoved() {
  view().redraw(state_.displayRocMm, {.mlShift = shift_->value()});
}

}  // namespace zonalyst::ui
