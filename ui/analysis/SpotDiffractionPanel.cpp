#include "SpotDiffractionPanel.h"

#include "PanelSlider.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QScrollBar>

namespace zonalyst::ui {
namespace {

QLabel* LegendLabel(const QString& name, const QString& text, const QColor& colour, QWidget* picture) {
  auto* label = new QLabel(text, picture);
  label->setObjectName(name);
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, colour);
  label->setPalette(palette);
  label->adjustSize();
  return label;
}

}  // namespace

SpotDiffractionPanel::SpotDiffractionPanel(const PanelContext& context, const AnalysisLayout& layout)
    : OffsetPanel(context, layout) {
  QHBoxLayout* row = addRow();
  auto* heading = addCaption(row, QStringLiteral("lblF6Obst_0"), 0);
  heading->setText(QStringLiteral("Central Obstruction"));
  obstruction_ = MakePanelSlider(QStringLiteral("scrlF6Obst"), analysis::kSpotObstructionRange, this,
                                 [this] { setHelp(analysis::SpotObstructionHelp()); });
  obstruction_->setFixedWidth(300);
  row->addWidget(obstruction_);
  obstructionCaption_ = addCaption(row, QStringLiteral("lblF6Obst_1"));
  obstructionCaption_->setText(QString::fromStdString(analysis::ObstructionCaption(obstruction_->value())));
  connect(obstruction_, &QScrollBar::valueChanged, this, [this] { obstructionMoved(); });

  // The legend stands at the right end of the plot, just below its top line, where the
  // curves have fallen low.
  QLabel* picture = view().picture();
  auto* ideal = LegendLabel(QStringLiteral("lblF6Ideal_0"), QStringLiteral("- Ideal"), QColor(0, 255, 0), picture);
  auto* actual = LegendLabel(QStringLiteral("lblF6Ideal_1"), QStringLiteral("- Actual"), QColor(255, 0, 0), picture);
  const int top = (picture->height() - 200) / 2;
  const int left = picture->width() / 2 + 300 - ideal->width() - 4;
  ideal->move(left, top + 5);
  actual->move(left, top + 5 + ideal->height());
}

void SpotDiffractionPanel::drawBestFit() { view().redraw(bestFitRocMm(), {.obstruction = 0.0}); }

void SpotDiffractionPanel::drawAt(double offsetMm) {
  view().redraw(bestFitRocMm(), {.offsetMm = offsetMm, .obstruction = static_cast<double>(obstruction_->value())});
}

void SpotDiffractionPanel::obstructionMoved() {
  drawAt(offsetMm());
  obstructionCaption_->setText(QString::fromStdString(analysis::ObstructionCaption(obstruction_->value())));
}

}  // namespace zonalyst::ui
