#include "WindowPanels.h"

#include "ExitPanel.h"
#include "ui/analysis/MilliesLacroixPanel.h"
#include "ui/analysis/OffsetPanel.h"
#include "ui/analysis/SpotDiffractionPanel.h"
#include "ui/analysis/StarTestPanel.h"
#include "ui/analysis/SurfaceErrorPanel.h"
#include "ui/analysis/TestersViewPanel.h"
#include "ui/analysis/rules/SliderRules.h"
#include "ui/entry/FilePanel.h"
#include "ui/entry/ReadingsPanel.h"
#include "ui/entry/SetupPanel.h"

#include <type_traits>

namespace zonalyst::ui {
namespace {

// The panel class T made with the context, and with its layout when it is an analysis panel.
template <typename T>
PanelContent* Make(const PanelContext& context, const AnalysisLayout& layout) {
  if constexpr (std::is_constructible_v<T, const PanelContext&, const AnalysisLayout&>) {
    return new T(context, layout);
  } else if constexpr (std::is_constructible_v<T, const PanelContext&>) {
    return new T(context);
  } else {
    return new T;
  }
}

constexpr std::array kWindowPanels{
    WindowPanel{.panel = Panel::Exit,
                .key = Qt::Key_Escape,
                .buttonCaption = "(ESC) - Exit",
                .frameCaption = "Exit",
                .needsTest = false,
                .make = &Make<ExitPanel>},
    WindowPanel{.panel = Panel::Load,
                .key = Qt::Key_F1,
                .buttonCaption = "(F1) - Load",
                .frameCaption = "Load / Create File",
                .needsTest = false,
                .make = &Make<FilePanel>},
    WindowPanel{.panel = Panel::Setup,
                .key = Qt::Key_F2,
                .buttonCaption = "(F2) - Setup",
                .frameCaption = "Test Setup Panel -- ",
                .captionNamesTest = true,
                .checksOnLeaving = SetupScope::SetupPanel,
                .make = &Make<SetupPanel>},
    WindowPanel{.panel = Panel::Readings,
                .key = Qt::Key_F3,
                .buttonCaption = "(F3) - KE Readings",
                .frameCaption = "Knife Edge Readings -- ",
                .captionNamesTest = true,
                .checksOnLeaving = SetupScope::ReadingsPanel,
                .make = &Make<ReadingsPanel>},
    WindowPanel{.panel = Panel::SurfaceError,
                .key = Qt::Key_F4,
                .buttonCaption = "(F4) - Surface Error",
                .frameCaption = "Surface Error Analysis -- ",
                .captionNamesTest = true,
                .pictureName = "SG",
                .resultsName = "Picture1",
                .resultIndices = {0, 1, 2, 3, 4, 5},
                .slider = analysis::kSurfaceSlider,
                .make = &Make<SurfaceErrorPanel>},
    WindowPanel{.panel = Panel::MilliesLacroix,
                .key = Qt::Key_F5,
                .buttonCaption = "(F5) M-L Plot",
                .frameCaption = "Millies-Lacroix Analysis -- ",
                .captionNamesTest = true,
                .pictureName = "PicML",
                .resultsName = "ResultsML",
                .resultIndices = {29, 28, 27, 26, 25, 24},
                .slider = analysis::kMilliesLacroixSlider,
                .make = &Make<MilliesLacroixPanel>},
    WindowPanel{.panel = Panel::TransverseError,
                .key = Qt::Key_F6,
                .buttonCaption = "(F6) - Transverse Error",
                .frameCaption = "Transverse Error Analysis -- ",
                .captionNamesTest = true,
                .pictureName = "PicTE",
                .resultsName = "ResultsTE",
                .resultIndices = {11, 10, 9, 8, 7, 6},
                .slider = analysis::kTransverseSlider,
                .make = &Make<OffsetPanel>},
    WindowPanel{.panel = Panel::Diffraction,
                .key = Qt::Key_F7,
                .buttonCaption = "(F7) - Diffraction",
                .frameCaption = "Spot Diffraction Analysis -- ",
                .captionNamesTest = true,
                .pictureName = "PicSpot",
                .resultsName = "ResultsSpot",
                .resultIndices = {12, 13, 14, 15, 16, 17},
                .slider = analysis::kSpotSlider,
                .make = &Make<SpotDiffractionPanel>},
    WindowPanel{.panel = Panel::StarTest,
                .key = Qt::Key_F8,
                .buttonCaption = "(F8) - Star Test",
                .frameCaption = "Star Test Visualization -- ",
                .captionNamesTest = true,
                .pictureName = "Pic2D",
                .resultsName = "Results2D",
                .resultIndices = {23, 22, 21, 20, 19, 18},
                .slider = analysis::kDefocusSlider,
                .make = &Make<StarTestPanel>},
    WindowPanel{.panel = Panel::TestersView,
                .key = Qt::Key_F10,
                .buttonCaption = "(F10) - Tester's View",
                .frameCaption = "Tester's View -- ",
                .captionNamesTest = true,
                .pictureName = "PicTester",
                .resultsName = "ResultsTester",
                .resultIndices = {30, 31, 32, 33, 34, 35},
                .make = &Make<TestersViewPanel>},
};

static_assert(kWindowPanels.size() == kPanelCount, "kWindowPanels needs exactly one row for each Panel");

constexpr bool RowsFollowThePanels() {
  for (std::size_t i = 0; i < kWindowPanels.size(); ++i) {
    if (RowIndex(kWindowPanels[i].panel) != i) return false;
  }
  return true;
}
static_assert(RowsFollowThePanels(), "the rows of kWindowPanels stand in the order of Panel");

constexpr WindowCommand kSaveImageCommand{
    .key = Qt::Key_F9,
    .buttonCaption = "(F9) Save as Image",
    .frameCaption = "Save Image",
    .tooltip = "Dump Screen to Clipboard, then open graphics editor and paste new image."};

}  // namespace

std::span<const WindowPanel> WindowPanels() { return kWindowPanels; }

const WindowPanel& WindowPanelOf(Panel panel) { return kWindowPanels[RowIndex(panel)]; }

const WindowCommand& SaveImageCommand() { return kSaveImageCommand; }

AnalysisLayout AnalysisLayoutOf(const WindowPanel& row) {
  // The function keys are consecutive codes: F4 is Qt::Key_F1 + 3.
  const int functionKey = row.key >= Qt::Key_F1 && row.key <= Qt::Key_F35 ? row.key - Qt::Key_F1 + 1 : 0;
  return {row.panel,
          QString::fromLatin1(row.pictureName),
          QString::fromLatin1(row.resultsName),
          row.resultIndices,
          row.slider,
          functionKey};
}

}  // namespace zonalyst::ui
