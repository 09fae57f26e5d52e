#include "KeyMap.h"

#include <Qt>

#include "WindowPanels.h"

namespace zonalyst::ui {

KeyDecision DecideKey(int qtKey, bool withModifiers, bool testOpen) {
  using Kind = KeyDecision::Kind;
  if (withModifiers) return {};
  for (const WindowPanel& row : WindowPanels()) {
    if (row.key != qtKey) continue;
    return !row.needsTest || testOpen ? KeyDecision{Kind::Switch, row.panel} : KeyDecision{};
  }
  if (!testOpen) return {};
  if (qtKey == Qt::Key_X) return {Kind::NextFile};
  if (qtKey == Qt::Key_Z) return {Kind::PreviousFile};
  return {};
}

}  // namespace zonalyst::ui
