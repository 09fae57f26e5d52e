#pragma once

#include "core/PhotoReadings.h"
#include "core/SweepReadings.h"
#include "photo/RecordedSweep.h"
#include "ui/panel/AppState.h"
#include "ui/panel/PanelContext.h"
#include "ui/panel/ReadingsTable.h"
#include "ui/panel/WorkerRun.h"
#include "ui/photo/rules/PhotoSeries.h"
#include "ui/prompt/Prompter.h"

#include <QDialog>

#include <vector>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QTableWidget;

namespace zonalyst::ui {

class DiscView;

// frmPhotoReadings, "Read from Photos": the photos of a series (tblPhotos: file and knife
// position, which the user may edit), read on a worker with a progress bar (barReading) and
// a Cancel button (cmdCancelReading); the brightest-of-all frame with the disc and the
// zones' windows (picDisc, magnified by the wheel, or on the rim at one screen pixel a photo
// pixel by cmdEdgeView), the disc's centre and radius in the photos' pixels (txtDiscX,
// txtDiscY, txtDiscR), the diameter its edge stands for (txtEdgeDiameter, the test's unless
// typed) with where the scale comes from (lblScale), and the mask (chkMask); the contrast
// curves (picContrast) and each zone's reading (tblZones). Every change reads the nulls again at once. "Fill Set N"
// (cmdFillSet, the set chosen in cboFillSet) writes the readings into the open test.
// On a recorded sweep ("Read from Sweep"), the table lists the frames with their times and
// the knife positions the dial gave them, each pass's curve has its own colour and the zone
// table has the passes in and out and their difference.
class PhotoReadingsDialog final : public QDialog {
  Q_OBJECT
 public:
  PhotoReadingsDialog(const PanelContext& context, QWidget* parent = nullptr);

  // Shows the dialog modally and reads the photos once it shows.
  int run(const QStringList& paths);
  // Shows the dialog modally and reads a recorded sweep once it shows.
  int runSweep(const QString& frameList, const QString& dialLog);
  // The disc the user settled on, with the size of the frames it belongs to; none before a
  // series was read.
  std::optional<SeriesDisc> settledDisc() const;

 protected:
  void reject() override;

 private:
  QWidget* buildSeriesColumn();
  QWidget* buildDiscColumn();
  void choosePhotos();
  void showSeries();
  void showSweepFrames();
  void read();
  // The sweep's frames' times and the knife's track kept, its frames handed on as a series.
  photo::PreparedSeries keepSweep(photo::RecordedSweep recorded);
  void positionEdited(int row, int column);
  // The disc from the three boxes, or into them.
  void discTyped();
  void showDisc();
  void setDisc(const PhotoDisc& disc);
  void findDisc();
  void readNulls();
  void readSweepNulls(const DiscScale& scale);
  // The scale the readings stand on: the series' own (the edge found, or behind a mask the
  // openings) while the disc is where it was found, else the disc on screen taken as given;
  // none behind a mask whose openings do not match the zones, until the disc is placed.
  std::optional<DiscScale> readingScale() const;
  // The scale when an edge diameter is typed: the edge stands for it.
  DiscScale withEdgeGiven(const DiscScale& scale) const;
  bool discUntouched() const;
  void showScale();
  void showZones();
  void fillSet();
  bool anyRead() const;
  void setReading(bool reading);

  AppState& state_;
  Prompter& prompter_;
  platform::SettingsStore& settings_;
  WorkerRun worker_;
  bool closeAfterReading_ = false;

  std::vector<photos::SeriesPhoto> series_;
  std::vector<GreyFrame> frames_;
  std::optional<PhotoDisc> found_;
  std::optional<DiscScale> foundScale_;
  PhotoDisc start_;  // the disc found, else the one in the middle offered to be placed
  PhotoDisc disc_;
  std::optional<PhotoReadingsResult> result_;
  std::optional<double> edgeGiven_;  // the diameter typed for the disc's edge, test units
  // A recorded sweep read instead of photos: its files, and once read its frames' times and
  // the knife's track.
  struct Sweep {
    QString frameList, dialLog;
    std::vector<QString> files;
    std::vector<double> times;
    KnifeTrack track;
    QString warning;  // of the dial log's lines that gave no value
  };
  std::optional<Sweep> sweep_;
  std::optional<SweepResult> sweepResult_;
  GreyFrame brightest_;
  QString shake_;  // the frames aligned or flagged for the camera's shake, as sentences; empty when steady

  QTableWidget* photos_ = nullptr;
  QPushButton* choose_ = nullptr;
  QProgressBar* progress_ = nullptr;
  QPushButton* cancel_ = nullptr;
  DiscView* discView_ = nullptr;
  QDoubleSpinBox* discX_ = nullptr;
  QDoubleSpinBox* discY_ = nullptr;
  QDoubleSpinBox* discR_ = nullptr;
  QPushButton* findDisc_ = nullptr;
  QPushButton* edgeView_ = nullptr;
  QDoubleSpinBox* edgeDiameter_ = nullptr;
  QLabel* scale_ = nullptr;
  QCheckBox* mask_ = nullptr;
  QLabel* chart_ = nullptr;
  QTableWidget* zones_ = nullptr;
  FillSetControls fillSet_;
  QLabel* status_ = nullptr;
};

}  // namespace zonalyst::ui
