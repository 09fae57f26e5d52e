#pragma once

namespace zonalyst::plot {

// The panels of the window by index: the order of its function buttons and of the keys
// Esc and F1..F10 that show them. The command line names the analysis panels too.
enum Panel : int {
  kExitPanel = 0,
  kLoadPanel = 1,
  kSetupPanel = 2,
  kReadingsPanel = 3,
  kSurfaceErrorPanel = 4,
  kMilliesLacroixPanel = 5,
  kTransverseErrorPanel = 6,
  kDiffractionPanel = 7,
  kStarTestPanel = 8,
  kSaveImagePanel = 9,
  kTestersViewPanel = 10,
};
inline constexpr int kPanelCount = 11;

// The panels that show a picture of the analysis, and whose picture F9 saves.
constexpr bool IsAnalysisPanel(int panel) {
  return (panel >= kSurfaceErrorPanel && panel <= kStarTestPanel) || panel == kTestersViewPanel;
}

// The panels whose slider moves the reference radius off the best fit, and whose frame
// says so under the picture.
constexpr bool HasReferenceOffset(int panel) {
  return panel == kSurfaceErrorPanel || panel == kTransverseErrorPanel || panel == kDiffractionPanel;
}

}  // namespace zonalyst::plot
