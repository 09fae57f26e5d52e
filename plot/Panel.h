#pragma once

namespace zonalyst::plot {

// The panels of the window, in the order of its function buttons. What each panel is
// (its name, its picture, whether it is an analysis panel) is its row in PanelTable.h.
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
  SaveImage,
  TestersView,
};

// The panel's place in the column of function buttons, which numbers its frame and button.
constexpr int IndexOf(Panel panel) { return static_cast<int>(panel); }

}  // namespace zonalyst::plot
