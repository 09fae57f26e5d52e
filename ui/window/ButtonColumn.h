#pragma once

#include "ui/panel/PanelId.h"

namespace zonalyst::ui {

// The window's column of function buttons, each with its frame beside the column: Esc's
// first, then those of F1 to F10 in the order of their keys, F9's being the save-image
// command's. A button and its frame are named by their place (Action_i, Display_i).
inline constexpr int kSaveImageIndex = 9;
inline constexpr int kButtonCount = static_cast<int>(kPanelCount) + 1;

// The place of the panel's button and frame: the panels in their order around F9's.
constexpr int IndexOf(Panel panel) {
  const int order = static_cast<int>(panel);
  return order < kSaveImageIndex ? order : order + 1;
}

}  // namespace zonalyst::ui
