#include "SearchInputGuard.h"

#include <QApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QWidget>

namespace zonalyst::ui {

SearchInputGuard::SearchInputGuard(QWidget* window, std::function<void()> onEscape)
    : window_(window), onEscape_(std::move(onEscape)) {
  // Installed last, so it sees events before the window's key map.
  qApp->installEventFilter(this);
}

SearchInputGuard::~SearchInputGuard() { qApp->removeEventFilter(this); }

bool SearchInputGuard::eventFilter(QObject* watched, QEvent* event) {
  auto* widget = qobject_cast<QWidget*>(watched);
  if (widget == nullptr || widget->window() != window_ || QApplication::activeModalWidget() != nullptr) return false;
  switch (event->type()) {
    case QEvent::KeyPress: {
      const auto* press = static_cast<QKeyEvent*>(event);
      const int key = press->key();
      if (key == Qt::Key_Escape) {
        onEscape_();
        return true;
      }
      return (key >= Qt::Key_F1 && key <= Qt::Key_F12) || key == Qt::Key_X || key == Qt::Key_Z ||
             press->matches(QKeySequence::Save);
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
      return widget->objectName().startsWith(QLatin1String("Action_"));
    default:
      return false;
  }
}

}  // namespace zonalyst::ui
