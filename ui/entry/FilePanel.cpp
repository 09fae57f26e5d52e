#include "FilePanel.h"

#include "AssociationOffer.h"
#include "TestNameQuestion.h"
#include "TestOpening.h"
#include "UserFolders.h"
#include "ui/entry/rules/FilePreview.h"
#include "ui/entry/rules/HelpTexts.h"
#include "ui/entry/rules/ListPosition.h"
#include "ui/panel/EntryBoxes.h"
#include "ui/panel/TestFolderFiles.h"

#include <QApplication>
#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QVBoxLayout>

namespace zonalyst::ui {
namespace {

constexpr int kPathRole = Qt::UserRole;

QString DriveOf(const QString& folder) {
  for (const QFileInfo& drive : QDir::drives()) {
    if (folder.startsWith(drive.absolutePath(), Qt::CaseInsensitive)) return drive.absolutePath();
  }
  return QDir::rootPath();
}

}  // namespace

FilePanel::FilePanel(const PanelContext& context) : context_(context) {
  setObjectName(QStringLiteral("FilePanel"));
  drives_ = new QComboBox(this);
  drives_->setObjectName(QStringLiteral("Drive1"));
  for (const QFileInfo& drive : QDir::drives()) drives_->addItem(drive.absolutePath());
  folders_ = new QListWidget(this);
  folders_->setObjectName(QStringLiteral("Dir1"));
  files_ = new QListWidget(this);
  files_->setObjectName(QStringLiteral("File1"));
  files_->installEventFilter(this);
  selected_ = new QGroupBox(QStringLiteral("Selected File data"), this);
  selected_->setObjectName(QStringLiteral("FrmSelected"));
  auto* preview = new QVBoxLayout(selected_);
  for (int i = 0; i < 4; ++i) {
    data_[i] = new QLabel(selected_);
    data_[i]->setObjectName(QStringLiteral("lblData_%1").arg(i));
    preview->addWidget(data_[i]);
  }
  preview->addStretch(1);
  selected_->hide();
  open_ = new QPushButton(QStringLiteral("Open Selected"), this);
  open_->setObjectName(QStringLiteral("chkOpen"));
  open_->setEnabled(false);
  create_ = new QPushButton(QStringLiteral("Create New File"), this);
  create_->setObjectName(QStringLiteral("chkNew"));
  associationButton_ = new QPushButton(
      QStringLiteral("Check File Associations          (IE *.Fdr files will open with Zonalyst from Windows Explorer)"),
      this);
  associationButton_->setObjectName(QStringLiteral("File_ass"));
  buildLayout();

  connect(drives_, &QComboBox::textActivated, this, &FilePanel::setFolder);
  connect(folders_, &QListWidget::itemActivated, this,
          [this](QListWidgetItem* item) { setFolder(item->data(kPathRole).toString()); });
  // Selection, not the current row: a list that takes the focus makes its first entry
  // current without the user having chosen it.
  connect(files_, &QListWidget::itemSelectionChanged, this, [this] {
    const QList<QListWidgetItem*> chosen = files_->selectedItems();
    if (!chosen.isEmpty()) showPreview(files_->row(chosen.front()));
  });
  connect(files_, &QListWidget::itemDoubleClicked, this, &FilePanel::openSelected);
  connect(open_, &QPushButton::clicked, this, &FilePanel::openSelected);
  connect(create_, &QPushButton::clicked, this, &FilePanel::createNewTest);
  connect(associationButton_, &QPushButton::clicked, this, [this] {
    OfferFileAssociation(context_.association, context_.prompter, context_.state.settings, OfferOccasion::Button);
  });
}

void FilePanel::buildLayout() {
  auto* grid = new QGridLayout(this);
  grid->addWidget(new QLabel(QStringLiteral("Drive"), this), 0, 0);
  grid->addWidget(drives_, 1, 0);
  grid->addWidget(new QLabel(QStringLiteral("Folder"), this), 2, 0);
  grid->addWidget(folders_, 3, 0, 3, 1);
  grid->addWidget(new QLabel(QStringLiteral("Test files (*.fdr)"), this), 0, 1, 1, 1);
  grid->addWidget(files_, 1, 1, 5, 1);
  grid->addWidget(selected_, 1, 2, 3, 1);
  grid->addWidget(open_, 4, 2);
  grid->addWidget(create_, 5, 2, Qt::AlignTop);
  grid->addWidget(associationButton_, 6, 0, 1, 3);
  grid->setColumnStretch(0, 3);
  grid->setColumnStretch(1, 3);
  grid->setColumnStretch(2, 2);
  grid->setRowStretch(3, 1);
}

void FilePanel::enterPanel(const PanelEntry& entry) {
  if (entry.closedTest) {
    showTestFolder();
  } else {
    setFolder(StartFolder(QCoreApplication::applicationDirPath()));
    selected_->hide();
  }
  files_->setFocus();
  open_->setEnabled(false);
}

void FilePanel::setFolder(const QString& folder) {
  folder_ = QDir::cleanPath(QDir(folder).absolutePath());
  const int drive = drives_->findText(DriveOf(folder_), Qt::MatchFixedString);
  if (drive >= 0) drives_->setCurrentIndex(drive);
  fillFolders();
  refreshFiles();
}

void FilePanel::showTestFolder() {
  // A test opened from the command line did not come through the lists: point them at it.
  const QString folder = context_.state.folder;
  if (!folder.isEmpty() && QDir::cleanPath(QDir(folder).absolutePath()) != folder_) {
    setFolder(folder);
  } else {
    refreshFiles();
  }
}

void FilePanel::fillFolders() {
  folders_->clear();
  // The path from the drive down to the folder, then the folders inside it, indented
  // one step per level.
  QStringList path;
  for (QDir dir(folder_);;) {
    path.prepend(dir.absolutePath());
    if (!dir.cdUp()) break;
  }
  const QString indent = QStringLiteral("   ");
  int depth = 0;
  for (const QString& step : path) {
    const QString name = QFileInfo(step).fileName();
    auto* item = new QListWidgetItem(indent.repeated(depth++) + (name.isEmpty() ? step : name), folders_);
    item->setData(kPathRole, step);
  }
  folders_->setCurrentRow(folders_->count() - 1);
  const QDir dir(folder_);
  for (const QString& name : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
    auto* item = new QListWidgetItem(indent.repeated(depth) + name, folders_);
    item->setData(kPathRole, dir.filePath(name));
  }
}

void FilePanel::refreshFiles() {
  files_->clear();
  const QFileInfo info(folder_);
  if (!info.isDir() || !info.isReadable() || !info.isExecutable()) {
    emit helpChanged(entry::UnreadableFolderHelp(folder_));
    return;
  }
  files_->addItems(TestFilesIn(folder_));
}

void FilePanel::showPreview(int row) {
  if (row < 0) return;
  const QString path = TestFilePath(folder_, files_->item(row)->text());
  const QDateTime modified = QFileInfo(path).lastModified();
  data_[0]->setText(QStringLiteral("Last modified: \n") + QLocale().toString(modified, QLocale::ShortFormat));
  const entry::FilePreview preview = entry::PreviewOfFile(path.toStdString(), DecimalSeparator());
  data_[1]->setText(preview.diameter);
  data_[2]->setText(preview.roc);
  data_[3]->setText(preview.zones);
  selected_->show();
  open_->setEnabled(true);
}

void FilePanel::openSelected() {
  const QList<QListWidgetItem*> chosen = files_->selectedItems();
  if (chosen.isEmpty()) return;
  emit openRequested(folder_, chosen.front()->text());
}

void FilePanel::createNewTest() {
  if (createBusy_) return;
  const QScopedValueRollback busy(createBusy_, true);
  if (const std::optional<QString> fileName = AskTestFileName(context_.prompter, folder_)) {
    emit newTestRequested(folder_, *fileName);
  }
}

FilePanel::Step FilePanel::openNeighbour(entry::FileStep step) {
  AppState& state = context_.state;
  showTestFolder();
  const bool pastFailure =
      failedStep_ && failedStep_->folder == state.folder && failedStep_->openTest == state.fileName;
  const QList<QListWidgetItem*> found =
      files_->findItems(pastFailure ? failedStep_->file : state.fileName, Qt::MatchExactly);
  const int row = found.isEmpty() ? -1 : files_->row(found.front());
  const int position =
      entry::SteppedListPosition(state.filePosition, row, step == entry::FileStep::Previous ? -1 : 1, files_->count());
  if (position < 0 || position == row) return Step::NoTest;
  state.filePosition = position;
  files_->setCurrentRow(position);
  // A file that fails to load leaves the open test as it was.
  const QString target = files_->item(position)->text();
  failedStep_ = FailedStep{state.folder, state.fileName, target};
  if (!OpenTest(state, context_.prompter, folder_, target)) return Step::NotLoaded;
  failedStep_.reset();
  return Step::Opened;
}

bool FilePanel::eventFilter(QObject* watched, QEvent* event) {
  if (watched == files_ && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      openSelected();
      return true;
    }
  }
  return PanelContent::eventFilter(watched, event);
}

}  // namespace zonalyst::ui
