#include "GifProgressWindow.h"

#include "ui/analysis/rules/ImageExportRules.h"

#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

namespace zonalyst::ui {

GifProgressWindow::GifProgressWindow(QWidget* parent)
    : QDialog(parent), bar_(kBarWidth, kBarHeight, QImage::Format_RGB32), picture_(new QLabel(this)) {
  setObjectName(QStringLiteral("Gif_Prog"));
  setWindowTitle(QStringLiteral("Saving image"));
  setModal(false);
  bar_.fill(Qt::white);
  picture_->setObjectName(QStringLiteral("Picture1"));
  picture_->setFixedSize(kBarWidth, kBarHeight);
  picture_->setPixmap(QPixmap::fromImage(bar_));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(picture_);
  setFixedSize(sizeHint());
}

void GifProgressWindow::showProgress(int percent) {
  const int length = analysis::GifBarLength(percent, kBarWidth);
  setWindowTitle(QStringLiteral("Saving image %1% Complete").arg(percent));
  if (length > 0) {
    QPainter painter(&bar_);
    painter.setPen(QColor(0, 0, 255));
    // Rows 0 to the height inclusive, as the bar is drawn; the last row falls outside.
    for (int y = 0; y <= kBarHeight; ++y) painter.drawLine(0, y, length - 1, y);
  }
  picture_->setPixmap(QPixmap::fromImage(bar_));
}

}  // namespace zonalyst::ui
