#include "KeyMap.h"

#include "WindowPanels.h"

namespace zonalyst::ui {

KeyDecision DecideKey(int qtKey, Qt::KeyboardModifiers modifiers, bool testOpen, bool inEntryBox) {
  using Kind = KeyDecision::Kind;
  const Qt::KeyboardModifiers held = modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
  if (held == Qt::ControlModifier && testOpen) {
    if (qtKey == Qt::Key_PageDown) return {Kind::NextFile};
    if (qtKey == Qt::Key_PageUp) return {Kind::PreviousFile};
  }
  if (held != Qt::NoModifier) return {};
  for (const WindowPanel& row : WindowPanels()) {
    if (row.key != qtKey) continue;
    return !row.needsTest || testOpen ? KeyDecision{Kind::Switch, row.panel} : KeyDecision{};
  }
  if (qtKey == SaveImageCommand().key) return testOpen ? KeyDecision{Kind::SaveImage} : KeyDecision{};
  if (!testOpen || inEntryBox) return {};
  if (qtKey == Qt::Key_X) return {Kind::NextFile};
  if (qtKey == Qt::Key_Z) return {Kind::PreviousFile};
  return {};
}

}  // namespace zonalyst::ui
