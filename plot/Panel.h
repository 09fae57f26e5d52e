#pragma once

#include <cstddef>

namespace zonalyst::plot {

// The panels of the window, in the order of their function buttons. What each panel is
// (its name, its picture, whether it is an analysis panel) is its row in PanelTable.h; what it
// is to the window, its row in the window's own table. Saving the picture on show (F9) is a
// command of the window, not a panel.
enum class Panel : int {
  Exit,
  Load,
  Setup,
  Readings,
  SurfaceError,
  MilliesLacroix,
  TransverseError,
  Diffraction,
  StarTest,
  TestersView,
  Count,  // the number of panels, kept last: every table of panels asserts that it has this many rows
};

inline constexpr std::size_t kPanelCount = static_cast<std::size_t>(Panel::Count);

// The panel's row in a table of panels.
constexpr std::size_t RowIndex(Panel panel) { return static_cast<std::size_t>(panel); }

}  // namespace zonalyst::plot
