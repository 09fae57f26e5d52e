#include "PhotoReadingsDialog.h"

#include "photo/PreparedSeries.h"
#include "photo/RecordedSweep.h"
#include "plot/ContrastCurvesChart.h"
#include "plot/RasterSurface.h"
#include "ui/panel/DiscView.h"
#include "ui/panel/EntryBoxes.h"
#include "ui/panel/ReadingSetQuestion.h"
#include "ui/panel/ReadingsTable.h"
#include "ui/panel/rules/KnifePositionText.h"
#include "ui/panel/rules/SweepTable.h"
#include "ui/prompt/ChoosePhotos.h"
#include "ui/prompt/ChooseSweep.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPixmap>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace zonalyst::ui {
namespace {

// "5 of 7 zones read."
QString ReadCountText(const PhotoReadingsResult& result) {
  const auto read = std::count_if(result.zones.begin(), result.zones.end(),
                                  [](const ZoneNull& zone) { return zone.reading.has_value(); });
  return QStringLiteral("%1 of %2 zones read.").arg(read).arg(result.zones.size());
}

// What the user is told when no disc was found on the photos (or the sweep's frames).
QString PlaceTheDisc(const QString& frames) {
  return QStringLiteral(
             "No disc stands out from the background in these %1: place it by hand, "
             "dragging the circle onto the mirror or typing its centre and radius.")
      .arg(frames);
}

QDoubleSpinBox* MakeDiscBox(const QString& objectName, QWidget* parent) {
  auto* box = new QDoubleSpinBox(parent);
  box->setObjectName(objectName);
  box->setDecimals(1);
  box->setRange(-100000.0, 100000.0);
  box->setKeyboardTracking(false);  // a value typed counts when it is complete
  return box;
}

}  // namespace

PhotoReadingsDialog::PhotoReadingsDialog(const PanelContext& context, QWidget* parent)
    : QDialog(parent), state_(context.state), prompter_(context.prompter), settings_(context.settings) {
  setObjectName(QStringLiteral("frmPhotoReadings"));
  setWindowTitle(QStringLiteral("Read from Photos"));
  setModal(true);

  chart_ = new QLabel(this);
  chart_->setObjectName(QStringLiteral("picContrast"));
  chart_->setFixedSize(plot::kContrastChartWidth, plot::kContrastChartHeight);
  // Eight zones in view; more scroll.
  zones_ = MakeReadingsTable(8, this);
  ShowZoneReadings(zones_, state_.test, std::nullopt);
  fillSet_ = MakeFillSetControls(state_.test, this);
  connect(fillSet_.fill, &QPushButton::clicked, this, &PhotoReadingsDialog::fillSet);
  auto* close = new QPushButton(QStringLiteral("Close"), this);
  close->setObjectName(QStringLiteral("cmdClose"));
  connect(close, &QPushButton::clicked, this, &PhotoReadingsDialog::reject);
  status_ = new QLabel(this);
  status_->setObjectName(QStringLiteral("lblPhotoStatus"));
  status_->setWordWrap(true);

  auto* top = new QHBoxLayout;
  top->addWidget(buildSeriesColumn());
  top->addWidget(buildDiscColumn());
  top->addWidget(chart_, 0, Qt::AlignTop);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(status_, 1);
  buttons->addWidget(new QLabel(QStringLiteral("Reading set"), this));
  buttons->addWidget(fillSet_.set);
  buttons->addWidget(fillSet_.fill);
  buttons->addWidget(close);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(zones_, 1);
  layout->addLayout(buttons);
  // Enter completes a typed value; it never presses a button, least of all Fill Set.
  for (QPushButton* button : findChildren<QPushButton*>()) button->setAutoDefault(false);
  setReading(false);
}

