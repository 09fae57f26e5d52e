#pragma once

#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

#include "platform/Clipboard.h"
#include "platform/FileAssociation.h"
#include "io/TestFileSaver.h"
#include "platform/MemorySettingsStore.h"
#include "ui/window/MainWindow.h"
#include "ui/prompt/ScriptedPrompter.h"

class QPushButton;
class QLabel;

namespace zonalyst::testing {

// An association that answers as told and counts lookups and registrations.
class FakeAssociation final : public platform::FileAssociation {
 public:
  platform::AssociationLookup lookup{true, "/usr/bin/zonalyst"};
  int registrations = 0;
  int lookups = 0;
  platform::AssociationLookup find() override {
    ++lookups;
    return lookup;
  }
  std::string failure;  // what registering reports
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

// The real window with all its panels over a scripted prompter, settings in memory (or the
// caller's store), an association in place, no splash; test files live in a temporary folder.
class WindowRig {
 public:
  WindowRig();
  ~WindowRig();

  // Builds the window and runs its start-up; the working folder is the temporary folder.
  ui::MainWindow& start(const QStringList& arguments = {});
  // Starts on a copy of an example test (the 6-inch paraboloid unless named).
  ui::MainWindow& startOnExample(const QString& name = QStringLiteral("6in-f8-paraboloid-moving.fdr")) {
    return start({copyExample(name)});
  }
  // Copies an example test into the temporary folder and returns its full path.
  QString copyExample(const QString& name) const;
  QString writeFifteenZoneTest(const QString& name = QStringLiteral("fifteen.fdr")) const;
  QString folder() const { return dir_.path(); }

  ui::MainWindow& window() { return *window_; }
  QPushButton* button(const QString& name) const;
  QLabel* label(const QString& name) const;
  QPushButton* action(int panel) const { return button(QStringLiteral("Action_%1").arg(panel)); }
  // Presses a key as the user would, at the widget that has the focus.
  void key(Qt::Key key);

  ui::ScriptedPrompter prompter;
  platform::MemorySettingsStore memorySettings;
  platform::SettingsStore* settings = &memorySettings;
  FakeAssociation fakeAssociation;
  platform::FileAssociation* association = &fakeAssociation;
  platform::MemoryClipboard clipboard;
  OverwriteAnswer saveAnswer;
  io::SaveQuestion* saveQuestion = &saveAnswer;  // null: the window's own dialog
  bool splashChoice = false;  // what the splash stand-in leaves Show_Splash at
  int splashShown = 0;

 private:
  QTemporaryDir dir_;
  std::unique_ptr<ui::MainWindow> window_;
};

}  // namespace zonalyst::testing
