#include "EntryBoxes.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QPointer>
#include <QTimer>

namespace zonalyst::ui {

void SelectAllOnFocus(QLineEdit* box, bool byMouse) {
  box->selectAll();
  if (!byMouse) return;
  // The click that gave the focus places the caret after this; select once it has.
  QTimer::singleShot(0, box, [guard = QPointer<QLineEdit>(box)] {
    if (guard && guard->hasFocus()) guard->selectAll();
  });
}

std::optional<QChar> TypedCharOf(const QKeyEvent& event) {
  if (event.key() == Qt::Key_Backspace) return QChar(panel::kBackspace);
  const QString text = event.text();
  if (text.size() != 1 || !text.front().isPrint()) return std::nullopt;
  return text.front();
}

panel::EditState EditStateOf(const QLineEdit& box) {
  const int caret = box.hasSelectedText() ? box.selectionStart() : box.cursorPosition();
  const bool allSelected = !box.text().isEmpty() && box.selectedText() == box.text();
  return {box.text(), caret, allSelected};
}

QString DecimalSeparator() { return QLocale().decimalPoint(); }

QChar DecimalSeparatorChar() {
  const QString separator = DecimalSeparator();
  return separator.isEmpty() ? QLatin1Char('.') : separator.front();
}

}  // namespace zonalyst::ui
