#include "PhotoReadingsDialog.h"

#include "DiscView.h"
#include "SeriesFrames.h"
#include "plot/ContrastCurvesChart.h"
#include "plot/RasterSurface.h"
#include "ui/panel/EntryBoxes.h"
#include "ui/photo/rules/ZoneTable.h"

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

QChar Separator() { return DecimalSeparator().front(); }

QTableWidget* MakeTable(const QString& objectName, const QStringList& headers, QWidget* parent) {
  auto* table = new QTableWidget(0, static_cast<int>(headers.size()), parent);
  table->setObjectName(objectName);
  table->setHorizontalHeaderLabels(headers);
  table->verticalHeader()->hide();
  table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
  table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  return table;
}

QDoubleSpinBox* MakeDiscBox(const QString& objectName, QWidget* parent) {
  auto* box = new QDoubleSpinBox(parent);
  box->setObjectName(objectName);
  box->setDecimals(1);
  box->setRange(-100000.0, 100000.0);
  box->setKeyboardTracking(false);  // a value typed counts when it is complete
  return box;
}

QTableWidgetItem* ReadOnlyItem(const QString& text) {
  auto* item = new QTableWidgetItem(text);
  item->setFlags(item->flags() & ~Qt::ItemIsEditable);
  return item;
}

}  // namespace

PhotoReadingsDialog::PhotoReadingsDialog(AppState& state, Prompter& prompter, QWidget* parent)
    : QDialog(parent), state_(state), prompter_(prompter) {
  setObjectName(QStringLiteral("frmPhotoReadings"));
  setWindowTitle(QStringLiteral("Read from Photos"));
  setModal(true);

  chart_ = new QLabel(this);
  chart_->setObjectName(QStringLiteral("picContrast"));
  chart_->setFixedSize(plot::kContrastChartWidth, plot::kContrastChartHeight);
  QStringList headers;
  for (const QString& header : photos::ZoneHeaders(state_.test)) headers << header;
  zones_ = MakeTable(QStringLiteral("tblZones"), headers, this);
  zones_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  // Eight zones in view; more scroll.
  zones_->setMinimumHeight(zones_->horizontalHeader()->sizeHint().height() +
                           8 * zones_->verticalHeader()->defaultSectionSize() + 4);

  set_ = new QComboBox(this);
  set_->setObjectName(QStringLiteral("cboFillSet"));
  // A set further on would bring sets of zeros into use.
  for (int set = 1; set <= LastFillableSet(state_.test); ++set) set_->addItem(QString::number(set));
  set_->setCurrentIndex(NextReadingSet(state_.test) - 1);
  fill_ = new QPushButton(this);
  fill_->setObjectName(QStringLiteral("cmdFillSet"));
  const auto nameFill = [this] { fill_->setText(QStringLiteral("Fill Set %1").arg(set_->currentIndex() + 1)); };
  nameFill();
  connect(set_, &QComboBox::currentIndexChanged, this, nameFill);
  connect(fill_, &QPushButton::clicked, this, &PhotoReadingsDialog::fillSet);
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
  buttons->addWidget(set_);
  buttons->addWidget(fill_);
  buttons->addWidget(close);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(zones_, 1);
  layout->addLayout(buttons);
  setReading(false);
}

QWidget* PhotoReadingsDialog::buildSeriesColumn() {
  auto* column = new QWidget(this);
  photos_ = MakeTable(QStringLiteral("tblPhotos"), {QStringLiteral("Photo"), QStringLiteral("Knife")}, column);
  photos_->setMinimumWidth(190);
  photos_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
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
  auto* more = new QHBoxLayout;
  more->addWidget(findDisc_);
  more->addWidget(mask_);
  more->addStretch(1);
  auto* layout = new QVBoxLayout(column);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(discView_);
  layout->addLayout(boxes);
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
  const QStringList paths = ChoosePhotos(prompter_, QStringLiteral("Choose Photos"), state_.folder, true);
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
    photos_->setItem(row, 1, new QTableWidgetItem(photos::PositionText(photo.position, Separator())));
  }
}

void PhotoReadingsDialog::setReading(bool reading) {
  progress_->setVisible(reading);
  cancel_->setVisible(reading);
  for (QWidget* control :
       std::initializer_list<QWidget*>{choose_, photos_, discX_, discY_, discR_, findDisc_, mask_, discView_, set_}) {
    control->setEnabled(!reading && (control == choose_ || !frames_.empty()));
  }
  fill_->setEnabled(!reading && result_.has_value());
}

