#include "KeyMap.h"

#include <Qt>

namespace zonalyst::ui {

KeyDecision DecideKey(int qtKey, bool withModifiers, bool testOpen) {
  using Kind = KeyDecision::Kind;
  if (withModifiers) return {};
  if (qtKey == Qt::Key_Escape) return {Kind::Switch, 0};
  if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F10) {
    const int panel = qtKey - Qt::Key_F1 + 1;
    return panel == 1 || testOpen ? KeyDecision{Kind::Switch, panel} : KeyDecision{};
  }
  if (!testOpen) return {};
  if (qtKey == Qt::Key_X) return {Kind::NextFile};
  if (qtKey == Qt::Key_Z) return {Kind::PreviousFile};
  return {};
}

}  // namespace zonalyst::ui
