#include "AstigmatismDialog.h"

#include "core/AstigmatismText.h"
#include "core/NumberText.h"
#include "plot/AstigmatismChart.h"
#include "plot/RasterSurface.h"
#include "ui/analysis/rules/FolderTest.h"
#include "ui/analysis/rules/ImageExportRules.h"
#include "ui/analysis/rules/LocalisedText.h"
#include "ui/panel/EntryBoxes.h"
#include "ui/panel/TestFolderFiles.h"

#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace zonalyst::ui {
namespace {

enum Column { kTest, kOrientation, kShift, kNote, kColumns };

QTableWidgetItem* ReadOnly(const QString& text) {
  auto* item = new QTableWidgetItem(text);
  item->setFlags(Qt::ItemIsEnabled);
  return item;
}

}  // namespace

AstigmatismDialog::AstigmatismDialog(const AppState& state, Prompter& prompter, platform::SettingsStore& settings,
                                     QWidget* parent)
    : QDialog(parent), state_(state), prompter_(prompter), settings_(settings) {
  setObjectName(QStringLiteral("frmAstigmatism"));
  setWindowTitle(QStringLiteral("Astigmatism"));
  setModal(true);

  tests_ = new QTableWidget(0, kColumns, this);
  tests_->setObjectName(QStringLiteral("tblOrientations"));
  const QString units = state_.test.inInches() ? QStringLiteral("in") : QStringLiteral("mm");
  tests_->setHorizontalHeaderLabels({QStringLiteral("Test"), QStringLiteral("Orientation (deg)"),
                                     QStringLiteral("Shift (%1)").arg(units), QStringLiteral("Note")});
  tests_->horizontalHeader()->setStretchLastSection(true);
  tests_->verticalHeader()->hide();
  tests_->setEditTriggers(QAbstractItemView::AllEditTriggers);
  connect(tests_, &QTableWidget::cellChanged, this, &AstigmatismDialog::cellChanged);

  figures_ = new QTableWidget(0, 2, this);
  figures_->setObjectName(QStringLiteral("tblAstigFigures"));
  figures_->horizontalHeader()->hide();
  figures_->verticalHeader()->hide();
  figures_->horizontalHeader()->setStretchLastSection(true);
  figures_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  figures_->setColumnWidth(0, 230);

  picture_ = new QLabel(this);
  picture_->setObjectName(QStringLiteral("picAstigmatism"));
  picture_->setFixedSize(plot::kAstigmatismChartWidth, plot::kAstigmatismChartHeight);
  status_ = new QLabel(this);
  status_->setObjectName(QStringLiteral("lblAstigStatus"));
  status_->setWordWrap(true);

  auto* save = new QPushButton(QStringLiteral("Save Plot..."), this);
  save->setObjectName(QStringLiteral("cmdSavePlot"));
  save->setShortcut(Qt::Key_F9);
  save->setAutoDefault(false);
  connect(save, &QPushButton::clicked, this, &AstigmatismDialog::savePlot);
  auto* close = new QPushButton(QStringLiteral("Close"), this);
  close->setObjectName(QStringLiteral("cmdClose"));
  close->setAutoDefault(false);
  connect(close, &QPushButton::clicked, this, &AstigmatismDialog::reject);

  auto* left = new QVBoxLayout;
  left->addWidget(tests_, 1);
  left->addWidget(figures_, 1);
  auto* top = new QHBoxLayout;
  top->addLayout(left, 1);
  top->addWidget(picture_, 0, Qt::AlignTop);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(status_, 1);
  buttons->addWidget(save);
  buttons->addWidget(close);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top, 1);
  layout->addLayout(buttons);
  resize(1240, 620);

  readFolder();
  showRows();
  fitTicked();
}

std::string AstigmatismDialog::pathOf(const std::string& fileName) const {
  return QDir(state_.folder).absoluteFilePath(QString::fromStdString(fileName)).toStdString();
}

void AstigmatismDialog::readFolder() {
  QStringList names = TestFilesIn(state_.folder);
  if (!names.contains(state_.fileName)) names.prepend(state_.fileName);
  SurfaceAnalysis analysis(state_.bessel);
  for (const QString& name : names) {
    analysis::OrientationRow row;
    row.fileName = name.toStdString();
    if (name == state_.fileName) {
      row.test = state_.test;  // as it stands on screen, edits not yet saved included
    } else {
      const io::LoadResult loaded = io::LoadTestFile(state_.folder.toStdString(), row.fileName);
      if (const auto why = analysis::WhyNotAnalysed(loaded, analysis)) {
        row.note = *why;
      } else {
        row.test = *loaded.test;
      }
    }
    row.orientationDeg =
        analysis::StartingOrientation(platform::ReadOrientation(settings_, pathOf(row.fileName)), row.fileName);
    rows_.push_back(std::move(row));
  }
  analysis::TickTestsOfTheOpenMirror(rows_, state_.fileName.toStdString());
}

