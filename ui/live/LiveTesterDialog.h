#pragma once

#include "core/PhotoReadings.h"
#include "core/SweepReadings.h"
#include "core/ZoneMeter.h"
#include "live/LiveClock.h"
#include "live/LiveSession.h"
#include "live/RunRecording.h"
#include "platform/Settings.h"
#include "ui/live/rules/NullMeter.h"
#include "ui/live/rules/SteppedRun.h"
#include "ui/live/rules/SweepRun.h"
#include "ui/panel/AppState.h"
#include "ui/panel/ReadingsTable.h"
#include "ui/prompt/Prompter.h"

#include <QDialog>
#include <QElapsedTimer>
#include <QTimer>

#include <deque>
#include <memory>
#include <optional>
#include <vector>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSlider;
class QSpinBox;
class QTableWidget;

namespace zonalyst::live {
class ReplayDial;
class ReplayPace;
class ReplaySource;
class SimulatedDial;
class SimulatedTester;
}  // namespace zonalyst::live

namespace zonalyst::ui {

class DiscView;
class NullMeterView;

// frmLiveTester, "Live Tester": a camera (or the simulated tester) and a dial indicator at
// the rig. The live frame with the disc and the zones' windows (picDisc; the disc found on a
// bright frame with cmdFindDisc, dragged, or typed in txtDiscX, txtDiscY, txtDiscR; chkMask);
// the null meter (picNullMeter: a signed bar per zone of c = (L - R) / (L + R) averaged over
// spnAverage frames, "null" under txtNullThreshold), the dial's value and direction
// (lblDial), the frame rate and dropped frames (lblRate), the camera's checks (lblCamera).
// The sources: cboFrameSource (cameras, "Simulated", "Recording..." to replay a recorded run), cboCameraFormat or
// cboSimulatedSize, cboDialSource
// ("Simulated knife" or, replaying, "Recorded dial", "Serial adapter", "Keyboard wedge or typing", "None (typed
// positions)"), txtDialPort, cboBaud, cboDialFormat, txtRequestByte, cmdConnectDial,
// lblDialState, txtDialValue (a typed value and Return), sldKnife (the simulated knife).
// Stepped mode (optStepped): Space or cmdRecordStep records the dial's value with the
// averaged frames, and so does a dial's new value once it settles (chkSettledStep); sweep mode (optSweep): cmdSweep
// starts and stops a sweep. The readings (picContrast, tblZones, lblPasses), Fill Set N (cboFillSet, cmdFillSet), the
// run recorded into a folder (cmdRecordTo, lblRecording); cmdOK keeps the sets filled, cmdCancel (and closing) leaves
// the test as it was.
class LiveTesterDialog final : public QDialog {
  Q_OBJECT
 public:
  LiveTesterDialog(AppState& state, Prompter& prompter, platform::SettingsStore& settings, QWidget* parent = nullptr);
  ~LiveTesterDialog() override;

  // The simulated tester's source and dial while they are in use (scripted in tests).
  live::SimulatedTester* simulatedTester() const;
  live::SimulatedDial* simulatedDial() const;
  // A recorded run's frames and dial while it is replayed.
  live::ReplaySource* replaySource() const { return replay_; }
  live::ReplayDial* replayDial() const { return replayDial_; }
  // Takes what the worker metered and shows it: as soon as the worker has metered a frame, and
  // at every repaint, 40 times a second.
  void takeFrames();
  // The newest frame shown: when it arrived, when the worker had metered it and when it was
  // first painted, with its meter.
  struct Latency {
    double arrived = 0.0;
    double metered = 0.0;
    double painted = 0.0;
  };
  std::optional<Latency> lastPaint() const { return lastPaint_; }
  // The frames that arrived, were dropped by the mailbox and were metered.
  live::MeterWorker::Counts frameCounts() const { return session_->worker().counts(); }
  int meterPaints() const { return meterPaints_; }

 protected:
  void reject() override;
  void accept() override;
  void keyPressEvent(QKeyEvent* event) override;
  // Space records a step and the arrows move the simulated knife, wherever the focus is but in
  // a box that takes text.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  enum class Mode { Stepped, Sweep };

  QWidget* buildSources();
  QWidget* buildFrameColumn();
  QWidget* buildMeterColumn();
  QWidget* buildRunRow();
  void listCameras();
  void frameSourceChosen();
  bool replayChosen() const;
  // Asks for a recorded run's list of frames and replays it; false when none is replayed.
  bool startReplay();
  void dialSourceChosen();
  void connectDial();
  void dialArrived(const live::DialArrival& value);
  void typedValueEntered();
  void knifeMoved(int step);

  void showFrame(const live::MeteredFrame& frame);
  void findDisc();
  void discTyped();
  void showDisc();
  void placeMeter();
  void showMeter();

