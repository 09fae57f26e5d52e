#include "ResultLabels.h"

#include "plot/PictureSizes.h"
#include "ui/analysis/rules/LocalisedText.h"

#include <QLabel>

namespace zonalyst::ui {

using plot::kResultBlock;

constexpr int kRmsMeasure = 5;  // the last of the six measures

ResultLabels::ResultLabels(const std::array<int, 6>& labelIndices, QWidget* parent) : QFrame(parent) {
  setFrameShape(QFrame::StyledPanel);
  setFixedSize(kResultBlock.width, kResultBlock.height);
  for (int k = 0; k < 6; ++k) {
    const int column = k / 3;
    const int top = kResultBlock.rowTop[k % 3];
    auto* caption = new QLabel(QString::fromLatin1(kResultCaptions[k]), this);
    caption->setObjectName(QStringLiteral("lblF4lbl_%1").arg(labelIndices[k]));
    caption->setGeometry(kResultBlock.captionLeft[column], top, kResultBlock.captionWidth, kResultBlock.rowHeight);
    values_[k] = new QLabel(this);
    values_[k]->setObjectName(QStringLiteral("lblRslt_%1").arg(labelIndices[k]));
    values_[k]->setGeometry(kResultBlock.valueLeft[column], top, kResultBlock.valueWidth, kResultBlock.rowHeight);
    if (k == kRmsMeasure) rmsCaption_ = caption;
  }
}

void ResultLabels::setTexts(const ResultTexts& texts) {
  for (int k = 0; k < 6; ++k) values_[k]->setText(analysis::LocalisedText(texts[k]));
}

void ResultLabels::setRmsToolTip(const std::string& text) {
  const QString shown = analysis::LocalisedText(text);
  rmsCaption_->setToolTip(shown);
  values_[kRmsMeasure]->setToolTip(shown);
}

}  // namespace zonalyst::ui
