#include "ResultLabels.h"

#include <QLabel>

#include "ui/live/LocalisedText.h"

namespace zonalyst::ui {
namespace {

// Columns and rows of the captions and values, in pixels within the frame.
constexpr std::array<int, 2> kCaptionLeft = {8, 368};
constexpr std::array<int, 2> kValueLeft = {248, 608};
constexpr std::array<int, 3> kRowTop = {6, 22, 38};
constexpr int kCaptionWidth = 236;
constexpr int kValueWidth = 104;
constexpr int kRowHeight = 16;

}  // namespace

ResultLabels::ResultLabels(const std::array<int, 6>& labelIndices, QWidget* parent) : QFrame(parent) {
  setFrameShape(QFrame::StyledPanel);
  setFixedSize(kWidth, kHeight);
  for (int k = 0; k < 6; ++k) {
    const int column = k / 3;
    const int top = kRowTop[k % 3];
    auto* caption = new QLabel(QString::fromLatin1(kResultCaptions[k]), this);
    caption->setObjectName(QStringLiteral("lblF4lbl_%1").arg(labelIndices[k]));
    caption->setGeometry(kCaptionLeft[column], top, kCaptionWidth, kRowHeight);
    values_[k] = new QLabel(this);
    values_[k]->setObjectName(QStringLiteral("lblRslt_%1").arg(labelIndices[k]));
    values_[k]->setGeometry(kValueLeft[column], top, kValueWidth, kRowHeight);
  }
}

void ResultLabels::setTexts(const ResultTexts& texts) {
  for (int k = 0; k < 6; ++k) values_[k]->setText(live::LocalisedText(texts[k]));
}

}  // namespace zonalyst::ui
