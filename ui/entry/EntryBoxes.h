#pragma once

#include <QString>
#include <optional>

#include "ui/entry/rules/KeyFilter.h"
#include "ui/entry/rules/Navigation.h"

class QKeyEvent;
class QLineEdit;
class QObject;
class QWidget;

namespace zonalyst::ui {

// What the entry boxes of the setup and readings panels share: their look (blue while
// focused, black otherwise), the keys they move by and the characters they filter.

QLineEdit* MakeEntryBox(QWidget* parent, const QString& objectName, QObject* eventFilter);

void ShowFocused(QLineEdit* box, bool focused);

// Selects the whole text, also after a mouse click has placed the caret.
void SelectAllOnFocus(QLineEdit* box, bool byMouse);

// Shows text; a box with the focus keeps its whole text selected.
void ShowText(QLineEdit* box, const QString& text);

// The navigation key of a key press (Enter, Right, Left, Up, Down without modifiers).
std::optional<entry::NavKey> NavKeyOf(const QKeyEvent& event);

// The character a key press types for the filters (Backspace as entry::kBackspace), or
// nothing for keys the box handles alone (Delete, Home, shortcuts).
std::optional<QChar> TypedCharOf(const QKeyEvent& event);

entry::EditState EditStateOf(const QLineEdit& box);

// The user's decimal separator.
QString DecimalSeparator();

}  // namespace zonalyst::ui
