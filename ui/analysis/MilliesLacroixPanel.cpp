#include "MilliesLacroixPanel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QScrollBar>

#include "LiveSlider.h"
#include "ui/window/PanelTexts.h"
#include "ui/analysis/rules/LocalisedText.h"

namespace zonalyst::ui {

MilliesLacroixPanel::MilliesLacroixPanel(const PanelContext& context)
    : LivePanel(context, kMilliesLacroixPanel) {
  note_ = addCaption(addRow(), QStringLiteral("LblML"));
  note_->setMinimumHeight(2 * note_->fontMetrics().height());
  shift_ = MakeLiveSlider(QStringLiteral("HScroll1_%1").arg(live::kMilliesLacroixSlider),
                          live::ReferenceSliderRange(live::kMilliesLacroixSlider), this, [this] {
                            setHelp(live::ReferenceSliderHelp(live::kMilliesLacroixSlider));
                            note_->setText(live::ScreenText(live::MilliesLacroixNote()));
                          });
  addRow()->addWidget(shift_);
}

void MilliesLacroixPanel::enterPanel(const PanelEntry& /*entry*/) {
  shift_->setFocus();
  const BestFit fit = reduce();
  shift_->setValue(live::ReferenceSliderRange(live::kMilliesLacroixSlider).initial);
  state_.displayRocMm = fit.bestFitRocMm;
  view().redraw(state_.displayRocMm, {.mlShift = shift_->value()});
}

void MilliesLacroixPanel::referenceSliderMoved() {
  view().redraw(state_.displayRocMm, {.mlShift = shift_->value()});
}

}  // namespace zonalyst::ui
