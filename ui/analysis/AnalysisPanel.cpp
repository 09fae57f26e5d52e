#include "AnalysisPanel.h"

#include "core/ReadingsValidation.h"
#include "core/ResultTexts.h"
#include "core/ZoneReport.h"
#include "plot/RasterSurface.h"

#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

namespace zonalyst::ui {

AnalysisPanel::AnalysisPanel(const PanelContext& context, const AnalysisLayout& panelLayout)
    : context_(context), state_(context.state) {
  view_ = new AnalysisView(state_, panelLayout, this);
  controlsBox_ = new QWidget(this);
  controls_ = new QVBoxLayout(controlsBox_);
  controls_->setContentsMargins(0, 0, 0, 0);
  controls_->setSpacing(2);
  noReadings_ = new QLabel(QString::fromLatin1(kNoReadings) + QStringLiteral("\nPress F3 to enter them."), this);
  noReadings_->setObjectName(QStringLiteral("lblNoReadings"));
  noReadings_->setAlignment(Qt::AlignCenter);
  noReadings_->hide();
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(2);
  layout->addWidget(view_, 1);
  layout->addWidget(noReadings_, 1);
  layout->addWidget(controlsBox_);
}

void AnalysisPanel::showReadingsMissing(bool missing) {
  readingsMissing_ = missing;
  view_->setVisible(!missing);
  controlsBox_->setVisible(!missing);
  noReadings_->setVisible(missing);
  if (missing) emit helpChanged(noReadings_->text());
}

plot::SavedPicture AnalysisPanel::savedPicture() {
  // The frame as the window shows it, numbers and all, at its logical size whatever the
  // screen's pixel density: the saved picture keeps its size pixel for pixel.
  QWidget* frame = parentWidget() != nullptr ? parentWidget() : this;
  QImage image(frame->size(), QImage::Format_RGB32);
  image.setDevicePixelRatio(1.0);
  image.fill(frame->palette().color(frame->backgroundRole()));
  frame->render(&image);
  // The picture as drawn at its logical size, over the screen's denser one that the
  // rendering scaled down.
  QPainter painter(&image);
  painter.drawImage(view_->picture()->mapTo(frame, QPoint(0, 0)), view_->logicalPicture());
  painter.end();
  plot::SavedPicture parts;
  parts.panel = view_->panel();
  parts.picture = plot::ToPixelImage(image);
  parts.report = BuildZoneReport(state_.test, bestFitRocMm_);
  parts.report.measuredSpanLine = MeasuredSpanNote(view_->analysis().fitMeasuredSpan(state_.test));
  return parts;
}

BestFit AnalysisPanel::reduce() {
  const BestFit fit = view_->analysis().reduceAndFit(state_.test);
  bestFitRocMm_ = fit.bestFitRocMm;
  return fit;
}

QLabel* AnalysisPanel::addCaption(QHBoxLayout* row, const QString& name, int stretch) {
  auto* label = new QLabel(controlsBox_);
  label->setObjectName(name);
  row->addWidget(label, stretch);
  return label;
}

QHBoxLayout* AnalysisPanel::addRow() {
  auto* row = new QHBoxLayout;
  row->setContentsMargins(8, 0, 8, 0);
  controls_->addLayout(row);
  return row;
}

void AnalysisPanel::setHelp(const std::string& text) { emit helpChanged(QString::fromStdString(text)); }

}  // namespace zonalyst::ui
