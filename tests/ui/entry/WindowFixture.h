#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QString>
#include <QTimer>

#include "../WindowRig.h"
#include "core/MirrorTest.h"
#include "ui/entry/FilePanel.h"
#include "ui/window/MainWindow.h"
#include "ui/entry/ReadingsPanel.h"
#include "ui/prompt/ScriptedPrompter.h"
#include "ui/entry/SetupPanel.h"

namespace zonalyst::test {

// An 8" f/8 paraboloid in inches, four zones laid out by hand, one reading set.
MirrorTest SampleTest();

void WriteTestFile(const QString& folder, const QString& fileName, const MirrorTest& test);
std::string ReadFile(const QString& path);

// The window of the rig, started on the load panel pointed at the rig's folder, with
// the data entry panels at hand and the real unsaved-changes dialog.
struct WindowFixture {
  WindowFixture();

  // Chooses the file in the list and presses "Open Selected".
  void openFile(const QString& fileName);
  // Writes `test` as m.fdr and opens it.
  void openTest(const MirrorTest& test);
  // Presses a key where the focus is (the window's key map sees it first).
  void press(Qt::Key key);
  void type(const QString& text);
  // Presses `key` `steps` times and gives the index of each box or cell focused.
  QStringList walk(Qt::Key key, int steps);
  QWidget* focused() const;
  QString focusedName() const;
  QLineEdit* box(int index) const;   // setup box Text1_index
  QLineEdit* cell(int index) const;  // readings cell lblF3Kedata_index
  QString labelText(const QString& name) const { return rig.label(name)->text(); }
  QListWidget* files() const { return window->findChild<QListWidget*>(QStringLiteral("File1")); }
  QString path(const QString& fileName) const;

  testing::WindowRig rig;
  ui::ScriptedPrompter& prompter = rig.prompter;
  QString folder;
  ui::MainWindow* window = nullptr;
  struct {
    ui::FilePanel* files = nullptr;
    ui::SetupPanel* setup = nullptr;
    ui::ReadingsPanel* readings = nullptr;
  } panels;
};

// Answers the next Save_Discard dialog by its buttons, pressed in turn while it stays
// open (cmdDiscard, cmdOverwrite, cmdSaveAs; an empty name closes it by its title bar),
// and keeps the label it showed.
class SaveDiscardAnswer {
 public:
  explicit SaveDiscardAnswer(QStringList buttonNames);
  explicit SaveDiscardAnswer(const QString& buttonName) : SaveDiscardAnswer(QStringList{buttonName}) {}
  bool shown() const { return shown_; }
  QString label() const { return label_; }
  QString title() const { return title_; }

 private:
  void poll();
  QTimer timer_;
  QStringList buttonNames_;
  bool shown_ = false;
  QString label_;
  QString title_;
};

}  // namespace zonalyst::test
