#pragma once

namespace zonalyst::ui {

// What a key pressed anywhere in the window asks for.
struct KeyDecision {
  enum class Kind { None, Switch, NextFile, PreviousFile };
  Kind kind = Kind::None;
  int panel = -1;  // for Switch
  friend bool operator==(const KeyDecision&, const KeyDecision&) = default;
};

// The window's key map, by Qt key code: Esc and F1 always switch (to the exit and load
// panels); F2..F10 only with a test open; X and Z step to the next and previous test file
// with a test open. Keys with a modifier other than the keypad's are left to the control.
KeyDecision DecideKey(int qtKey, bool withModifiers, bool testOpen);

}  // namespace zonalyst::ui
