#pragma once

#include "ui/panel/rules/KeyFilter.h"

#include <QString>

#include <optional>

class QKeyEvent;
class QLineEdit;

namespace zonalyst::ui {

// What the entry grid and the Monte Carlo dialog's boxes share: how a box selects its text
// and what a key press types for the character filters.

// Selects the whole text, also after a mouse click has placed the caret.
void SelectAllOnFocus(QLineEdit* box, bool byMouse);

// The character a key press types for the filters (Backspace as panel::kBackspace), or
// nothing for keys the box handles alone (Delete, Home, shortcuts).
std::optional<QChar> TypedCharOf(const QKeyEvent& event);

panel::EditState EditStateOf(const QLineEdit& box);

// The user's decimal separator.
QString DecimalSeparator();
// The same as the one character put between a number's whole and its fraction ("." where the
// locale gives none).
QChar DecimalSeparatorChar();

}  // namespace zonalyst::ui
