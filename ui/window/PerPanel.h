#pragma once

#include "plot/PanelTable.h"
#include "ui/panel/PanelId.h"

#include <array>
#include <cstddef>
#include <span>

namespace zonalyst::ui {

// One value of type T for each panel, looked up by the panel.
template <typename T>
class PerPanel {
 public:
  T& operator[](Panel panel) { return values_[Slot(panel)]; }
  const T& operator[](Panel panel) const { return values_[Slot(panel)]; }
  std::span<const T> all() const { return values_; }

 private:
  static std::size_t Slot(Panel panel) { return static_cast<std::size_t>(IndexOf(panel)); }
  std::array<T, plot::kPanelCount> values_{};
};

}  // namespace zonalyst::ui