QWidget* PhotoReadingsDialog::buildSeriesColumn() {
  auto* column = new QWidget(this);
  photos_ = MakeListTable(QStringLiteral("tblPhotos"), column);
  photos_->setColumnCount(3);
  photos_->setHorizontalHeaderLabels({QStringLiteral("Photo"), QStringLiteral("Knife"), QStringLiteral("From")});
  photos_->setMinimumWidth(230);
  photos_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
  photos_->horizontalHeader()->setSectionResizeMode(2, QHeaderView::ResizeToContents);
  connect(photos_, &QTableWidget::cellChanged, this, &PhotoReadingsDialog::positionEdited);
  choose_ = new QPushButton(QStringLiteral("Choose Photos..."), column);
  choose_->setObjectName(QStringLiteral("cmdChoosePhotos"));
  connect(choose_, &QPushButton::clicked, this, &PhotoReadingsDialog::choosePhotos);
  progress_ = new QProgressBar(column);
  progress_->setObjectName(QStringLiteral("barReading"));
  cancel_ = new QPushButton(QStringLiteral("Cancel"), column);
  cancel_->setObjectName(QStringLiteral("cmdCancelReading"));
  connect(cancel_, &QPushButton::clicked, this, [this] { worker_.requestStop(); });
  auto* layout = new QVBoxLayout(column);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(photos_, 1);
  layout->addWidget(choose_);
  auto* reading = new QHBoxLayout;
  reading->addWidget(progress_, 1);
  reading->addWidget(cancel_);
  layout->addLayout(reading);
  return column;
}

QWidget* PhotoReadingsDialog::buildDiscColumn() {
  auto* column = new QWidget(this);
  discView_ = new DiscView(column);
  connect(discView_, &DiscView::discMoved, this, [this](const PhotoDisc& disc) {
    disc_ = disc;
    showDisc();
    readNulls();
  });
  discX_ = MakeDiscBox(QStringLiteral("txtDiscX"), column);
  discY_ = MakeDiscBox(QStringLiteral("txtDiscY"), column);
  discR_ = MakeDiscBox(QStringLiteral("txtDiscR"), column);
  discR_->setMinimum(2.0);
  for (QDoubleSpinBox* box : {discX_, discY_, discR_}) {
    connect(box, &QDoubleSpinBox::valueChanged, this, &PhotoReadingsDialog::discTyped);
  }
  findDisc_ = new QPushButton(QStringLiteral("Find Disc"), column);
  findDisc_->setObjectName(QStringLiteral("cmdFindDisc"));
  connect(findDisc_, &QPushButton::clicked, this, &PhotoReadingsDialog::findDisc);
  mask_ = new QCheckBox(QStringLiteral("Couder mask"), column);
  mask_->setObjectName(QStringLiteral("chkMask"));
  connect(mask_, &QCheckBox::toggled, this, &PhotoReadingsDialog::readNulls);
  auto* boxes = new QHBoxLayout;
  for (const auto& [caption, box] : {std::pair{"Centre x", discX_}, {"y", discY_}, {"Radius", discR_}}) {
    boxes->addWidget(new QLabel(QString::fromLatin1(caption), column));
    boxes->addWidget(box);
  }
  edgeView_ = new QPushButton(QStringLiteral("Edge 1:1"), column);
  edgeView_->setObjectName(QStringLiteral("cmdEdgeView"));
  edgeView_->setToolTip(QStringLiteral("Show the disc's rim at one screen pixel a photo pixel, or the whole photo"));
  connect(edgeView_, &QPushButton::clicked, this,
          [this] { discView_->magnified() ? discView_->showWhole() : discView_->showEdge(); });
  connect(discView_, &DiscView::magnifiedChanged, this, [this](bool magnified) {
    edgeView_->setText(magnified ? QStringLiteral("Whole Photo") : QStringLiteral("Edge 1:1"));
  });
  auto* more = new QHBoxLayout;
  more->addWidget(findDisc_);
  more->addWidget(mask_);
  more->addStretch(1);
  more->addWidget(edgeView_);
  edgeDiameter_ = MakeDiscBox(QStringLiteral("txtEdgeDiameter"), column);
  edgeDiameter_->setDecimals(state_.test.inInches() ? 3 : 1);
  edgeDiameter_->setMinimum(edgeDiameter_->decimals() == 3 ? 0.001 : 0.1);
  edgeDiameter_->setValue(state_.test.Diameter);
  edgeDiameter_->setToolTip(
      QStringLiteral("The diameter the disc's edge stands for: the test's, or less where a bevel hides the rim"));
  connect(edgeDiameter_, &QDoubleSpinBox::valueChanged, this, [this](double typed) {
    edgeGiven_ = typed;
    readNulls();
  });
  scale_ = new QLabel(column);
  scale_->setObjectName(QStringLiteral("lblScale"));
  auto* edge = new QHBoxLayout;
  edge->addWidget(new QLabel(QStringLiteral("Edge diameter (%1)").arg(state_.test.inInches() ? "inch" : "mm"), column));
  edge->addWidget(edgeDiameter_);
  edge->addWidget(scale_, 1);
  auto* layout = new QVBoxLayout(column);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(discView_);
  layout->addLayout(boxes);
  layout->addLayout(edge);
  layout->addLayout(more);
  layout->addStretch(1);
  return column;
}

