#pragma once

#include "ui/panel/PanelId.h"

#include <Qt>

namespace zonalyst::ui {

// What a key pressed anywhere in the window asks for.
struct KeyDecision {
  enum class Kind { None, Switch, SaveImage, NextFile, PreviousFile };
  Kind kind = Kind::None;
  Panel panel = Panel::Exit;  // for Switch
  friend bool operator==(const KeyDecision&, const KeyDecision&) = default;
};

// The window's key map, by Qt key code: a panel's key (WindowPanel::key) switches to it,
// with a test open or when the panel needs none (exit and load); F9 saves the picture on
// show, with a test open. With a test open,
// Ctrl+PageDown and Ctrl+PageUp step to the next and previous test file on every panel,
// and so do X and Z unless the focus is in an entry box, where they are letters like any
// other. Other keys with a modifier (Ctrl, Alt, Meta) are left to the control.
KeyDecision DecideKey(int qtKey, Qt::KeyboardModifiers modifiers, bool testOpen, bool inEntryBox);

}  // namespace zonalyst::ui
