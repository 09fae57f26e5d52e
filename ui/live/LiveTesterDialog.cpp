#include "LiveTesterDialog.h"

#include "NullMeterView.h"
#include "RecordedRun.h"
#include "core/DialProtocols.h"
#include "core/NumberText.h"
#include "core/ReadingSetFill.h"
#include "live/CameraSource.h"
#include "live/Replay.h"
#include "live/SerialDial.h"
#include "live/SimulatedDial.h"
#include "live/SimulatedTester.h"
#include "live/TypedDial.h"
#include "plot/ContrastCurvesChart.h"
#include "plot/RasterSurface.h"
#include "ui/panel/DiscView.h"
#include "ui/panel/EntryBoxes.h"
#include "ui/panel/ReadingSetQuestion.h"
#include "ui/panel/ReadingsTable.h"
#include "ui/panel/rules/SweepTable.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace zonalyst::ui {
namespace {

// The window repaints the meter 40 times a second, and takes each frame as soon as it is metered.
constexpr int kRepaintMs = 25;
// The simulated knife's slider moves in steps of a micrometre (or a ten-thousandth of an inch).
constexpr double kKnifeStepsPerUnitMm = 1000.0;
constexpr double kKnifeStepsPerUnitInch = 10000.0;
// How far the simulated knife reaches beyond the test's readings, mm.
constexpr double kKnifeMarginMm = 0.5;
// More clipped pixels in the disc than this (per cent) are warned of.
constexpr double kClippedWarningPercent = 1.0;

const char* const kLiveSection = "Live";

QString Number(double value, int decimals) {
  return QString::fromStdString(FormatFixed(value, decimals)).replace(QLatin1Char('.'), DecimalSeparatorChar());
}

template <typename Box>
Box* Named(Box* box, const char* name) {
  box->setObjectName(QString::fromLatin1(name));
  return box;
}

QDoubleSpinBox* DiscBox(const char* name, QWidget* parent) {
  auto* box = Named(new QDoubleSpinBox(parent), name);
  box->setDecimals(1);
  box->setRange(-100000.0, 100000.0);
  box->setKeyboardTracking(false);
  return box;
}

// The zones as the disc view draws them: green where the meter reads them.
std::vector<ZoneNull> ViewZones(const std::vector<MeteredZone>& zones) {
  std::vector<ZoneNull> shown;
  for (const MeteredZone& zone : zones) {
    ZoneNull view;
    view.zone = zone.zone;
    view.left = Covering(zone.windows.left);
    view.right = Covering(zone.windows.right);
    view.status = zone.status;
    shown.push_back(view);
  }
  return shown;
}

}  // namespace

LiveTesterDialog::LiveTesterDialog(AppState& state, Prompter& prompter, platform::SettingsStore& settings,
                                   QWidget* parent)
    : QDialog(parent), state_(state), prompter_(prompter), settings_(settings), opened_(state.test) {
  setObjectName(QStringLiteral("frmLiveTester"));
  setWindowTitle(QStringLiteral("Live Tester"));
  setModal(true);
  session_ = std::make_unique<live::LiveSession>(clock_);
  // Each frame is taken as soon as the worker has metered it, up to a repaint sooner.
  session_->worker().setOnMetered(
      [this] { QMetaObject::invokeMethod(this, &LiveTesterDialog::takeFrames, Qt::QueuedConnection); });
  connect(session_.get(), &live::LiveSession::dialArrived, this, &LiveTesterDialog::dialArrived);
  connect(session_.get(), &live::LiveSession::dialStateChanged, this,
          [this](live::DialState state, const QString& text) {
            dialState_->setText(state == live::DialState::Disconnected ? text : QString());
            connectDial_->setText(state == live::DialState::Disconnected ? QStringLiteral("Reconnect")
                                                                         : QStringLiteral("Connect"));
          });
  connect(session_.get(), &live::LiveSession::frameSourceFailed, this,
          [this](const QString& text) { camera_->setText(text); });

  chart_ = Named(new QLabel(this), "picContrast");
  chart_->setFixedSize(plot::kContrastChartWidth / 2, plot::kContrastChartHeight / 2);
  chart_->setScaledContents(true);
  passes_ = Named(new QLabel(this), "lblPasses");
  zones_ = MakeReadingsTable(6, this);
  fillSet_ = MakeFillSetControls(state_.test, this);
  connect(fillSet_.fill, &QPushButton::clicked, this, &LiveTesterDialog::fillSet);
  auto* ok = Named(new QPushButton(QStringLiteral("OK"), this), "cmdOK");
  auto* cancel = Named(new QPushButton(QStringLiteral("Cancel"), this), "cmdCancel");
  connect(ok, &QPushButton::clicked, this, &LiveTesterDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &LiveTesterDialog::reject);
  for (QPushButton* button : {fillSet_.fill, ok, cancel}) button->setAutoDefault(false);
  status_ = Named(new QLabel(this), "lblLiveStatus");
  status_->setWordWrap(true);

  auto* top = new QHBoxLayout;
  top->addWidget(buildFrameColumn());
  top->addWidget(buildMeterColumn(), 1);
  auto* readings = new QVBoxLayout;
  readings->addWidget(chart_);
  readings->addWidget(passes_);
  readings->addStretch(1);
  top->addLayout(readings);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(status_, 1);
  buttons->addWidget(new QLabel(QStringLiteral("Reading set"), this));
  buttons->addWidget(fillSet_.set);
  buttons->addWidget(fillSet_.fill);
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(buildSources());
  layout->addLayout(top, 1);
  layout->addWidget(buildRunRow());
  layout->addWidget(zones_);
  layout->addLayout(buttons);

  qApp->installEventFilter(this);
  listCameras();
  setMode(Mode::Stepped);
  connect(&repaint_, &QTimer::timeout, this, &LiveTesterDialog::takeFrames);
  repaint_.start(kRepaintMs);
  rateClock_.start();
}

