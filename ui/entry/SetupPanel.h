#pragma once

#include <array>

#include "ui/panel/PanelContent.h"
#include "ui/panel/PanelContext.h"
#include "ui/prompt/Prompter.h"
#include "core/MirrorTest.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace zonalyst::ui {

// Panel 2: the mirror, the rig and the Couder mask of the open test in 52 boxes
// Text1_0 .. Text1_51, each writing into the record when it loses the focus, and the
// mask zone wizard, and the button that prints the mask template.
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

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void buildLayout();
  bool handleKey(int box, const class QKeyEvent& event);
  void commit(int box);
  void runWizard();
  bool innerOuter() const { return test_.InnerOuterEntry == 1; }

  MirrorTest& test_;
  Prompter& prompter_;
  std::array<QLineEdit*, 52> boxes_{};
  std::array<QLabel*, 16> zoneLabels_{};  // row labels of zones 1..15
  std::array<QLabel*, 4> zoneHeaders_{};
  QPushButton* wizard_ = nullptr;
  class MaskTemplateButton* maskTemplate_ = nullptr;
  bool wizardBusy_ = false;
};

}  // namespace zonalyst::ui
