#pragma once

#include <QChar>
#include <QString>

namespace zonalyst::panel {

// What becomes of a typed character in an entry box.
enum class KeyVerdict {
  Accept,   // the box takes it
  Swallow,  // dropped without a sound (Enter)
  Refuse,   // dropped with a beep
  Flip,     // a toggle box flips its value; the key never reaches the box
};

// The box as the key finds it. caret is where the key would go in: the start of
// the selection when there is one.
struct EditState {
  QString text;
  int caret = 0;
  bool allSelected = false;
};

// Characters as the filters see them: Backspace and Enter arrive as these.
inline constexpr char16_t kBackspace = u'\b';
inline constexpr char16_t kEnter = u'\r';

// The numbers an entry box takes.
enum class NumberKind {
  Whole,       // digits alone
  Real,        // digits and one decimal separator, at most five decimals
  SignedReal,  // the same with a leading minus sign
};

// The character filter of a box of numbers: Backspace and the characters of its kind are
// accepted, Enter swallowed, anything else refused. separator: the user's decimal separator.
KeyVerdict FilterNumberKey(NumberKind kind, QChar key, const EditState& state, const QString& separator);

// The character filter of setup box `box` (0..51).
KeyVerdict FilterSetupKey(int box, QChar key, const EditState& state, const QString& separator);

// The character filter of readings cell `cell` (0..65).
KeyVerdict FilterReadingsKey(int cell, QChar key, const EditState& state, const QString& separator);

}  // namespace zonalyst::panel