LiveTesterDialog::~LiveTesterDialog() {
  qApp->removeEventFilter(this);
  endSession();
}

QWidget* LiveTesterDialog::buildSources() {
  auto* row = new QWidget(this);
  frameSource_ = Named(new QComboBox(row), "cboFrameSource");
  cameraFormat_ = Named(new QComboBox(row), "cboCameraFormat");
  simulatedSize_ = Named(new QComboBox(row), "cboSimulatedSize");
  simulatedSize_->setToolTip(QStringLiteral("The simulated camera's frame: smaller frames for slower computers"));
  for (const QSize size : {QSize(640, 480), QSize(320, 240), QSize(160, 120)}) {
    simulatedSize_->addItem(QStringLiteral("%1 x %2").arg(size.width()).arg(size.height()), size);
  }
  dialSource_ = Named(new QComboBox(row), "cboDialSource");
  dialSource_->addItems({QStringLiteral("Simulated knife"), QStringLiteral("Serial adapter"),
                         QStringLiteral("Keyboard wedge or typing"), QStringLiteral("None (typed positions)")});
  dialPort_ = Named(new QLineEdit(row), "txtDialPort");
  dialPort_->setPlaceholderText(QStringLiteral("/dev/ttyUSB0"));
  dialPort_->setText(QString::fromStdString(settings_.read(kLiveSection, "Dial_Port")));
  baud_ = Named(new QComboBox(row), "cboBaud");
  for (const char* rate : {"1200", "2400", "4800", "9600", "19200", "38400", "57600", "115200"}) {
    baud_->addItem(QString::fromLatin1(rate));
  }
  baud_->setCurrentText(QStringLiteral("9600"));
  dialFormat_ = Named(new QComboBox(row), "cboDialFormat");
  for (const DialFormat format :
       {DialFormat::Auto, DialFormat::Digimatic, DialFormat::Arduino, DialFormat::Text, DialFormat::Mitutoyo}) {
    dialFormat_->addItem(QString::fromStdString(DialFormatName(format)), static_cast<int>(format));
  }
  requestByte_ = Named(new QLineEdit(row), "txtRequestByte");
  requestByte_->setPlaceholderText(QStringLiteral("request"));
  requestByte_->setToolTip(
      QStringLiteral("For adapters that answer on demand: the character that asks for a value (blank: none)"));
  requestByte_->setMaxLength(1);
  requestByte_->setMaximumWidth(60);
  connectDial_ = Named(new QPushButton(QStringLiteral("Connect"), row), "cmdConnectDial");
  dialState_ = Named(new QLabel(row), "lblDialState");
  connect(frameSource_, &QComboBox::activated, this, &LiveTesterDialog::frameSourceChosen);
  connect(cameraFormat_, &QComboBox::activated, this, &LiveTesterDialog::frameSourceChosen);
  connect(simulatedSize_, &QComboBox::activated, this, &LiveTesterDialog::frameSourceChosen);
  connect(dialSource_, &QComboBox::activated, this, &LiveTesterDialog::dialSourceChosen);
  connect(connectDial_, &QPushButton::clicked, this, &LiveTesterDialog::connectDial);
  auto* layout = new QHBoxLayout(row);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(new QLabel(QStringLiteral("Frames"), row));
  layout->addWidget(frameSource_);
  layout->addWidget(cameraFormat_);
  layout->addWidget(simulatedSize_);
  layout->addSpacing(12);
  layout->addWidget(new QLabel(QStringLiteral("Dial"), row));
  layout->addWidget(dialSource_);
  layout->addWidget(dialPort_);
  layout->addWidget(baud_);
  layout->addWidget(dialFormat_);
  layout->addWidget(requestByte_);
  layout->addWidget(connectDial_);
  layout->addWidget(dialState_);
  layout->addStretch(1);
  return row;
}

QWidget* LiveTesterDialog::buildFrameColumn() {
  auto* column = new QWidget(this);
  view_ = new DiscView(column);
  connect(view_, &DiscView::discMoved, this, [this](const PhotoDisc& disc) {
    disc_ = disc;
    showDisc();
    placeMeter();
  });
  discX_ = DiscBox("txtDiscX", column);
  discY_ = DiscBox("txtDiscY", column);
  discR_ = DiscBox("txtDiscR", column);
  discR_->setMinimum(2.0);
  for (QDoubleSpinBox* box : {discX_, discY_, discR_}) {
    connect(box, &QDoubleSpinBox::valueChanged, this, &LiveTesterDialog::discTyped);
  }
  auto* find = Named(new QPushButton(QStringLiteral("Find Disc"), column), "cmdFindDisc");
  find->setAutoDefault(false);
  connect(find, &QPushButton::clicked, this, &LiveTesterDialog::findDisc);
  mask_ = Named(new QCheckBox(QStringLiteral("Couder mask"), column), "chkMask");
  connect(mask_, &QCheckBox::toggled, this, &LiveTesterDialog::placeMeter);
  knife_ = Named(new QSlider(Qt::Horizontal, column), "sldKnife");
  knife_->setToolTip(QStringLiteral("The simulated knife: drag it, or use the arrow keys"));
  connect(knife_, &QSlider::valueChanged, this, &LiveTesterDialog::knifeMoved);
  auto* boxes = new QHBoxLayout;
  for (const auto& [caption, box] : {std::pair{"Centre x", discX_}, {"y", discY_}, {"Radius", discR_}}) {
    boxes->addWidget(new QLabel(QString::fromLatin1(caption), column));
    boxes->addWidget(box);
  }
  auto* more = new QHBoxLayout;
  more->addWidget(find);
  more->addWidget(mask_);
  more->addStretch(1);
  auto* layout = new QVBoxLayout(column);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(view_);
  layout->addLayout(boxes);
  layout->addLayout(more);
  layout->addWidget(knife_);
  layout->addStretch(1);
  return column;
}

