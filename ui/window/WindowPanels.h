#pragma once

#include "core/SetupValidation.h"
#include "ui/analysis/AnalysisView.h"
#include "ui/panel/PanelContent.h"
#include "ui/panel/PanelContext.h"
#include "ui/panel/PanelId.h"

#include <Qt>

#include <array>
#include <optional>
#include <span>

namespace zonalyst::ui {

// What a panel is to the window: one row per panel, in the order of its buttons.
struct WindowPanel {
  Panel panel;
  Qt::Key key;                                  // shows the panel
  const char* buttonCaption;                    // "(F4) - Surface Error"
  const char* frameCaption;                     // "Surface Error Analysis -- "
  bool captionNamesTest = false;                // the open test's name follows the frame's caption
  bool needsTest = true;                        // its button and key work only with a test open
  std::optional<SetupScope> checksOnLeaving{};  // the setup checks that guard leaving it
  // An analysis panel's picture and result labels, the indices of its result labels
  // (glass .. RMS) and its slider of the array HScroll1 (-1: none).
  const char* pictureName = "";
  const char* resultsName = "";
  std::array<int, 6> resultIndices{};
  int slider = -1;
  // Makes the panel.
  PanelContent* (*make)(const PanelContext&, const AnalysisLayout&) = nullptr;
};

std::span<const WindowPanel> WindowPanels();
const WindowPanel& WindowPanelOf(Panel panel);

// F9, the window's one command with a button in the column of panels (at kSaveImageIndex):
// it saves the picture of the analysis panel on show and shows no panel of its own.
struct WindowCommand {
  Qt::Key key;
  const char* buttonCaption;
  const char* frameCaption;  // of the frame beside its button, which never shows
  const char* tooltip;
};
const WindowCommand& SaveImageCommand();

// What an analysis panel is told of itself.
AnalysisLayout AnalysisLayoutOf(const WindowPanel& row);

}  // namespace zonalyst::ui
