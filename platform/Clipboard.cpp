#include "Clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QString>

namespace zonalyst::platform {

void QtClipboard::setText(const std::string& text) {
  QClipboard* clipboard = QGuiApplication::clipboard();
  clipboard->clear();
  clipboard->setText(QString::fromStdString(text));
}

}  // namespace zonalyst::platform