int PhotoReadingsDialog::run(const QStringList& paths) {
  series_ = photos::SeriesOf(paths);
  showSeries();
  QTimer::singleShot(0, this, &PhotoReadingsDialog::read);
  return exec();
}

int PhotoReadingsDialog::runSweep(const QString& frameList, const QString& dialLog) {
  sweep_ = Sweep{frameList, dialLog, {}, {}, {}, {}};
  setWindowTitle(QStringLiteral("Read from Sweep"));
  choose_->setText(QStringLiteral("Choose Sweep..."));
  photos_->setHorizontalHeaderLabels({QStringLiteral("Frame"), QStringLiteral("Time (s)"),
                                      QStringLiteral("Knife (%1)").arg(state_.test.inInches() ? "inch" : "mm")});
  photos_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  ShowSweepReadings(zones_, state_.test, std::nullopt);
  QTimer::singleShot(0, this, &PhotoReadingsDialog::read);
  return exec();
}

std::optional<SeriesDisc> PhotoReadingsDialog::settledDisc() const {
  if (frames_.empty() || sweep_) return std::nullopt;
  return SeriesDisc{frames_.front().width, frames_.front().height, disc_};
}

void PhotoReadingsDialog::reject() {
  // The reading ends first; the dialog closes once it has.
  if (worker_.running()) {
    closeAfterReading_ = true;
    worker_.requestStop();
    return;
  }
  QDialog::reject();
}

void PhotoReadingsDialog::choosePhotos() {
  if (sweep_) {
    const std::optional<SweepFiles> files = ChooseSweep(prompter_, settings_, state_.folder);
    if (!files) return;
    sweep_ = Sweep{files->frameList, files->dialLog, {}, {}, {}, {}};
    photos_->setRowCount(0);
    read();
    return;
  }
  const QStringList paths = ChoosePhotos(prompter_, settings_, QStringLiteral("Choose Photos"), state_.folder, true);
  if (paths.isEmpty()) return;
  series_ = photos::SeriesOf(paths);
  showSeries();
  read();
}

void PhotoReadingsDialog::showSeries() {
  const QSignalBlocker quiet(photos_);
  photos_->setRowCount(static_cast<int>(series_.size()));
  for (int row = 0; row < photos_->rowCount(); ++row) {
    const photos::SeriesPhoto& photo = series_[static_cast<std::size_t>(row)];
    photos_->setItem(row, 0, ReadOnlyItem(QFileInfo(photo.path).fileName()));
    photos_->setItem(row, 1, new QTableWidgetItem(panel::PositionText(photo.position, DecimalSeparatorChar())));
    photos_->setItem(row, 2, ReadOnlyItem(QString::fromStdString(PositionSourceText(photo.source))));
  }
}

void PhotoReadingsDialog::showSweepFrames() {
  photos_->setRowCount(static_cast<int>(sweep_->files.size()));
  for (int row = 0; row < photos_->rowCount(); ++row) {
    const auto k = static_cast<std::size_t>(row);
    photos_->setItem(row, 0, ReadOnlyItem(QFileInfo(sweep_->files[k]).fileName()));
    photos_->setItem(row, 1,
                     ReadOnlyItem(QString::number(sweep_->times[k], 'f', 3).replace('.', DecimalSeparatorChar())));
    photos_->setItem(row, 2,
                     ReadOnlyItem(panel::ReadingText(state_.test, sweep_->track.positionAt(sweep_->times[k]),
                                                     DecimalSeparatorChar())));
  }
}