QWidget* LiveTesterDialog::buildMeterColumn() {
  auto* column = new QWidget(this);
  meterView_ = new NullMeterView(column);
  average_ = Named(new QSpinBox(column), "spnAverage");
  average_->setRange(1, livetester::NullMeter::kMostFrames);
  average_->setValue(meter_.frames());
  connect(average_, &QSpinBox::valueChanged, this, [this](int frames) {
    meter_.setFrames(frames);
    while (static_cast<int>(averaged_.size()) > frames) averaged_.pop_front();
    completeStep();
  });
  threshold_ = Named(new QDoubleSpinBox(column), "txtNullThreshold");
  threshold_->setDecimals(3);
  threshold_->setRange(0.001, 0.5);
  threshold_->setSingleStep(0.005);
  threshold_->setValue(0.02);
  dialLabel_ = Named(new QLabel(column), "lblDial");
  rate_ = Named(new QLabel(column), "lblRate");
  camera_ = Named(new QLabel(column), "lblCamera");
  camera_->setWordWrap(true);
  typedValue_ = Named(new QLineEdit(column), "txtDialValue");
  typedValue_->setPlaceholderText(QStringLiteral("knife position, Return"));
  connect(typedValue_, &QLineEdit::returnPressed, this, &LiveTesterDialog::typedValueEntered);
  auto* grid = new QGridLayout;
  grid->addWidget(new QLabel(QStringLiteral("Average of frames"), column), 0, 0);
  grid->addWidget(average_, 0, 1);
  grid->addWidget(new QLabel(QStringLiteral("Null under |c| <"), column), 1, 0);
  grid->addWidget(threshold_, 1, 1);
  grid->addWidget(new QLabel(QStringLiteral("Typed dial value"), column), 2, 0);
  grid->addWidget(typedValue_, 2, 1);
  auto* layout = new QVBoxLayout(column);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(meterView_, 1);
  layout->addLayout(grid);
  layout->addWidget(dialLabel_);
  layout->addWidget(rate_);
  layout->addWidget(camera_);
  return column;
}

QWidget* LiveTesterDialog::buildRunRow() {
  auto* row = new QWidget(this);
  steppedMode_ = Named(new QRadioButton(QStringLiteral("Stepped"), row), "optStepped");
  sweepMode_ = Named(new QRadioButton(QStringLiteral("Sweep"), row), "optSweep");
  auto* modes = new QButtonGroup(row);
  modes->addButton(steppedMode_);
  modes->addButton(sweepMode_);
  connect(steppedMode_, &QRadioButton::clicked, this, [this] { setMode(Mode::Stepped); });
  connect(sweepMode_, &QRadioButton::clicked, this, [this] { setMode(Mode::Sweep); });
  recordStep_ = Named(new QPushButton(QStringLiteral("Record Step (Space)"), row), "cmdRecordStep");
  connect(recordStep_, &QPushButton::clicked, this, &LiveTesterDialog::recordStep);
  settledStep_ = Named(new QCheckBox(QStringLiteral("Also when the dial settles"), row), "chkSettledStep");
  settledStep_->setToolTip(QStringLiteral("Record a step once the dial has shown a new value for a second"));
  settledStep_->setChecked(true);
  sweepButton_ = Named(new QPushButton(QStringLiteral("Start Sweep"), row), "cmdSweep");
  connect(sweepButton_, &QPushButton::clicked, this, &LiveTesterDialog::toggleSweep);
  recordButton_ = Named(new QPushButton(QStringLiteral("Record to Folder..."), row), "cmdRecordTo");
  connect(recordButton_, &QPushButton::clicked, this, &LiveTesterDialog::chooseRecording);
  recording_ = Named(new QLabel(QStringLiteral("Not recorded"), row), "lblRecording");
  for (QPushButton* button : {recordStep_, sweepButton_, recordButton_}) button->setAutoDefault(false);
  auto* layout = new QHBoxLayout(row);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(steppedMode_);
  layout->addWidget(sweepMode_);
  layout->addWidget(recordStep_);
  layout->addWidget(settledStep_);
  layout->addWidget(sweepButton_);
  layout->addSpacing(12);
  layout->addWidget(recordButton_);
  layout->addWidget(recording_, 1);
  return row;
}

live::SimulatedTester* LiveTesterDialog::simulatedTester() const { return simulated_; }
live::SimulatedDial* LiveTesterDialog::simulatedDial() const { return simulatedDial_; }