void PhotoReadingsDialog::read() {
  frames_.clear();
  result_.reset();
  discView_->setFrame({});
  setReading(true);
  progress_->setRange(0, static_cast<int>(series_.size()));
  progress_->setValue(0);
  status_->setText(QStringLiteral("Reading the photos..."));
  const QStringList paths = photos::PathsOf(series_);
  const MirrorTest test = state_.test;
  Published<int> done;
  SeriesFrames series;
  worker_.run(
      [&] {
        series = LoadSeriesFrames(paths, test, [&](int read) {
          done.publish(read);
          return !worker_.stopRequested();
        });
      },
      [&] { progress_->setValue(done.latest()); });
  if (closeAfterReading_) {
    QDialog::reject();
    return;
  }
  if (!series.error.empty()) {
    status_->setText(QStringLiteral("The photos could not be read."));
    MessageRequest report;
    report.text = QString::fromStdString(series.error);
    report.title = windowTitle();
    report.icon = MessageIcon::Critical;
    prompter_.message(report);
  } else if (series.cancelled) {
    status_->setText(QStringLiteral("Reading cancelled: choose the photos again."));
  } else {
    frames_ = std::move(series.frames);
    found_ = series.disc;
    discView_->setFrame(series.brightest);
    {
      const QSignalBlocker quiet(mask_);
      mask_->setChecked(series.masked);
    }
    status_->clear();
  }
  setReading(false);
  if (!frames_.empty()) findDisc();
  showZones();
}

void PhotoReadingsDialog::findDisc() {
  if (frames_.empty()) return;
  const GreyFrame& frame = frames_.front();
  // Without a disc that stands out, one in the middle of the frame for the user to place.
  const PhotoDisc middle{frame.width / 2.0, frame.height / 2.0, 0.4 * std::min(frame.width, frame.height)};
  setDisc(found_.value_or(middle));
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
  if (column != 1) return;
  photos::SeriesPhoto& photo = series_[static_cast<std::size_t>(row)];
  const std::optional<double> typed = photos::ReadPosition(photos_->item(row, column)->text(), Separator());
  if (typed || photos_->item(row, column)->text().trimmed().isEmpty()) photo.position = typed;
  {
    const QSignalBlocker quiet(photos_);
    photos_->item(row, column)->setText(photos::PositionText(photo.position, Separator()));
  }
  readNulls();
}

void PhotoReadingsDialog::readNulls() {
  result_.reset();
  const QString problem = photos::SeriesProblem(series_);
  if (!frames_.empty() && problem.isEmpty()) {
    std::vector<double> positions;
    for (const photos::SeriesPhoto& photo : series_) positions.push_back(*photo.position);
    result_ = ReadPhotoNulls(state_.test, frames_, positions, disc_, mask_->isChecked());
    state_.photoDisc = SeriesDisc{frames_.front().width, frames_.front().height, disc_};
    const auto read = std::count_if(result_->zones.begin(), result_->zones.end(),
                                    [](const ZoneNull& zone) { return zone.reading.has_value(); });
    status_->setText(
        QStringLiteral("%1 of %2 zones read.").arg(read).arg(result_->zones.size()) +
        (found_ ? QString() : QStringLiteral(" No disc stands out from the background: place it by hand.")));
  } else if (!frames_.empty()) {
    status_->setText(problem);
  }
  showZones();
}

void PhotoReadingsDialog::showZones() {
  discView_->setZones(result_ ? result_->zones : std::vector<ZoneNull>{});
  plot::RasterSurface chart(plot::kContrastChartWidth, plot::kContrastChartHeight);
  chart.clear();
  if (result_) plot::DrawContrastCurves(chart, *result_, state_.test.inInches());
  chart_->setPixmap(QPixmap::fromImage(chart.image()));
  const std::vector<photos::ZoneRow> rows =
      result_ ? photos::ZoneRows(state_.test, *result_, Separator()) : std::vector<photos::ZoneRow>{};
  zones_->setRowCount(static_cast<int>(rows.size()));
  for (int row = 0; row < zones_->rowCount(); ++row) {
    for (int column = 0; column < photos::kZoneColumns; ++column) {
      zones_->setItem(row, column, new QTableWidgetItem(rows[static_cast<std::size_t>(row)][column]));
    }
  }
  fill_->setEnabled(result_.has_value() && !worker_.running());
}

void PhotoReadingsDialog::fillSet() {
  if (!result_) return;
  const int set = set_->currentIndex() + 1;
  const std::vector<KeptReading> kept = FillReadingSet(state_.test, *result_, set);
  QString text = QStringLiteral("Set %1 holds the readings from the photos.").arg(set);
  if (!kept.empty()) {
    QStringList zones;
    for (const KeptReading& zone : kept) zones << QString::number(zone.zone);
    text += kept.front().fromOtherSets
                ? QStringLiteral(" Zones without a reading take their mean of the other sets: %1.")
                : QStringLiteral(" Zones without a reading keep their values: %1.");
    text = text.arg(zones.join(QStringLiteral(", ")));
  }
  status_->setText(text);
  showZones();
}

}  // namespace zonalyst::ui
