#include "EntryBoxes.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QPalette>
#include <QPointer>
#include <QTimer>

namespace zonalyst::ui {

QLineEdit* MakeEntryBox(QWidget* parent, const QString& objectName, QObject* eventFilter) {
  auto* box = new QLineEdit(parent);
  box->setObjectName(objectName);
  box->setReadOnly(true);
  // Fifteen zone rows and their headers fit a panel frame at this height.
  box->setFixedSize(110, 22);
  box->installEventFilter(eventFilter);
  ShowFocused(box, false);
  return box;
}

void ShowFocused(QLineEdit* box, bool focused) {
  QPalette palette = box->palette();
  palette.setColor(QPalette::Base, focused ? QColor(0, 0, 192) : QColor(Qt::black));
  palette.setColor(QPalette::Text, Qt::white);
  palette.setColor(QPalette::Highlight, QColor(128, 160, 255));
  palette.setColor(QPalette::HighlightedText, Qt::black);
  box->setPalette(palette);
}

void SelectAllOnFocus(QLineEdit* box, bool byMouse) {
  box->selectAll();
  if (!byMouse) return;
  // The click that gave the focus places the caret after this; select once it has.
  QTimer::singleShot(0, box, [guard = QPointer<QLineEdit>(box)] {
    if (guard && guard->hasFocus()) guard->selectAll();
  });
}

void ShowText(QLineEdit* box, const QString& text) {
  box->setText(text);
  if (box->hasFocus()) box->selectAll();
}

std::optional<entry::NavKey> NavKeyOf(const QKeyEvent& event) {
  if ((event.modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) return std::nullopt;
  switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Right: return entry::NavKey::Next;
    case Qt::Key_Left: return entry::NavKey::Previous;
    case Qt::Key_Up: return entry::NavKey::Up;
    case Qt::Key_Down: return entry::NavKey::Down;
    default: return std::nullopt;
  }
}

std::optional<QChar> TypedCharOf(const QKeyEvent& event) {
  if (event.key() == Qt::Key_Backspace) return QChar(entry::kBackspace);
  const QString text = event.text();
  if (text.size() != 1 || !text.front().isPrint()) return std::nullopt;
  return text.front();
}

entry::EditState EditStateOf(const QLineEdit& box) {
  const int caret = box.hasSelectedText() ? box.selectionStart() : box.cursorPosition();
  const bool allSelected = !box.text().isEmpty() && box.selectedText() == box.text();
  return {box.text(), caret, allSelected};
}

QString DecimalSeparator() { return QLocale().decimalPoint(); }

}  // namespace zonalyst::ui