void LiveTesterDialog::listCameras() {
  const QSignalBlocker quiet(frameSource_);
  frameSource_->clear();
  for (const QCameraDevice& device : live::CameraSource::cameras()) {
    frameSource_->addItem(device.description(), device.id());
  }
  frameSource_->addItem(QStringLiteral("Simulated"), QByteArray());
  frameSource_->addItem(QStringLiteral("Recording..."), QByteArray());
  const QString remembered = QString::fromStdString(settings_.read(kLiveSection, "Frame_Source"));
  const int at = frameSource_->findText(remembered);
  frameSource_->setCurrentIndex(at >= 0 && at < frameSource_->count() - 1 ? at : 0);
  frameSourceChosen();
}

bool LiveTesterDialog::replayChosen() const { return frameSource_->currentIndex() == frameSource_->count() - 1; }

void LiveTesterDialog::frameSourceChosen() {
  if (sweeping_) toggleSweep();
  simulated_ = nullptr;
  simulatedDial_ = nullptr;
  replay_ = nullptr;
  replayDial_ = nullptr;
  session_->setDialSource(nullptr);
  session_->setFrameSource(nullptr);
  latest_.reset();
  brightest_ = {};
  darkest_ = {};
  averaged_.clear();
  arrivals_.clear();
  pending_.reset();
  meter_.clear();
  found_.reset();
  layout_.reset();
  session_->worker().setLayout(nullptr);
  const QByteArray id = frameSource_->currentData().toByteArray();
  const bool replay = replayChosen();
  const bool simulated = !replay && id.isEmpty();
  cameraFormat_->setVisible(!simulated && !replay);
  simulatedSize_->setVisible(simulated);
  knife_->setVisible(simulated);
  dialSource_->setItemText(0, replay ? QStringLiteral("Recorded dial") : QStringLiteral("Simulated knife"));
  if (replay) {
    if (!startReplay()) {
      frameSource_->setCurrentIndex(lastSource_);
      frameSourceChosen();
      return;
    }
    dialSource_->setCurrentIndex(0);
  } else {
    lastSource_ = frameSource_->currentIndex();
    settings_.write(kLiveSection, "Frame_Source", frameSource_->currentText().toStdString());
  }
  if (simulated) {
    live::SimulatedRig rig;
    rig.width = simulatedSize_->currentData().toSize().width();
    rig.height = simulatedSize_->currentData().toSize().height();
    auto tester = std::make_unique<live::SimulatedTester>(state_.test, clock_, rig);
    simulated_ = tester.get();
    double low = 1e300, high = -1e300;
    for (int z = 1; z <= state_.test.zones(); ++z) {
      low = std::min(low, state_.test.KeAverage[static_cast<std::size_t>(z)]);
      high = std::max(high, state_.test.KeAverage[static_cast<std::size_t>(z)]);
    }
    const double steps = state_.test.inInches() ? kKnifeStepsPerUnitInch : kKnifeStepsPerUnitMm;
    const double margin = kKnifeMarginMm / state_.test.mmPerUnit();
    {
      const QSignalBlocker quiet(knife_);
      knife_->setRange(static_cast<int>(std::floor((low - margin) * steps)),
                       static_cast<int>(std::ceil((high + margin) * steps)));
      knife_->setSingleStep(10);  // 0.01 mm, 0.001 in
      knife_->setPageStep(state_.test.inInches() ? 40 : 100);
      knife_->setValue(static_cast<int>(std::lround((low - margin) * steps)));
    }
    session_->setFrameSource(std::move(tester));
    knifeMoved(knife_->value());
    camera_->setText(QStringLiteral("The simulated tester: the open test's mirror as the knife shows it."));
  } else if (!replay) {
    QCameraDevice device;
    for (const QCameraDevice& d : live::CameraSource::cameras()) {
      if (d.id() == id) device = d;
    }
    const QList<QCameraFormat> formats = device.videoFormats();
    const QString remembered =
        QString::fromStdString(settings_.read(kLiveSection, "Camera_Format_" + id.toHex().toStdString()));
    {
      const QSignalBlocker quiet(cameraFormat_);
      if (sender() != cameraFormat_) {
        cameraFormat_->clear();
        for (const QCameraFormat& format : formats) cameraFormat_->addItem(live::CameraSource::FormatText(format));
        const int at = cameraFormat_->findText(remembered);
        const QString preferred = live::CameraSource::FormatText(live::CameraSource::PreferredFormat(device));
        cameraFormat_->setCurrentIndex(at >= 0 ? at : std::max(0, cameraFormat_->findText(preferred)));
      }
    }
    const int chosen = cameraFormat_->currentIndex();
    const QCameraFormat format = chosen >= 0 && chosen < formats.size() ? formats[chosen] : QCameraFormat();
    auto camera = std::make_unique<live::CameraSource>(device, format, clock_);
    live::CameraSource* source = camera.get();
    if (session_->setFrameSource(std::move(camera))) {
      const live::ExposureLock lock = source->lockExposure();
      camera_->setText(lock.text);
      rememberCamera();
    }
  }
  // The simulated knife has no dial without the simulated tester.
  if (!simulated && !replay && dialSource_->currentIndex() == 0) dialSource_->setCurrentIndex(1);
  dialSourceChosen();
}