  // Asks for a step at the knife's position now; it is recorded once enough frames of the
  // knife at rest have arrived (completeStep), at once when they already have.
  void recordStep();
  void completeStep();
  void toggleSweep();
  void setMode(Mode mode);
  void keepFrame(live::MeteredFrame& frame);  // on the worker
  void solve();
  void showReadings();
  void fillSet();
  void chooseRecording();
  void writeRecording();
  void rememberCamera();
  void endSession();

  AppState& state_;
  Prompter& prompter_;
  platform::SettingsStore& settings_;
  const MirrorTest opened_;  // the test as it was when the window opened
  live::LiveClock clock_;
  std::unique_ptr<live::LiveSession> session_;
  live::SimulatedTester* simulated_ = nullptr;
  live::SimulatedDial* simulatedDial_ = nullptr;
  live::ReplaySource* replay_ = nullptr;
  live::ReplayDial* replayDial_ = nullptr;
  std::shared_ptr<live::ReplayPace> pace_;  // the replay's frames and dial share it
  std::vector<DialSample> replayValues_;    // the recorded run's dial values
  int lastSource_ = 0;                      // the frame source chosen before "Recording..."
  QTimer repaint_;
  QElapsedTimer rateClock_;

  // The frames.
  std::shared_ptr<const GreyFrame> latest_;
  std::shared_ptr<const GreyFrame> shown_;       // the frame the view shows
  GreyFrame brightest_;                          // of the frames seen, each pixel's brightest value
  GreyFrame darkest_;                            // and darkest (a rim that stays lit shows there)
  std::deque<livetester::TimedFrame> averaged_;  // the frames the meter averages
  std::optional<PhotoDisc> found_;
  PhotoDisc disc_;
  std::shared_ptr<const live::MeterLayout> layout_;
  livetester::NullMeter meter_;
  double clipped_ = 0.0;
  std::deque<double> arrivals_;  // of the last second's frames, for the rate
  Latency newest_;               // of the newest frame taken, not yet painted
  std::optional<Latency> lastPaint_;
  int meterPaints_ = 0;

  // The dial.
  std::optional<live::DialArrival> dial_;
  std::optional<double> typedPosition_;  // without a dial: the position typed for the next step
  double restingSince_ = 0.0;            // when the dial's value or the typed position last changed

  // The run.
  Mode mode_ = Mode::Stepped;
  livetester::SteppedRun stepped_;
  livetester::DialSettling settling_;
  // A step asked for (Space, the wedge's Return, a settled dial) that waits for its frames.
  struct PendingStep {
    double position = 0.0;
    double restingSince = 0.0;
  };
  std::optional<PendingStep> pending_;
  livetester::SweepRun sweep_;
  bool sweeping_ = false;
  int stride_ = 1;       // a sweep keeps every stride-th frame
  long strideBase_ = 0;  // the number of the sweep's first frame
  std::optional<PhotoReadingsResult> steppedResult_;
  std::optional<SweepResult> sweepResult_;
  std::vector<bool> tooFast_;
  QString recordTo_;  // the folder the run is recorded into; empty: not recorded
  std::vector<live::RecordedFrame> recordedFrames_;
  QString recordError_;

  DiscView* view_ = nullptr;
  NullMeterView* meterView_ = nullptr;
  QComboBox* frameSource_ = nullptr;
  QComboBox* cameraFormat_ = nullptr;
  QComboBox* simulatedSize_ = nullptr;
  QLabel* camera_ = nullptr;
  QComboBox* dialSource_ = nullptr;
  QLineEdit* dialPort_ = nullptr;
  QComboBox* baud_ = nullptr;
  QComboBox* dialFormat_ = nullptr;
  QLineEdit* requestByte_ = nullptr;
  QPushButton* connectDial_ = nullptr;
  QLabel* dialState_ = nullptr;
  QLineEdit* typedValue_ = nullptr;
  QSlider* knife_ = nullptr;
  QDoubleSpinBox* discX_ = nullptr;
  QDoubleSpinBox* discY_ = nullptr;
  QDoubleSpinBox* discR_ = nullptr;
  QCheckBox* mask_ = nullptr;
  QSpinBox* average_ = nullptr;
  QDoubleSpinBox* threshold_ = nullptr;
  QLabel* dialLabel_ = nullptr;
  QLabel* rate_ = nullptr;
  QRadioButton* steppedMode_ = nullptr;
  QRadioButton* sweepMode_ = nullptr;
  QPushButton* recordStep_ = nullptr;
  QCheckBox* settledStep_ = nullptr;
  QPushButton* sweepButton_ = nullptr;
  QPushButton* recordButton_ = nullptr;
  QLabel* recording_ = nullptr;
  QLabel* chart_ = nullptr;
  QLabel* passes_ = nullptr;
  QTableWidget* zones_ = nullptr;
  FillSetControls fillSet_;
  QLabel* status_ = nullptr;
};

}  // namespace zonalyst::ui
