#pragma once

#include "ui/entry/rules/ListPosition.h"
#include "ui/panel/PanelContent.h"
#include "ui/panel/PanelContext.h"

#include <QString>

#include <array>
#include <optional>

class QComboBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace zonalyst::ui {

// The load panel: the drive, folder and file lists of test files ("*.fdr"), the preview of
// the chosen file, opening it or creating a new test; also previous/next test file.
// On a system without drives the drive list holds the file system root.
class FilePanel final : public PanelContent {
  Q_OBJECT
 public:
  explicit FilePanel(const PanelContext& context);

  // With a test just closed: the list refreshed and focused. Without: the lists
  // pointed at the program's own folder when it is writable, else at the user's
  // documents folder; the preview hidden.
  void enterPanel(const PanelEntry& entry) override;

  // Points the folder and file lists at `folder`. A folder that cannot be read leaves
  // the file list empty and says so on the help line.
  void setFolder(const QString& folder);
  QString folder() const { return folder_; }
  void refreshFiles();

  // Opens the previous or next test of the open test's folder (the open test saved
  // already). After a file that did not load, the next step goes on from that file while
  // the same test stays open, so that every file past it can be reached.
  enum class Step {
    NoTest,     // there is no test that way (the open one is the last or the first)
    NotLoaded,  // the file that way did not load: told, the open test left as it was
    Opened,
  };
  Step openNeighbour(entry::FileStep step);

  void openSelected();
  void createNewTest();

 signals:
  // The user chose a test of the list, or named a new one: the window opens it.
  void openRequested(const QString& folder, const QString& fileName);
  void newTestRequested(const QString& folder, const QString& fileName);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void buildLayout();
  void showTestFolder();
  void fillFolders();
  void showPreview(int row);

  PanelContext context_;
  QString folder_;
  QComboBox* drives_ = nullptr;
  QListWidget* folders_ = nullptr;
  QListWidget* files_ = nullptr;
  QGroupBox* selected_ = nullptr;
  std::array<QLabel*, 4> data_{};
  QPushButton* open_ = nullptr;
  QPushButton* create_ = nullptr;
  QPushButton* associationButton_ = nullptr;
  bool createBusy_ = false;  // held while the new test's name is asked: a second request is dropped
  // The file a step last failed to load, and the test that stayed open then.
  struct FailedStep {
    QString folder;
    QString openTest;
    QString file;
  };
  std::optional<FailedStep> failedStep_;
};

}  // namespace zonalyst::ui