bool LiveTesterDialog::startReplay() {
  const std::optional<SweepFiles> files =
      ChooseSweep(prompter_, settings_, state_.folder, QStringLiteral("Replay a Recording"));
  if (!files) return false;
  // A run is never recorded into the folder it is replayed from.
  if (!recordTo_.isEmpty() && QFileInfo(files->frameList).absoluteDir() == QDir(recordTo_)) {
    recordTo_.clear();
    recording_->setText(QStringLiteral("Not recorded: the replay is read from that folder"));
  }
  RecordedRun run = ReadRecordedRun(state_.test, *files);
  if (!run.error.isEmpty()) {
    MessageRequest refusal;
    refusal.text = QStringLiteral("The run cannot be replayed: %1").arg(run.error);
    refusal.title = windowTitle();
    refusal.icon = MessageIcon::Critical;
    prompter_.message(refusal);
    return false;
  }
  pace_ = std::make_shared<live::ReplayPace>(clock_, run.firstTime);
  replayValues_ = std::move(run.dial);
  const QString text = QStringLiteral("Replaying %1 frames of %2 at their own pace.")
                           .arg(run.frames.size())
                           .arg(QDir::toNativeSeparators(files->frameList));
  auto source = std::make_unique<live::ReplaySource>(std::move(run.frames), pace_);
  replay_ = source.get();
  connect(replay_, &live::FrameSource::finished, this,
          [this, text] { camera_->setText(text + QStringLiteral(" The recording has ended.")); });
  session_->setFrameSource(std::move(source));
  camera_->setText(text);
  return true;
}

void LiveTesterDialog::dialSourceChosen() {
  const int choice = dialSource_->currentIndex();
  if (choice == 0 && simulated_ == nullptr && replay_ == nullptr) {
    dialState_->setText(QStringLiteral("The simulated knife needs the simulated tester."));
    session_->setDialSource(nullptr);
    return;
  }
  const bool serial = choice == 1;
  for (QWidget* control : std::initializer_list<QWidget*>{dialPort_, baud_, dialFormat_, requestByte_, connectDial_}) {
    control->setVisible(serial);
  }
  typedValue_->setEnabled(choice >= 2);
  dial_.reset();
  typedPosition_.reset();
  pending_.reset();
  dialState_->clear();
  simulatedDial_ = nullptr;
  replayDial_ = nullptr;
  if (choice == 0 && replay_ != nullptr) {
    auto dial = std::make_unique<live::ReplayDial>(replayValues_, state_.test.inInches(), pace_);
    replayDial_ = dial.get();
    session_->setDialSource(std::move(dial));
  } else if (choice == 0) {
    auto dial = std::make_unique<live::SimulatedDial>(*simulated_, clock_);
    simulatedDial_ = dial.get();
    session_->setDialSource(std::move(dial));
  } else if (choice == 2) {
    session_->setDialSource(std::make_unique<live::TypedDial>(clock_, state_.test.inInches(), 0.0));
  } else {
    session_->setDialSource(nullptr);
    if (serial && !dialPort_->text().trimmed().isEmpty()) connectDial();
  }
  showMeter();
}

void LiveTesterDialog::connectDial() {
  live::SerialDialSettings settings;
  settings.port = dialPort_->text().trimmed();
  settings.baud = baud_->currentText().toInt();
  settings.format = static_cast<DialFormat>(dialFormat_->currentData().toInt());
  if (!requestByte_->text().isEmpty()) settings.request = requestByte_->text().front().toLatin1();
  if (settings.port.isEmpty()) {
    dialState_->setText(QStringLiteral("Type the adapter's port, such as /dev/ttyUSB0."));
    return;
  }
  settings_.write(kLiveSection, "Dial_Port", settings.port.toStdString());
  session_->setDialSource(std::make_unique<live::SerialDial>(settings, clock_, state_.test.inInches(), 0.0));
}

void LiveTesterDialog::dialArrived(const live::DialArrival& value) {
  if (!dial_ || dial_->sample.position != value.sample.position) restingSince_ = value.sample.timeS;
  dial_ = value;
  if (pending_ && pending_->position != value.sample.position) {
    status_->setText(QStringLiteral("The knife moved before the step at %1 had its frames: no step recorded.")
                         .arg(Number(pending_->position, state_.test.inInches() ? 4 : 3)));
    pending_.reset();
  }
  if (sweeping_) sweep_.addDial(value.sample);
  showMeter();
  // A typed value or a wedge's records its step by its Return.
  const bool typed = dialSource_->currentIndex() >= 2;
  if (mode_ == Mode::Stepped && !typed && settledStep_->isChecked() &&
      settling_.feed(value.sample.timeS, value.sample.position)) {
    recordStep();
  }
}

void LiveTesterDialog::typedValueEntered() {
  const QString text = typedValue_->text();
  if (dialSource_->currentIndex() == 3) {
    const DialDecoding decoding = DecodeDialLine(text.trimmed().toStdString(), DialFormat::Text);
    if (!decoding.value) {
      status_->setText(QStringLiteral("Not a knife position: %1").arg(QString::fromStdString(decoding.problem)));
      return;
    }
    typedPosition_ = DialReading(*decoding.value, state_.test.inInches(), 0.0);
    restingSince_ = clock_.now();
    typedValue_->selectAll();
    showMeter();
    return;
  }
  auto* typed = qobject_cast<live::TypedDial*>(session_->dialSource());
  if (typed == nullptr) return;
  if (!typed->enter(text)) {
    status_->setText(QStringLiteral("Not a dial value: %1").arg(text));
    return;
  }
  typedValue_->clear();
  // A wedge's Return records the step, as Space does.
  if (mode_ == Mode::Stepped) recordStep();
}

void LiveTesterDialog::knifeMoved(int step) {
  if (simulated_ == nullptr) return;
  const double steps = state_.test.inInches() ? kKnifeStepsPerUnitInch : kKnifeStepsPerUnitMm;
  simulated_->setKnife(step / steps);
}