void PhotoReadingsDialog::setReading(bool reading) {
  progress_->setVisible(reading);
  cancel_->setVisible(reading);
  for (QWidget* control : std::initializer_list<QWidget*>{choose_, photos_, discX_, discY_, discR_, edgeDiameter_,
                                                          findDisc_, mask_, edgeView_, discView_, fillSet_.set}) {
    control->setEnabled(!reading && (control == choose_ || !frames_.empty()));
  }
  fillSet_.fill->setEnabled(!reading && anyRead());
}

void PhotoReadingsDialog::read() {
  frames_.clear();
  result_.reset();
  sweepResult_.reset();
  discView_->setFrame({});
  setReading(true);
  progress_->setRange(0, 0);
  const QString what = sweep_ ? QStringLiteral("sweep") : QStringLiteral("photos");
  status_->setText(QStringLiteral("Reading the %1...").arg(what));
  const std::vector<std::string> paths = PhotoPaths(photos::PathsOf(series_));
  const MirrorTest test = state_.test;
  Published<photo::SeriesProgress> done;
  const photo::SeriesProgressCallback progress = [&](const photo::SeriesProgress& now) {
    done.publish(now);
    return !worker_.stopRequested();
  };
  photo::PreparedSeries series;
  photo::RecordedSweep recorded;
  worker_.run(
      [&] {
        if (sweep_) {
          photo::SweepSource source;
          source.frameList = sweep_->frameList.toStdString();
          source.dialLog = sweep_->dialLog.toStdString();
          recorded = photo::ReadRecordedSweep(test, source, progress);
        } else {
          series = photo::PrepareSeries(paths, test, {}, progress);
        }
      },
      [&] {
        // Once every file is read the disc is sought: the bar turns busy and says so.
        const photo::SeriesProgress now = done.latest();
        if (now.step != photo::SeriesStep::Decoding) {
          progress_->setRange(0, 0);
          status_->setText(QStringLiteral("Finding the disc in the %1...").arg(what));
        } else if (now.photos > 0) {
          progress_->setRange(0, now.photos);
          progress_->setValue(now.decoded);
        }
      });
  if (closeAfterReading_) {
    QDialog::reject();
    return;
  }
  if (sweep_) series = keepSweep(std::move(recorded));
  if (!series.error.empty()) {
    status_->setText(QStringLiteral("The %1 could not be read.").arg(what));
    MessageRequest report;
    report.text = QString::fromStdString(series.error);
    report.title = windowTitle();
    report.icon = MessageIcon::Critical;
    prompter_.message(report);
  } else if (series.cancelled) {
    status_->setText(QStringLiteral("Reading cancelled: choose the %1 again.").arg(what));
  } else {
    std::vector<std::string> names;
    if (sweep_) {
      for (const QString& file : sweep_->files) names.push_back(QFileInfo(file).fileName().toStdString());
    } else {
      for (const std::string& path : paths)
        names.push_back(QFileInfo(QString::fromStdString(path)).fileName().toStdString());
    }
    QStringList shake;
    for (const std::string& line : photo::ShakeLines(series, names)) shake << QString::fromStdString(line) + '.';
    shake_ = shake.join(QLatin1Char(' '));
    frames_ = std::move(series.frames);
    brightest_ = std::move(series.brightest);
    found_ = series.disc;
    foundScale_ = series.discScale;
    discView_->setFrame(brightest_);
    {
      const QSignalBlocker quiet(mask_);
      mask_->setChecked(series.masked);
    }
    if (sweep_) showSweepFrames();
    status_->clear();
  }
  setReading(false);
  if (!frames_.empty()) findDisc();
  showZones();
}

photo::PreparedSeries PhotoReadingsDialog::keepSweep(photo::RecordedSweep recorded) {
  if (recorded.failure != photo::SweepFailure::None) {
    photo::PreparedSeries failed;
    failed.error = recorded.error;
    return failed;
  }
  sweep_->files.clear();
  for (const std::string& file : recorded.files) sweep_->files.push_back(QString::fromStdString(file));
  sweep_->times = std::move(recorded.times);
  sweep_->track = std::move(recorded.track);
  sweep_->warning.clear();
  if (!recorded.dial.refused.empty()) {
    sweep_->warning = QString::fromStdString(photo::RefusedLinesText(recorded.dial, sweep_->dialLog.toStdString())) +
                      QLatin1Char('.');
  }
  return std::move(recorded.frames);
}

