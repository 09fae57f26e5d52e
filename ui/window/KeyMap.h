#pragma once

#include "ui/panel/PanelId.h"

namespace zonalyst::ui {

// What a key pressed anywhere in the window asks for.
struct KeyDecision {
  enum class Kind { None, Switch, NextFile, PreviousFile };
  Kind kind = Kind::None;
  Panel panel = Panel::Exit;  // for Switch
  friend bool operator==(const KeyDecision&, const KeyDecision&) = default;
};

// The window's key map, by Qt key code: a panel's key (WindowPanel::key) switches to it,
// with a test open or when the panel needs none (exit and load); X and Z step to the next
// and previous test file with a test open. Keys with a modifier other than the keypad's
// are left to the control.
KeyDecision DecideKey(int qtKey, bool withModifiers, bool testOpen);

}  // namespace zonalyst::ui
