#include "ReferenceSliders.h"

#include "StarTestPanel.h"

#include <QScrollBar>

namespace zonalyst::ui {

void JoinReferenceSliders(std::span<AnalysisPanel* const> panels, StarTestPanel& starTest) {
  for (AnalysisPanel* panel : panels) {
    QScrollBar* slider = panel != nullptr ? panel->referenceSlider() : nullptr;
    if (slider == nullptr) continue;
    QObject::connect(slider, &QScrollBar::valueChanged, panel, [&starTest, panel] {
      starTest.followDefocus();
      panel->referenceSliderMoved();
    });
  }
}

}  // namespace zonalyst::ui