void AstigmatismDialog::showRows() {
  filling_ = true;
  tests_->setRowCount(static_cast<int>(rows_.size()));
  for (int r = 0; r < tests_->rowCount(); ++r) {
    const analysis::OrientationRow& row = rows_[static_cast<std::size_t>(r)];
    auto* name = ReadOnly(QString::fromStdString(row.fileName));
    if (row.test) {
      name->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
      name->setCheckState(row.ticked ? Qt::Checked : Qt::Unchecked);
    }
    tests_->setItem(r, kTest, name);
    auto* angle = new QTableWidgetItem(row.orientationDeg ? analysis::LocalisedText(FormatGeneral(*row.orientationDeg))
                                                          : QString());
    if (!row.test) angle->setFlags(Qt::ItemIsEnabled);
    tests_->setItem(r, kOrientation, angle);
    tests_->setItem(r, kShift, ReadOnly(QString()));
    tests_->setItem(r, kNote, ReadOnly(QString::fromStdString(row.note)));
  }
  for (const int column : {kTest, kOrientation, kShift}) tests_->resizeColumnToContents(column);
  filling_ = false;
}

void AstigmatismDialog::cellChanged(int r, int column) {
  if (filling_) return;
  analysis::OrientationRow& row = rows_[static_cast<std::size_t>(r)];
  if (column == kTest) {
    row.ticked = tests_->item(r, kTest)->checkState() == Qt::Checked;
  } else if (column == kOrientation) {
    const QString typed = tests_->item(r, kOrientation)->text();
    row.orientationDeg = analysis::TypedOrientation(typed, DecimalSeparatorChar());
    if (row.orientationDeg) platform::WriteOrientation(settings_, pathOf(row.fileName), *row.orientationDeg);
    filling_ = true;
    tests_->item(r, kNote)->setText(row.orientationDeg || typed.trimmed().isEmpty()
                                        ? QString::fromStdString(row.note)
                                        : QStringLiteral("not an angle from -360 to 360 degrees"));
    filling_ = false;
  } else {
    return;
  }
  fitTicked();
}

void AstigmatismDialog::fitTicked() {
  fit_.reset();
  const analysis::TickedTests ticked = analysis::TestsToFit(rows_);
  std::string status = ticked.missing;
  if (status.empty()) {
    AstigmatismResult result = FitAstigmatism(ticked.tests);
    status = result.fit ? AstigmatismHeading(*result.fit) : result.refusal;
    fit_ = std::move(result.fit);
  }
  status_->setText(analysis::ScreenText(status));

  filling_ = true;
  std::size_t shown = 0;
  for (int r = 0; r < tests_->rowCount(); ++r) {
    const bool used = fit_ && rows_[static_cast<std::size_t>(r)].ticked;
    tests_->item(r, kShift)->setText(
        used ? analysis::LocalisedText(FormatFixed(fit_->tests[shown++].shift, fit_->inches ? 5 : 4)) : QString());
  }
  filling_ = false;

  const std::vector<FigureLine> lines = fit_ ? AstigmatismFigures(*fit_) : std::vector<FigureLine>{};
  figures_->setRowCount(static_cast<int>(lines.size()));
  for (int r = 0; r < figures_->rowCount(); ++r) {
    const FigureLine& line = lines[static_cast<std::size_t>(r)];
    figures_->setItem(r, 0, ReadOnly(QString::fromStdString(line.caption)));
    figures_->setItem(r, 1, ReadOnly(analysis::ScreenText(line.value)));
  }
  plot::RasterSurface chart(plot::kAstigmatismChartWidth, plot::kAstigmatismChartHeight);
  chart.clear();
  if (fit_) plot::DrawAstigmatism(chart, *fit_);
  picture_->setPixmap(QPixmap::fromImage(chart.image()));
}

void AstigmatismDialog::savePlot() {
  const auto report = [this](const std::string& text) {
    MessageRequest request;
    request.text = QString::fromStdString(text);
    request.icon = MessageIcon::Critical;
    prompter_.message(request);
  };
  if (!fit_) {
    report("There is no plot to save yet: " + status_->text().toStdString());
    return;
  }
  SaveFileRequest request;
  request.title = QStringLiteral("Save Plot");
  request.folder = state_.folder;
  request.fileName = QString::fromStdString(analysis::PlotFileName(state_.fileName.toStdString()));
  request.filter = QStringLiteral("PNG (*.png)");
  const std::optional<QString> chosen = prompter_.saveFile(request);
  if (!chosen || chosen->isEmpty()) return;
  const std::string path = analysis::WithDefaultExtension(chosen->toStdString(), analysis::ImageFormat::Png);
  plot::RasterSurface chart(plot::kAstigmatismChartWidth, plot::kAstigmatismChartHeight);
  plot::DrawAstigmatism(chart, *fit_);
  const std::string problem = plot::WritePngFile(chart.toPixelImage(), path);
  if (!problem.empty()) report(analysis::ImageSaveFailure(problem));
}

}  // namespace zonalyst::ui
