#pragma once

#include "ButtonColumn.h"
#include "PerPanel.h"
#include "SetupCheckRun.h"
#include "WindowState.h"
#include "io/TestFileSaver.h"
#include "platform/Clipboard.h"
#include "platform/FileAssociation.h"
#include "platform/Settings.h"
#include "ui/entry/TestSaving.h"
#include "ui/entry/rules/ListPosition.h"
#include "ui/entry/rules/ValidationFocus.h"
#include "ui/panel/AppState.h"
#include "ui/panel/PanelContent.h"
#include "ui/panel/PanelContext.h"
#include "ui/panel/PanelId.h"
#include "ui/prompt/Prompter.h"

#include <QString>
#include <QStringList>
#include <QWidget>

#include <functional>

class QGroupBox;
class QLabel;
class QPushButton;

namespace zonalyst::ui {

class ExitPanel;
class FilePanel;
class AnalysisPanel;
class ReadingsPanel;
class SetupPanel;

// The services the window works through, so that tests can stand in for the desktop.
struct WindowServices {
  Prompter* prompter = nullptr;
  platform::SettingsStore* settings = nullptr;
  platform::FileAssociation* association = nullptr;
  platform::Clipboard* clipboard = nullptr;
  // The unsaved-changes question; the window's own dialog Save_Discard unless given.
  io::SaveQuestion* saveQuestion = nullptr;
  // Shows the splash modally over owner, starting from the Show_Splash choice, and
  // returns the choice the user leaves it with.
  std::function<bool(QWidget* owner, bool showSplash)> splash;
};

// frmMain: a column of function buttons `Action_i` (ButtonColumn.h), each with its frame
// `Display_i` beside the column holding the panel the window builds into it from its table
// (WindowPanels), F9's button saving the picture on show; the help line `LblHelp`; and the
// one open test. The panels get a PanelContext and talk back by their signals. What the
// window is doing is one state value (WindowState.h), held by each piece of work for as long
// as it runs.
class MainWindow final : public QWidget {
  Q_OBJECT
 public:
  explicit MainWindow(WindowServices services, QWidget* parent = nullptr);
  ~MainWindow() override;

  // Start-up: seed, settings, splash, the window shown, association offer, Bessel table,
  // then the test named by the arguments (the ones after the program's name), or the
  // load panel. A name without a folder is taken from workingFolder. Runs once.
  void startUp(const QStringList& arguments, const QString& workingFolder);

  // The panel switch of the buttons and the keys.
  void actionClick(Panel panel);
  Panel currentPanel() const { return currentPanel_; }
  Panel previousPanel() const { return previousPanel_; }

  // The panel in the panel's frame.
  PanelContent* panelContent(Panel panel) const { return contents_[panel]; }
  AppState& state() { return state_; }

  // Ctrl+S: saves the open test to its file at once, without the unsaved-changes question,
  // stays on the panel and says on the help line that the file was written, or that there
  // was nothing to save. A failed save is reported as leaving the test reports it.
  void saveNow();
  void setHelp(const QString& text);
  // After an exception escaped an event handler: says so and, with a test open, offers to
  // save it at once as leaving it would (that save reports its own failure). The window goes on.
  void reportEscapedFailure(const std::string& what);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  // A close request shows the exit panel; it is accepted once the exit is done (auto exit
  // does it at once unless its countdown is aborted, else the exit button), and refused
  // while the window is busy.
  void closeEvent(QCloseEvent* event) override;

 private:
  // The frame, the panel and the button of every row of the window's table.
  void buildPanels();
  // The frame and the function button at this place of the column.
  QGroupBox* addFrame(int index);
  QPushButton* addButton(int index, const QString& caption, const char* tooltip);
  void place(Panel panel, PanelContent* content);

  // The work of the states, run inside them.
  // SwitchingPanel: leaves the panel on show (its checks; for the load panel the test saved
  // and closed) and shows `panel`, or the panel where a refused test is mended.
  void switchPanel(Panel panel);
  // SwitchingTest: the test chosen on the load panel, or a new one named there (shown on the
  // setup panel without the checks, which refuse it until its mask is entered).
  void openChosenTest(const QString& folder, const QString& fileName);
  void openNewTest(const QString& folder, const QString& fileName);
  // SwitchingTest: Ctrl+PageDown and Ctrl+PageUp, X and Z: the open test saved, then the next
  // or previous test of its folder opened on the panel on show.
  void stepTestFile(entry::FileStep step);
  // The one way a test gets on show once it is loaded or made into the record: both entry
  // panels filled from it before any box can give up its text, then the panel `wanted`, or,
  // where the command line would refuse the test, the panel where it is mended, with the
  // refusal. A test opened from the load panel or the command line has its setup drawn
  // first, as opening one always had; a step comes from the panel on show.
  void showOpenedTest(Panel wanted, bool drawSetupFirst);
  // Both entry panels and their captions show the open test, so that no box holds a value
  // of the test before it.
  void fillEntryPanels();
  // SavingImage, F9: saves the picture of the analysis panel on show, then draws the panel again.
  void saveImage();
  // Exiting and Closing: saves the test (unless the last save at exit failed) and leaves, or
  // goes back to the panel before the exit (ReturningFromExit).
  void leaveOrReturn();
  void confirmExit();

  // Shows `panel` of the open test, entered from `previous`; `check` is what the checks
  // before an analysis found.
  void showPanel(Panel panel, Panel previous, const AnalysisCheck& check = {}, bool closedTest = false);
  // The checks of the panel on show refused leaving it for `panel`.
  bool leavingRefused(Panel panel);
  // Puts the focus where the user mends what a check refused.
  void focusPlace(entry::FixPlace place);
  // Does what showing the panel means; an analysis panel of a test without readings says
  // so instead of drawing.
  void enterPanel(Panel panel, bool readingsMissing);
  void enterLoadPanel(bool closedTest);
  void onActionButton(Panel panel);
  void syncButton(Panel panel);
  void enableButtons();
  void showOnly(Panel panel);
  void setPanelCaptions();
  // Saves the open test when it differs from its file, asking first; follows a "save as";
  // a failed save is reported (with `advice`) and may go elsewhere. See SaveOpenTest.
  TestSaved saveTest(const QString& advice);
  // Saves after the box being edited gave up its text; `ask`: with the unsaved-changes question.
  TestSaved saveCommittingEdits(const QString& advice, bool keepFocus, bool ask);
  TestSaved saveBeforeExit();

  WindowServices services_;
  AppState state_;
  PanelContext context_;
  io::SaveQuestion* saveQuestion_ = nullptr;
  WindowStates states_;

  PerPanel<QGroupBox*> frames_;
  PerPanel<PanelContent*> contents_;
  PerPanel<QPushButton*> buttons_;
  QPushButton* saveImageButton_ = nullptr;
  QLabel* help_ = nullptr;
  ExitPanel* exitPanel_ = nullptr;
  FilePanel* filePanel_ = nullptr;
  SetupPanel* setupPanel_ = nullptr;
  ReadingsPanel* readingsPanel_ = nullptr;
  PerPanel<AnalysisPanel*> analysisPanels_;

  Panel currentPanel_ = Panel::Exit;
  Panel previousPanel_ = Panel::Exit;
  Panel panelBeforeExit_ = Panel::Load;  // where a failed or unanswered save at exit returns
  bool exitSaveFailed_ = false;          // that save failed and was reported: the next exit leaves
                                         // without saving, unless another panel is shown first
  QString helpOnReturn_;                 // a Ctrl+S confirmation to show again when the window is active again
};

}  // namespace zonalyst::ui