void LiveTesterDialog::takeFrames() {
  std::vector<live::MeteredFrame> frames = session_->worker().take();
  for (live::MeteredFrame& frame : frames) {
    if (!frame.error.empty()) {
      camera_->setText(QString::fromStdString(frame.error));
      continue;
    }
    showFrame(frame);
  }
  const double now = clock_.now();
  while (!arrivals_.empty() && arrivals_.front() < now - 1.0) arrivals_.pop_front();
  showMeter();
  completeStep();
  if (sweeping_ && !frames.empty()) solve();
}

void LiveTesterDialog::showFrame(const live::MeteredFrame& frame) {
  latest_ = frame.grey;
  newest_ = {frame.time, frame.meteredAt, 0.0};
  arrivals_.push_back(frame.time);
  averaged_.push_back({frame.time, frame.grey});
  while (static_cast<int>(averaged_.size()) > meter_.frames()) averaged_.pop_front();
  clipped_ = frame.clipped;
  if (brightest_.grey.size() != frame.grey->grey.size()) {
    brightest_ = darkest_ = *frame.grey;
  } else {
    for (std::size_t p = 0; p < brightest_.grey.size(); ++p) {
      brightest_.grey[p] = std::max(brightest_.grey[p], frame.grey->grey[p]);
      darkest_.grey[p] = std::min(darkest_.grey[p], frame.grey->grey[p]);
    }
  }
  if (!layout_ || frame.zones.empty()) {
    if (!found_) findDisc();
    return;
  }
  meter_.add(frame.zones);
  if (sweeping_ && frame.kept) {
    sweep_.addFrame(SweepFrame{frame.time, frame.zones});
    if (!frame.file.empty()) recordedFrames_.push_back({QString::fromStdString(frame.file), frame.time});
  }
}

void LiveTesterDialog::findDisc() {
  if (brightest_.grey.empty()) return;
  const std::optional<DiscScale> found = FindDisc(brightest_, {}, darkest_);
  found_ = found ? std::optional(found->disc) : std::nullopt;
  const PhotoDisc middle{brightest_.width / 2.0, brightest_.height / 2.0,
                         0.4 * std::min(brightest_.width, brightest_.height)};
  disc_ = found_.value_or(middle);
  showDisc();
  placeMeter();
}

void LiveTesterDialog::discTyped() {
  disc_ = {discX_->value(), discY_->value(), discR_->value()};
  view_->setDisc(disc_);
  placeMeter();
}

void LiveTesterDialog::showDisc() {
  const QSignalBlocker quietX(discX_), quietY(discY_), quietR(discR_);
  discX_->setValue(disc_.x);
  discY_->setValue(disc_.y);
  discR_->setValue(disc_.radius);
  // The disc as the boxes show it (to a tenth of a pixel), so that the readings are those
  // that the shown disc gives, here and to the command line's --disc.
  disc_ = {discX_->value(), discY_->value(), discR_->value()};
  view_->setDisc(disc_);
}

void LiveTesterDialog::placeMeter() {
  if (brightest_.grey.empty()) return;
  auto layout = std::make_shared<live::MeterLayout>(
      live::MeterLayout{ZoneMeter(state_.test, disc_, {brightest_}, mask_->isChecked()), disc_});
  layout_ = layout;
  session_->worker().setLayout(layout);
  meter_.clear();
  view_->setZones(ViewZones(layout->meter.zones()));
  stepped_.clear();
  sweep_.clear();
  steppedResult_.reset();
  sweepResult_.reset();
  rememberCamera();
  showReadings();
}

void LiveTesterDialog::showMeter() {
  const std::vector<MeteredZone> zones = layout_ ? layout_->meter.zones() : std::vector<MeteredZone>{};
  meterView_->show(meter_.bars(threshold_->value()), zones, 0.2);
  if (latest_) ++meterPaints_;
  if (latest_ && latest_ != shown_) {
    view_->replaceFrame(*latest_);
    shown_ = latest_;
    lastPaint_ = Latency{newest_.arrived, newest_.metered, clock_.now()};
  }
  const int decimals = state_.test.inInches() ? 4 : 3;
  const QString unit = state_.test.inInches() ? QStringLiteral("in") : QStringLiteral("mm");
  QString dial;
  if (dial_) {
    const auto& samples = session_->dialValues();
    std::vector<DialSample> recent;
    for (auto at = samples.rbegin(); at != samples.rend() && at->sample.timeS > dial_->sample.timeS - 2.0; ++at) {
      recent.insert(recent.begin(), at->sample);
    }
    const Travel travel = KnifeTrack(recent, state_.test.mmPerUnit()).travelAt(dial_->sample.timeS);
    dial = QStringLiteral("Dial %1 %2 %3")
               .arg(Number(dial_->sample.position, decimals), unit,
                    travel == Travel::In    ? QStringLiteral("going in")
                    : travel == Travel::Out ? QStringLiteral("going out")
                                            : QStringLiteral("still"));
  } else if (typedPosition_) {
    dial = QStringLiteral("Knife at %1 %2 (typed)").arg(Number(*typedPosition_, decimals), unit);
  } else {
    dial = QStringLiteral("No dial value yet");
  }
  if (session_->refusedDialLines() > 0) dial += QStringLiteral(", %1 lines refused").arg(session_->refusedDialLines());
  dialLabel_->setText(dial);
  const live::MeterWorker::Counts counts = session_->worker().counts();
  rate_->setText(QStringLiteral("%1 frames/s, %2 dropped").arg(arrivals_.size()).arg(counts.dropped));
  if (clipped_ * 100.0 > kClippedWarningPercent) {
    status_->setText(QStringLiteral("%1 % of the disc's pixels are clipped: lower the exposure or the light.")
                         .arg(Number(clipped_ * 100.0, 1)));
  }
}

