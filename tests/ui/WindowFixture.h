#pragma once

#include "core/MirrorTest.h"
#include "io/TestFileSaver.h"
#include "platform/Clipboard.h"
#include "platform/FileAssociation.h"
#include "platform/MemorySettingsStore.h"
#include "tests/ui/SampleMirror.h"
#include "ui/analysis/MilliesLacroixPanel.h"
#include "ui/analysis/SpotDiffractionPanel.h"
#include "ui/analysis/StarTestPanel.h"
#include "ui/analysis/SurfaceErrorPanel.h"
#include "ui/entry/FilePanel.h"
#include "ui/prompt/ScriptedPrompter.h"
#include "ui/window/MainWindow.h"

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace zonalyst::testing {

// An association that answers as told and counts lookups and registrations.
class FakeAssociation final : public platform::FileAssociation {
 public:
  platform::AssociationLookup lookup{true, "/usr/bin/zonalyst"};
  std::string failure;  // what registering reports
  int registrations = 0;
  int lookups = 0;
  platform::AssociationLookup find() override {
    ++lookups;
    return lookup;
  }
  std::string registerAssociation() override {
    ++registrations;
    return failure;
  }
};

// Answers the unsaved-changes question with "Overwrite Existing File".
class OverwriteAnswer final : public io::SaveQuestion {
 public:
  int asked = 0;
  io::SaveDecision ask(const std::string& folder, const std::string& fileName) override {
    ++asked;
    return {true, folder, fileName};
  }
};

// Writes the test as folder/name and returns the full path (empty when writing failed).
std::string WriteTestFile(const MirrorTest& test, const QString& folder, const QString& name);
std::string ReadFile(const QString& path);

// The real window with all its panels over a scripted prompter, settings in memory (or the
// caller's store), an association in place, no splash, and the unsaved-changes question
// answered "overwrite" (or the window's own dialog); test files live in a temporary folder.
// Set the services up, then start the window.
class WindowFixture {
 public:
  // Builds the window and runs its start-up; the working folder is the temporary folder.
  ui::MainWindow& start(const QStringList& arguments = {});
  // Starts on a copy of an example test (the 6-inch paraboloid unless named).
  ui::MainWindow& startOnExample(const QString& name = QStringLiteral("6in-f8-paraboloid-moving.fdr"));
  // Writes the test as fileName and starts on it; one that does not open on the surface error
  // panel ends the test program.
  ui::MainWindow& open(const MirrorTest& test, const QString& fileName = QStringLiteral("m.fdr"));
  // Starts with the window's own unsaved-changes dialog, on the load panel showing the folder.
  ui::MainWindow& startOnLoadPanel();
  // On the load panel: chooses the file in the list and presses "Open Selected".
  void openFile(const QString& fileName);
  // On the load panel: writes the test as m.fdr and opens it.
  void openTest(const MirrorTest& test);

  QString copyExample(const QString& name) const;
  QString folder() const { return dir_.path(); }
  QString path(const QString& fileName) const;

  // Presses a key or types as the user would, where the focus is.
  void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
  void type(const QString& text);
  // Presses `key` `steps` times and gives the index of each box or cell focused.
  QStringList walk(Qt::Key key, int steps);
  // F9, answering the inversion question and the file dialog (no path: cancelled).
  void saveImage(const std::optional<QString>& path, bool inverted = false);
  QWidget* focused() const;
  QString focusedName() const;

  QLineEdit* box(int index) const;   // setup box Text1_index
  QLineEdit* cell(int index) const;  // readings cell lblF3Kedata_index
  QPushButton* button(const QString& name) const { return find<QPushButton>(name); }
  QPushButton* action(ui::Panel panel) const { return button(QStringLiteral("Action_%1").arg(ui::IndexOf(panel))); }
  QPushButton* saveImageAction() const { return button(QStringLiteral("Action_%1").arg(ui::kSaveImageIndex)); }
  QLabel* label(const QString& name) const { return find<QLabel>(name); }
  QString text(const QString& labelName) const { return label(labelName)->text(); }
  QString help() const { return text(QStringLiteral("LblHelp")); }
  QScrollBar* slider(const QString& name) const { return find<QScrollBar>(name); }
  QListWidget* files() const { return find<QListWidget>(QStringLiteral("File1")); }
  // The window's child of that name and type; a missing one ends the test.
  template <typename T>
  T* find(const QString& name) const {
    T* found = window->findChild<T*>(name);
    if (found == nullptr) qFatal("no control %s", qPrintable(name));
    return found;
  }

  ui::ScriptedPrompter prompter;
  platform::MemorySettingsStore memorySettings;
  platform::SettingsStore* settings = &memorySettings;
  FakeAssociation fakeAssociation;
  platform::FileAssociation* association = &fakeAssociation;
  platform::MemoryClipboard clipboard;
  OverwriteAnswer saveAnswer;
  io::SaveQuestion* saveQuestion = &saveAnswer;  // null: the window's own dialog
  bool splashChoice = false;                     // what the splash stand-in leaves Show_Splash at
  int splashShown = 0;

  ui::MainWindow* window = nullptr;
  struct {
    ui::FilePanel* files = nullptr;
    ui::SurfaceErrorPanel* surface = nullptr;
    ui::MilliesLacroixPanel* milliesLacroix = nullptr;
    ui::SpotDiffractionPanel* spot = nullptr;
    ui::StarTestPanel* star = nullptr;
  } panels;

 private:
  QTemporaryDir dir_;
  std::unique_ptr<ui::MainWindow> window_;
};

// Answers the next Save_Discard dialog by its buttons, pressed in turn while it stays
// open (cmdDiscard, cmdOverwrite, cmdSaveAs; an empty name closes it by its title bar),
// and keeps what it showed.
class SaveDiscardAnswer {
 public:
  explicit SaveDiscardAnswer(QStringList buttonNames);
  explicit SaveDiscardAnswer(const QString& buttonName) : SaveDiscardAnswer(QStringList{buttonName}) {}
  bool shown() const { return shown_; }
  QString label() const { return label_; }

 private:
  void poll();
  QTimer timer_;
  QStringList buttonNames_;
  bool shown_ = false;
  QString label_;
};

// Handles the next modal dialog named objectName when it opens (polling for it).
void WhenModalOpens(const QString& objectName, std::function<void(QDialog&)> act);
// Runs act once, as soon as condition holds, from the events that a long loop of the
// window lets run (polling for it).
void WhenTrue(std::function<bool()> condition, std::function<void()> act);

}  // namespace zonalyst::testing
