#include "StarTestPanel.h"

#include "PanelSlider.h"
#include "plot/PanelTable.h"
#include "ui/analysis/rules/SliderRules.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QScrollBar>

namespace zonalyst::ui {

StarTestPanel::StarTestPanel(const PanelContext& context, const AnalysisLayout& layout)
    : AnalysisPanel(context, layout) {
  QHBoxLayout* row = addRow();
  defocusHeading_ = addCaption(row, QStringLiteral("Offset_6"), 0);
  defocusHeading_->setMinimumWidth(130);
  defocus_ =
      MakePanelSlider(QStringLiteral("HScroll1_%1").arg(layout.slider), analysis::ReferenceSliderRange(layout.slider),
                      this, [this, slider = layout.slider] { setHelp(analysis::ReferenceSliderHelp(slider)); });
  defocus_->setFixedWidth(300);
  row->addWidget(defocus_);
  defocusCaption_ = addCaption(row, QStringLiteral("Offset_7"));
  detail_ = new QCheckBox(QStringLiteral("High Detail"), this);
  detail_->setObjectName(QStringLiteral("ChkDetail"));
  row->addWidget(detail_);

  row = addRow();
  auto* obstructionHeading = addCaption(row, QStringLiteral("Offset_8"), 0);
  obstructionHeading->setMinimumWidth(130);
  obstructionHeading->setText(QStringLiteral("Central Obstruction"));
  obstruction_ = MakePanelSlider(QStringLiteral("HScroll2"), analysis::kStarObstructionRange, this,
                                 [this] { setHelp(analysis::StarObstructionHelp()); });
  obstruction_->setFixedWidth(300);
  row->addWidget(obstruction_);
  obstructionCaption_ = addCaption(row, QStringLiteral("Offset_9"));
  contrast_ = new QCheckBox(QStringLiteral("High Contrast"), this);
  contrast_->setObjectName(QStringLiteral("ChkContrast"));
  row->addWidget(contrast_);
  OnFocusIn(contrast_, [this] { setHelp(analysis::ContrastHelp()); });

  connect(obstruction_, &QScrollBar::valueChanged, this, [this](int value) {
    redraw();
    obstructionCaption_->setText(QString::fromStdString(analysis::ObstructionCaption(value)));
  });
  connect(detail_, &QCheckBox::toggled, this, [this] { redraw(); });
  connect(contrast_, &QCheckBox::toggled, this, [this] { redraw(); });
}

void StarTestPanel::enterPanel(const PanelEntry& /*entry*/) {
  defocus_->setFocus();
  showPanel();
}

void StarTestPanel::showPanel() {
  reduce();
  shownOnce_ = true;
  defocusHeading_->setText(QString::fromLatin1(analysis::kDefocusHeading));
  const analysis::StarSliders moved = analysis::StarFirstVisit({defocus_->value(), obstruction_->value()},
                                                               plot::RowOf(view().panel()).defaultObstruction);
  defocus_->setValue(moved.defocusWaves);
  obstruction_->setValue(moved.obstruction);
  redraw();
}

void StarTestPanel::referenceSliderMoved() {
  redraw();
  defocusCaption_->setText(QString::fromStdString(analysis::DefocusCaption(defocus_->value())));
}

void StarTestPanel::followDefocus() { detail_->setChecked(plot::DetailAtDefocus(defocus_->value())); }

plot::PanelControls StarTestPanel::controls() const {
  return {.obstruction = static_cast<double>(obstruction_->value()),
          .defocusWaves = defocus_->value(),
          .detail = detail_->isChecked(),
          .contrast = contrast_->isChecked()};
}

void StarTestPanel::redraw() {
  if (!shownOnce_) return;
  view().redraw(bestFitRocMm(), controls());
}

plot::SavedPicture StarTestPanel::savedPicture() {
  plot::SavedPicture parts;
  parts.panel = view().panel();
  parts.stack = plot::StarStack(controls(), [this](const plot::PanelControls& atDefocus) {
    view().redraw(bestFitRocMm(), atDefocus);
    return view().pictureImage();
  });
  redraw();
  return parts;
}

}  // namespace zonalyst::ui