void LiveTesterDialog::recordStep() {
  if (mode_ != Mode::Stepped) return;
  std::optional<double> position;
  if (dial_ && dialSource_->currentIndex() != 3) position = dial_->sample.position;
  if (dialSource_->currentIndex() == 3) position = typedPosition_;
  if (!position) {
    status_->setText(QStringLiteral("No knife position yet: read the dial or type the position first."));
    return;
  }
  if (!layout_ || averaged_.empty()) {
    status_->setText(QStringLiteral("No frame to record yet."));
    return;
  }
  settling_.recorded(*position);
  pending_ = PendingStep{*position, restingSince_};
  status_->setText(QStringLiteral("Step at %1: waiting for frames of the knife at rest.")
                       .arg(Number(*position, state_.test.inInches() ? 4 : 3)));
  completeStep();
}

void LiveTesterDialog::completeStep() {
  if (!pending_ || !layout_) return;
  const std::vector<std::shared_ptr<const GreyFrame>> frames =
      livetester::FramesAtRest(averaged_, meter_.frames(), pending_->restingSince);
  if (frames.empty()) return;
  livetester::Step step;
  step.position = pending_->position;
  step.time = averaged_.back().time;
  step.frame = std::make_shared<const GreyFrame>(livetester::MeanFrame(frames));
  pending_.reset();
  const bool replaced = stepped_.record(step);
  const int decimals = state_.test.inInches() ? 4 : 3;
  if (!recordTo_.isEmpty()) {
    const QString name = QStringLiteral("knife_%1%2.png")
                             .arg(QString::fromStdString(FormatFixed(step.position, decimals)),
                                  state_.test.inInches() ? QStringLiteral("in") : QStringLiteral("mm"));
    recordError_ = live::WriteFramePng(*step.frame, recordTo_, name);
    if (recordError_.isEmpty()) {
      std::erase_if(recordedFrames_, [&](const live::RecordedFrame& f) { return f.file == name; });
      recordedFrames_.push_back({name, step.time});
    }
    writeRecording();
  }
  steppedResult_ = stepped_.readings(state_.test, disc_, mask_->isChecked());
  status_->setText(QStringLiteral("Step %1 at %2%3.")
                       .arg(stepped_.steps().size())
                       .arg(Number(step.position, decimals))
                       .arg(replaced ? QStringLiteral(", in place of the step there") : QString()));
  showReadings();
}

void LiveTesterDialog::setMode(Mode mode) {
  if (sweeping_) toggleSweep();
  mode_ = mode;
  steppedMode_->setChecked(mode == Mode::Stepped);
  sweepMode_->setChecked(mode == Mode::Sweep);
  recordStep_->setVisible(mode == Mode::Stepped);
  settledStep_->setVisible(mode == Mode::Stepped);
  sweepButton_->setVisible(mode == Mode::Sweep);
  showReadings();
}

void LiveTesterDialog::toggleSweep() {
  if (!sweeping_) {
    if (!layout_ || !latest_) {
      status_->setText(QStringLiteral("No frames yet: the sweep starts once the disc is placed."));
      return;
    }
    sweep_.clear();
    sweepResult_.reset();
    recordedFrames_.clear();
    session_->clearDialValues();
    const int bytes =
        std::any_of(latest_->grey.begin(), latest_->grey.end(), [](std::uint16_t g) { return g > 255; }) ? 2 : 1;
    stride_ = livetester::FrameStride(latest_->width, latest_->height, bytes,
                                      std::max<double>(1.0, static_cast<double>(arrivals_.size())));
    sweeping_ = true;
    session_->worker().setKeeper(
        [stride = stride_, folder = recordTo_, count = std::make_shared<long>(0)](live::MeteredFrame& frame) {
          if (frame.zones.empty() || (*count)++ % stride != 0) return;
          frame.kept = true;
          if (folder.isEmpty()) return;
          const QString name = QStringLiteral("frame_%1.png").arg(frame.number, 6, 10, QLatin1Char('0'));
          if (live::WriteFramePng(*frame.grey, folder, name).isEmpty()) frame.file = name.toStdString();
        });
    sweepButton_->setText(QStringLiteral("Stop Sweep"));
    status_->setText(stride_ > 1 ? QStringLiteral("Sweeping: every %1th frame kept.").arg(stride_)
                                 : QStringLiteral("Sweeping: every frame kept."));
    return;
  }
  session_->worker().setKeeper(nullptr);
  // The frames the worker kept before the keeper went: taken now, so that none is left out.
  takeFrames();
  sweeping_ = false;
  sweepButton_->setText(QStringLiteral("Start Sweep"));
  solve();
  if (!recordTo_.isEmpty()) writeRecording();
}

void LiveTesterDialog::solve() {
  if (!layout_) return;
  sweepResult_ = sweep_.solve(state_.test, layout_->meter.zones());
  tooFast_ = sweep_.tooFast(state_.test, *sweepResult_);
  showReadings();
}

