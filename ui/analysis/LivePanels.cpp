#include "LivePanels.h"

#include <QScrollBar>
#include <array>

#include "ImageExport.h"
#include "ui/window/MainWindow.h"
#include "MilliesLacroixPanel.h"
#include "ui/window/PanelTexts.h"
#include "SpotDiffractionPanel.h"
#include "StarTestPanel.h"
#include "SurfaceErrorPanel.h"
#include "TestersViewPanel.h"
#include "ui/analysis/rules/SliderRules.h"

namespace zonalyst::ui {

LivePanels InstallLivePanels(MainWindow& window, platform::Clipboard& clipboard) {
  LivePanels panels;
  panels.surface = new SurfaceErrorPanel(window, clipboard);
  panels.milliesLacroix = new MilliesLacroixPanel(window);
  panels.transverse = new OffsetPanel(window, kTransverseErrorPanel, live::kTransverseSlider);
  panels.spot = new SpotDiffractionPanel(window);
  panels.star = new StarTestPanel(window);
  window.setPanelContent(kSurfaceErrorPanel, panels.surface);
  window.setPanelContent(kMilliesLacroixPanel, panels.milliesLacroix);
  window.setPanelContent(kTransverseErrorPanel, panels.transverse);
  window.setPanelContent(kDiffractionPanel, panels.spot);
  window.setPanelContent(kStarTestPanel, panels.star);
  panels.testersView = new TestersViewPanel(window);
  window.setPanelContent(kTestersViewPanel, panels.testersView);

  // The slider array HScroll1, by index, and its common handler: every movement first
  // sets "High Detail" by the defocus slider, then redraws the slider's own panel.
  const std::array<std::pair<QScrollBar*, LivePanel*>, live::kReferenceSliderCount> array = {{
      {panels.surface->referenceSlider(), panels.surface},
      {panels.transverse->referenceSlider(), panels.transverse},
      {panels.spot->referenceSlider(), panels.spot},
      {panels.star->referenceSlider(), panels.star},
      {panels.milliesLacroix->referenceSlider(), panels.milliesLacroix},
  }};
  StarTestPanel* star = panels.star;
  for (const auto& [slider, panel] : array) {
    QObject::connect(slider, &QScrollBar::valueChanged, panel, [star, panel = panel] {
      star->followDefocus();
      panel->referenceSliderMoved();
    });
  }
  window.setImageSaver([&window, star](int panel) { SaveImageAndReport(window, *star, panel); });
  return panels;
}

}  // namespace zonalyst::ui
