#pragma once

#include "ui/panel/PanelId.h"

#include <array>
#include <cstddef>
#include <span>

namespace zonalyst::ui {

// One value of type T for each panel, looked up by the panel.
template <typename T>
class PerPanel {
 public:
  T& operator[](Panel panel) { return values_[RowIndex(panel)]; }
  const T& operator[](Panel panel) const { return values_[RowIndex(panel)]; }
  std::span<const T> all() const { return values_; }

 private:
  std::array<T, kPanelCount> values_{};
};

}  // namespace zonalyst::ui