void LiveTesterDialog::showReadings() {
  plot::RasterSurface chart(plot::kContrastChartWidth, plot::kContrastChartHeight);
  chart.clear();
  if (mode_ == Mode::Stepped) {
    if (steppedResult_) plot::DrawContrastCurves(chart, *steppedResult_, state_.test.inInches());
    ShowZoneReadings(zones_, state_.test, steppedResult_);
    passes_->clear();
  } else {
    ShowSweepReadings(zones_, state_.test, sweepResult_);
    QStringList lines;
    if (sweepResult_) {
      for (const QString& line : panel::PassLines(state_.test, *sweepResult_, tooFast_, DecimalSeparatorChar())) {
        lines << line;
      }
      if (sweepResult_->hysteresis) {
        lines << QStringLiteral("Hysteresis (median in - out): %1")
                     .arg(Number(*sweepResult_->hysteresis, state_.test.inInches() ? 4 : 3));
      }
    }
    passes_->setText(lines.join(QLatin1Char('\n')));
  }
  chart_->setPixmap(QPixmap::fromImage(chart.image()));
  fillSet_.fill->setEnabled(mode_ == Mode::Stepped ? steppedResult_.has_value()
                                                   : sweepResult_.has_value() && !sweeping_);
}

void LiveTesterDialog::fillSet() {
  std::optional<PhotoReadingsResult> result = steppedResult_;
  if (mode_ == Mode::Sweep) {
    if (!sweepResult_) return;
    result = AsPhotoReadings(*sweepResult_);
  }
  if (!result) return;
  const QString text = FillReadingSetAsking(state_.test, ReadingsOf(*result), fillSet_.chosenSet(),
                                            QStringLiteral("from the live tester"), prompter_, windowTitle());
  if (text.isEmpty()) return;
  status_->setText(text);
  showReadings();
}

void LiveTesterDialog::chooseRecording() {
  SaveFileRequest request;
  request.title = QStringLiteral("Record the Run Into a New Folder");
  request.folder = state_.folder;
  request.fileName = QStringLiteral("live-run");
  request.filter = QStringLiteral("Folders (*)");
  const std::optional<QString> chosen = prompter_.saveFile(request);
  if (!chosen) return;
  const QDir folder(*chosen);
  if (!QDir().mkpath(*chosen) || !folder.isEmpty()) {
    MessageRequest refusal;
    refusal.text = QStringLiteral("The run is recorded into a new or empty folder: %1 is not one.").arg(*chosen);
    refusal.title = windowTitle();
    refusal.icon = MessageIcon::Exclamation;
    prompter_.message(refusal);
    return;
  }
  recordTo_ = folder.absolutePath();
  recordedFrames_.clear();
  recording_->setText(QStringLiteral("Recording into %1").arg(recordTo_));
}

void LiveTesterDialog::writeRecording() {
  std::vector<live::RecordedDialValue> values;
  for (const live::DialArrival& value : session_->dialValues()) values.push_back({value.sample.timeS, value.sent});
  QString error = live::WriteText(live::FramesCsv(recordedFrames_), recordTo_, QStringLiteral("frames.csv"));
  if (error.isEmpty()) error = live::WriteText(live::DialLogText(values), recordTo_, QStringLiteral("dial.log"));
  if (error.isEmpty()) error = recordError_;
  recording_->setText(error.isEmpty()
                          ? QStringLiteral("Recorded into %1: %2 frames").arg(recordTo_).arg(recordedFrames_.size())
                          : QStringLiteral("Recording into %1 failed: %2").arg(recordTo_, error));
}

void LiveTesterDialog::rememberCamera() {
  const QByteArray id = frameSource_->currentData().toByteArray();
  if (id.isEmpty()) return;
  const std::string key = id.toHex().toStdString();
  settings_.write(kLiveSection, "Camera_Format_" + key, cameraFormat_->currentText().toStdString());
}

bool LiveTesterDialog::eventFilter(QObject* watched, QEvent* event) {
  auto* target = qobject_cast<QWidget*>(watched);
  if (event->type() != QEvent::KeyPress || target == nullptr || target->window() != this) return false;
  // Keys typed into a box are the box's.
  QWidget* focus = target;
  if (qobject_cast<QLineEdit*>(focus) != nullptr || qobject_cast<QAbstractSpinBox*>(focus) != nullptr) return false;
  const int key = static_cast<QKeyEvent*>(event)->key();
  if (key == Qt::Key_Space && mode_ == Mode::Stepped) {
    recordStep();
    return true;
  }
  if (simulated_ != nullptr && focus != knife_ &&
      (key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_PageUp || key == Qt::Key_PageDown)) {
    const int step = key == Qt::Key_Left || key == Qt::Key_Right ? knife_->singleStep() : knife_->pageStep();
    knife_->setValue(knife_->value() + (key == Qt::Key_Right || key == Qt::Key_PageUp ? step : -step));
    return true;
  }
  return false;
}

void LiveTesterDialog::keyPressEvent(QKeyEvent* event) {
  // Return belongs to the typed value's box; the window has no default button.
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) return;
  QDialog::keyPressEvent(event);
}

void LiveTesterDialog::accept() {
  endSession();
  QDialog::accept();
}

void LiveTesterDialog::reject() {
  endSession();
  state_.test = opened_;
  QDialog::reject();
}

void LiveTesterDialog::endSession() {
  repaint_.stop();
  if (sweeping_) {
    session_->worker().setKeeper(nullptr);
    sweeping_ = false;
  }
  session_->end();
  simulated_ = nullptr;
  simulatedDial_ = nullptr;
  replay_ = nullptr;
  replayDial_ = nullptr;
}

}  // namespace zonalyst::ui