void PhotoReadingsDialog::findDisc() {
  if (frames_.empty()) return;
  const GreyFrame& frame = frames_.front();
  // Without a disc that stands out, one in the middle of the frame for the user to place.
  const PhotoDisc middle{frame.width / 2.0, frame.height / 2.0, 0.4 * std::min(frame.width, frame.height)};
  start_ = foundScale_ ? foundScale_->disc : found_.value_or(middle);
  setDisc(start_);
}

void PhotoReadingsDialog::setDisc(const PhotoDisc& disc) {
  disc_ = disc;
  showDisc();
  readNulls();
}

void PhotoReadingsDialog::showDisc() {
  const double scale = frames_.empty() ? 1.0 : frames_.front().scale;
  const QSignalBlocker quietX(discX_), quietY(discY_), quietR(discR_);
  discX_->setValue(disc_.x * scale);
  discY_->setValue(disc_.y * scale);
  discR_->setValue(disc_.radius * scale);
  discView_->setDisc(disc_);
}

void PhotoReadingsDialog::discTyped() {
  if (frames_.empty()) return;
  const double scale = frames_.front().scale;
  disc_ = {discX_->value() / scale, discY_->value() / scale, discR_->value() / scale};
  discView_->setDisc(disc_);
  readNulls();
}

void PhotoReadingsDialog::positionEdited(int row, int column) {
  if (column != 1 || sweep_) return;
  photos::SeriesPhoto& photo = series_[static_cast<std::size_t>(row)];
  const std::optional<double> typed = panel::ReadPosition(photos_->item(row, column)->text(), DecimalSeparatorChar());
  if (typed || photos_->item(row, column)->text().trimmed().isEmpty()) {
    photo.position = typed;
    photo.source = PositionSource::Typed;
  }
  {
    const QSignalBlocker quiet(photos_);
    photos_->item(row, column)->setText(panel::PositionText(photo.position, DecimalSeparatorChar()));
    photos_->item(row, 2)->setText(QString::fromStdString(PositionSourceText(photo.source)));
  }
  readNulls();
}

void PhotoReadingsDialog::readNulls() {
  result_.reset();
  sweepResult_.reset();
  const QString problem = sweep_ ? QString() : photos::SeriesProblem(series_);
  const std::optional<DiscScale> scale = readingScale();
  if (!frames_.empty() && !scale) {
    status_->setText(QStringLiteral(
        "Behind a Couder mask the scale comes from the mask's openings, and they do not match the zones' inner "
        "and outer radii: place the mirror's disc by hand, dragging the circle onto its edge or typing its "
        "centre and radius."));
  } else if (!frames_.empty() && sweep_) {
    readSweepNulls(*scale);
  } else if (!frames_.empty() && problem.isEmpty()) {
    std::vector<double> positions;
    for (const photos::SeriesPhoto& photo : series_) positions.push_back(*photo.position);
    result_ = ReadPhotoNulls(state_.test, frames_, positions, *scale, mask_->isChecked());
    QStringList status = {ReadCountText(*result_)};
    if (!found_) {
      status << PlaceTheDisc(QStringLiteral("photos"));
    }
    if (ReadingsRunAgainstTheTest(state_.test, *result_)) {
      status << QStringLiteral(
          "The readings run the other way with the zones' radius than the test's own: the disc may not fit the "
          "photos, or the knife positions run backwards; check them.");
    }
    status << photos::SeriesDoubts(series_);
    if (!shake_.isEmpty()) status << shake_;
    status_->setText(status.join(QLatin1Char(' ')));
  } else if (!frames_.empty()) {
    status_->setText(problem);
  }
  showScale();
  showZones();
}

