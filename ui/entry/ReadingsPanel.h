#pragma once

#include "core/MirrorTest.h"
#include "ui/panel/PanelContent.h"
#include "ui/panel/PanelContext.h"

#include <array>

class QLabel;

namespace zonalyst::ui {

// The readings panel: the knife-edge readings of the open test, up to four sets per zone beside
// each zone's effective radius and ideal reading, and a side column that repeats the
// rig and mirror values: an entry grid of cells lblF3Kedata_0 .. lblF3Kedata_65. The
// zone averages follow every commit. "Read from Photos..." (cmdReadPhotos) fills a set from
// a series of photographs of the tester's view; "Read from Sweep..." (cmdReadSweep) from a
// recorded sweep of the knife; "Live Tester..." (cmdLiveTester) from a camera and a dial at
// the rig.
class ReadingsPanel final : public PanelContent {
  Q_OBJECT
 public:
  explicit ReadingsPanel(const PanelContext& context);

  // The number of sets into its cell and the focus there, then the panel drawn.
  void enterPanel(const PanelEntry& entry) override;

  // Fills the cells and labels from the record; rows and columns in use show (ShowReadingsPanel).
  void showReadings();
  void focusCell(int cell);
  // Empties every cell; the record is not touched.
  void clearEntryFields();

 signals:
  // "Read from Photos..." pressed: the window asks for the photos and opens them in the photo
  // readings dialog; showReadings follows.
  void readFromPhotosRequested();
  // "Read from Sweep..." pressed: the window asks for a recorded sweep's files and opens them
  // in the photo readings dialog; showReadings follows.
  void readFromSweepRequested();
  // "Live Tester..." pressed: the window opens the live tester; showReadings follows.
  void liveTesterRequested();

 private:
  void buildLayout();

  PanelContext context_;
  MirrorTest& test_;
  class EntryGrid* cells_ = nullptr;
  std::array<QLabel*, 16> zoneLabels_{};
  std::array<QLabel*, 16> effective_{};
  std::array<QLabel*, 16> ideal_{};
  std::array<QLabel*, 5> setHeaders_{};  // sets 1..4
  QLabel* zoneCount_ = nullptr;
};

}  // namespace zonalyst::ui
