#pragma once

#include "core/PhotoReadings.h"
#include "ui/panel/AppState.h"
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
// zones' windows (picDisc), the disc's centre and radius in the photos' pixels (txtDiscX,
// txtDiscY, txtDiscR) and the mask (chkMask); the contrast curves (picContrast) and each
// zone's reading (tblZones). Every change reads the nulls again at once. "Fill Set N"
// (cmdFillSet, the set chosen in cboFillSet) writes the readings into the open test.
class PhotoReadingsDialog final : public QDialog {
  Q_OBJECT
 public:
  PhotoReadingsDialog(AppState& state, Prompter& prompter, QWidget* parent = nullptr);

  // Shows the dialog modally and reads the photos once it shows.
  int run(const QStringList& paths);

 protected:
  void reject() override;

 private:
  QWidget* buildSeriesColumn();
  QWidget* buildDiscColumn();
  void choosePhotos();
  void showSeries();
  void read();
  void positionEdited(int row, int column);
  // The disc from the three boxes, or into them.
  void discTyped();
  void showDisc();
  void setDisc(const PhotoDisc& disc);
  void findDisc();
  void readNulls();
  void showZones();
  void fillSet();
  void setReading(bool reading);

  AppState& state_;
  Prompter& prompter_;
  WorkerRun worker_;
  bool closeAfterReading_ = false;

  std::vector<photos::SeriesPhoto> series_;
  std::vector<GreyFrame> frames_;
  std::optional<PhotoDisc> found_;
  PhotoDisc disc_;
  std::optional<PhotoReadingsResult> result_;

  QTableWidget* photos_ = nullptr;
  QPushButton* choose_ = nullptr;
  QProgressBar* progress_ = nullptr;
  QPushButton* cancel_ = nullptr;
  DiscView* discView_ = nullptr;
  QDoubleSpinBox* discX_ = nullptr;
  QDoubleSpinBox* discY_ = nullptr;
  QDoubleSpinBox* discR_ = nullptr;
  QPushButton* findDisc_ = nullptr;
  QCheckBox* mask_ = nullptr;
  QLabel* chart_ = nullptr;
  QTableWidget* zones_ = nullptr;
  QComboBox* set_ = nullptr;
  QPushButton* fill_ = nullptr;
  QLabel* status_ = nullptr;
};

}  // namespace zonalyst::ui
