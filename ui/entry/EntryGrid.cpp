#include "EntryGrid.h"

#include "ui/panel/EntryBoxes.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPalette>

#include <algorithm>
#include <optional>
#include <utility>

namespace zonalyst::ui {

namespace {

void ShowFocused(QLineEdit* box, bool focused) {
  QPalette palette = box->palette();
  palette.setColor(QPalette::Base, focused ? QColor(0, 0, 192) : QColor(Qt::black));
  palette.setColor(QPalette::Text, Qt::white);
  palette.setColor(QPalette::Highlight, QColor(128, 160, 255));
  palette.setColor(QPalette::HighlightedText, Qt::black);
  box->setPalette(palette);
}

// The navigation key of a key press (Enter, Right, Left, Up, Down without modifiers).
std::optional<entry::NavKey> NavKeyOf(const QKeyEvent& event) {
  if ((event.modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) return std::nullopt;
  switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Right:
      return entry::NavKey::Next;
    case Qt::Key_Left:
      return entry::NavKey::Previous;
    case Qt::Key_Up:
      return entry::NavKey::Up;
    case Qt::Key_Down:
      return entry::NavKey::Down;
    default:
      return std::nullopt;
  }
}

}  // namespace

EntryGrid::EntryGrid(AppState& state, EntryGridRules rules, QWidget* panel)
    : QObject(panel), state_(state), test_(state.test), rules_(std::move(rules)) {
  for (int index = 0; index < rules_.count; ++index) {
    auto* box = new QLineEdit(panel);
    box->setObjectName(rules_.objectName.arg(index));
    box->setReadOnly(rules_.editableOnlyWhileFocused || rules_.isToggle(index));
    // Fifteen zone rows and their headers fit a panel frame at this height.
    box->setFixedSize(110, 22);
    ShowFocused(box, false);
    box->setProperty("entryIndex", index);
    boxes_.push_back(box);
    shownTest_.push_back(-1);
    box->installEventFilter(this);
  }
}

void EntryGrid::showText(int index) {
  QLineEdit* edit = box(index);
  edit->setText(rules_.text(test_, index, DecimalSeparator()));
  shownTest_[static_cast<std::size_t>(index)] = state_.testSerial;
  if (edit->hasFocus()) edit->selectAll();
}

void EntryGrid::focus(int index) { box(index)->setFocus(Qt::OtherFocusReason); }

void EntryGrid::clear() {
  for (QLineEdit* edit : boxes_) edit->clear();
  std::fill(shownTest_.begin(), shownTest_.end(), -1);
}

bool EntryGrid::eventFilter(QObject* watched, QEvent* event) {
  const QVariant found = watched->property("entryIndex");
  if (!found.isValid()) return QObject::eventFilter(watched, event);
  const int index = found.toInt();
  QLineEdit* edit = box(index);
  switch (event->type()) {
    case QEvent::FocusIn:
      ShowFocused(edit, true);
      if (rules_.editableOnlyWhileFocused) edit->setReadOnly(rules_.isToggle(index));
      SelectAllOnFocus(edit, static_cast<QFocusEvent*>(event)->reason() == Qt::MouseFocusReason);
      emit helpChanged(rules_.help(index));
      break;
    case QEvent::FocusOut:
      if (static_cast<QFocusEvent*>(event)->reason() == Qt::PopupFocusReason) break;
      ShowFocused(edit, false);
      if (rules_.editableOnlyWhileFocused) edit->setReadOnly(true);
      commit(index);
      break;
    case QEvent::MouseButtonPress:
      emit boxPressed();
      break;
    case QEvent::KeyPress:
      return handleKey(index, *static_cast<QKeyEvent*>(event));
    default:
      break;
  }
  return QObject::eventFilter(watched, event);
}

bool EntryGrid::handleKey(int index, const QKeyEvent& event) {
  if (const auto key = NavKeyOf(event)) {
    focus(rules_.next(index, *key));
    return true;
  }
  const std::optional<QChar> typed = TypedCharOf(event);
  if (!typed) return false;
  switch (rules_.filterKey(index, *typed, EditStateOf(*box(index)), DecimalSeparator())) {
    case panel::KeyVerdict::Accept:
      return false;
    case panel::KeyVerdict::Swallow:
      return true;
    case panel::KeyVerdict::Refuse:
      QApplication::beep();
      return true;
    case panel::KeyVerdict::Flip:
      if (!showsOpenTest(index)) return true;
      rules_.flip(test_, index);
      emit recordChanged();
      return true;
  }
  return true;
}

void EntryGrid::commit(int index) {
  // Looking is not changing: a box that still shows the record's value keeps the value to
  // the last bit, where the shown digits would round it.
  const QString separator = DecimalSeparator();
  const QString text = box(index)->text();
  if (!showsOpenTest(index) || text == rules_.text(test_, index, separator)) return;
  if (rules_.commit(test_, index, text, separator) == entry::CommitEffect::Redraw) {
    emit recordChanged();
  } else {
    showText(index);
  }
}

}  // namespace zonalyst::ui