void PhotoReadingsDialog::readSweepNulls(const DiscScale& scale) {
  const photo::MeasuredSweep measured =
      photo::MeasureSweep(state_.test, frames_, sweep_->times, brightest_, scale, mask_->isChecked());
  sweepResult_ = SolveSweep(state_.test, measured.zones, sweep_->track, measured.frames, SweepSettings{});
  result_ = AsPhotoReadings(*sweepResult_, measured.zones);
  QStringList status = {ReadCountText(*result_)};
  for (const QString& line : panel::PassLines(state_.test, *sweepResult_, {}, DecimalSeparatorChar()))
    status << line + '.';
  if (sweepResult_->hysteresis) {
    status << QStringLiteral("Hysteresis (median in - out): %1 %2.")
                  .arg(panel::ReadingText(state_.test, sweepResult_->hysteresis, DecimalSeparatorChar()),
                       state_.test.inInches() ? QStringLiteral("inch") : QStringLiteral("mm"));
  }
  if (!found_) status << PlaceTheDisc(QStringLiteral("frames"));
  if (!sweep_->warning.isEmpty()) status << sweep_->warning;
  if (!shake_.isEmpty()) status << shake_;
  status_->setText(status.join(QLatin1Char(' ')));
}

bool PhotoReadingsDialog::discUntouched() const {
  return start_.x == disc_.x && start_.y == disc_.y && start_.radius == disc_.radius;
}

std::optional<DiscScale> PhotoReadingsDialog::readingScale() const {
  if (!discUntouched() || !found_) return withEdgeGiven(GivenScale(disc_));
  // None behind a mask whose openings do not match the zones: the circle found is their outside.
  if (!foundScale_) return std::nullopt;
  // The openings stand for their own radii, whatever the edge.
  return foundScale_->source == ScaleSource::Openings ? *foundScale_ : withEdgeGiven(*foundScale_);
}

DiscScale PhotoReadingsDialog::withEdgeGiven(const DiscScale& scale) const {
  if (!edgeGiven_ || !(*edgeGiven_ > 0.0)) return scale;
  return EdgeStandsFor(scale, *edgeGiven_ * state_.test.mmPerUnit(), state_.test);
}

void PhotoReadingsDialog::showScale() {
  if (frames_.empty()) {
    scale_->clear();
    return;
  }
  const std::optional<DiscScale> scale = readingScale();
  const bool openings = scale && scale->source == ScaleSource::Openings;
  const QString edge = !discUntouched() ? QStringLiteral("edge placed by hand")
                       : !found_        ? QStringLiteral("no edge found, please place the disc")
                       : !scale   ? QStringLiteral("the mask's openings do not match the zones, please place the disc")
                       : openings ? QStringLiteral("the mask's openings")
                                  : QStringLiteral("found edge");
  const bool diameterGiven = edgeGiven_ && scale && !openings;
  scale_->setText(
      QStringLiteral("Scale: %1%2").arg(edge, diameterGiven ? QStringLiteral(", diameter given") : QString()));
}

void PhotoReadingsDialog::showZones() {
  discView_->setZones(result_ ? result_->zones : std::vector<ZoneNull>{});
  plot::RasterSurface chart(plot::kContrastChartWidth, plot::kContrastChartHeight);
  chart.clear();
  if (sweep_) {
    if (sweepResult_) plot::DrawSweepCurves(chart, *sweepResult_, state_.test.inInches());
    ShowSweepReadings(zones_, state_.test, sweepResult_);
  } else {
    if (result_) plot::DrawContrastCurves(chart, *result_, state_.test.inInches());
    ShowZoneReadings(zones_, state_.test, result_);
  }
  chart_->setPixmap(QPixmap::fromImage(chart.image()));
  fillSet_.fill->setEnabled(anyRead() && !worker_.running());
}

bool PhotoReadingsDialog::anyRead() const {
  return result_ && std::any_of(result_->zones.begin(), result_->zones.end(),
                                [](const ZoneNull& zone) { return zone.reading.has_value(); });
}

void PhotoReadingsDialog::fillSet() {
  if (!result_) return;
  const QString text = FillReadingSetAsking(
      state_.test, ReadingsOf(*result_), fillSet_.chosenSet(),
      sweep_ ? QStringLiteral("from the sweep") : QStringLiteral("from the photos"), prompter_, windowTitle());
  if (text.isEmpty()) return;
  status_->setText(text);
  showZones();
}

}  // namespace zonalyst::ui
