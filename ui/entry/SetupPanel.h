#pragma once

#include "core/MirrorTest.h"
#include "ui/panel/PanelContent.h"
#include "ui/panel/PanelContext.h"
#include "ui/prompt/Prompter.h"

#include <array>

class QLabel;
class QPushButton;

namespace zonalyst::ui {

// The setup panel: the mirror, the rig and the Couder mask of the open test in an entry grid of
// 52 boxes Text1_0 .. Text1_51, the mask zone wizard, and the button that prints the
// mask template.
class SetupPanel final : public PanelContent {
  Q_OBJECT
 public:
  explicit SetupPanel(const PanelContext& context);

  // Focus to box 0, then the panel drawn from the record.
  void enterPanel(const PanelEntry& entry) override;

  // Fills the boxes from the record and shows the zone rows in use (ShowSetupPanel).
  void showSetup();
  void focusBox(int box);
  // Empties every box; the record is not touched.
  void clearEntryFields();

 private:
  void buildLayout();
  void runWizard();
  bool innerOuter() const { return test_.InnerOuterEntry == 1; }

  MirrorTest& test_;
  Prompter& prompter_;
  class EntryGrid* grid_ = nullptr;
  std::array<QLabel*, 16> zoneLabels_{};  // row labels of zones 1..15
  std::array<QLabel*, 4> zoneHeaders_{};
  QPushButton* wizard_ = nullptr;
  class MaskTemplateButton* maskTemplate_ = nullptr;
  bool wizardBusy_ = false;  // held while the wizard runs: a second start is dropped
};

}  // namespace zonalyst::ui
