#include "LivePanel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "ui/window/MainWindow.h"

namespace zonalyst::ui {

LivePanel::LivePanel(MainWindow& window, plot::Panel panel) : window_(window), state_(window.state()) {
  view_ = new AnalysisPanel(state_, AnalysisPanelFor(panel), this);
  controls_ = new QVBoxLayout;
  controls_->setSpacing(2);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(2);
  layout->addWidget(view_, 1);
  layout->addLayout(controls_);
}

BestFit LivePanel::reduce() { return view_->analysis().reduceAndFit(state_.test); }

QLabel* LivePanel::addCaption(QHBoxLayout* row, const QString& name, int stretch) {
  auto* label = new QLabel(this);
  label->setObjectName(name);
  row->addWidget(label, stretch);
  return label;
}

QHBoxLayout* LivePanel::addRow() {
  auto* row = new QHBoxLayout;
  row->setContentsMargins(8, 0, 8, 0);
  controls_->addLayout(row);
  return row;
}

void LivePanel::setHelp(const std::string& text) { window_.setHelp(QString::fromStdString(text)); }

}  // namespace zonalyst::ui
