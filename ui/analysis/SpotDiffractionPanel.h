#pragma once

#include "OffsetPanel.h"

namespace zonalyst::ui {

// The spot diffraction profile: the reference slider HScroll1(2), the central
// obstruction slider scrlF6Obst with its caption lblF6Obst(1), and the legend
// lblF6Ideal(0) "- Ideal" / lblF6Ideal(1) "- Actual" over the picture. Entering the panel
// draws without obstruction whatever the obstruction slider shows; the next movement of
// either slider applies it.
class SpotDiffractionPanel final : public OffsetPanel {
  Q_OBJECT
 public:
  SpotDiffractionPanel(const PanelContext& context, const AnalysisLayout& layout);
  QScrollBar* obstructionSlider() const { return obstruction_; }

 protected:
  void drawBestFit() override;
  void drawAt(double offsetMm) override;

 private:
  void obstructionMoved();

  QScrollBar* obstruction_;
  QLabel* obstructionCaption_;
};

}  // namespace zonalyst::ui
