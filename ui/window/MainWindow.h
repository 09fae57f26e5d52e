#pragma once

#include "ButtonColumn.h"
#include "PerPanel.h"
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
#include <optional>

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

// frmMain: a stacked panel frame `Display_i` with the panel the window builds into it and a
// function button `Action_i` for each row i of its table (WindowPanels), the help line
// `LblHelp`, and the one open test. The panels get a PanelContext and talk back by their signals.
class MainWindow final : public QWidget {
  Q_OBJECT
 public:
  explicit MainWindow(WindowServices services, QWidget* parent = nullptr);
  ~MainWindow() override;

  // Start-up: seed, settings, splash, the window shown, association offer, Bessel table,
  // then the test named by the arguments (the ones after the program's name), or the
  // load panel. A name without a folder is taken from workingFolder. Runs once.
  void startUp(const QStringList& arguments, const QString& workingFolder);

  // The panel switch, for the buttons, the keys and the panels.
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
  void closeEvent(QCloseEvent* event) override;

 private:
  // The frame, the panel and the button of every row of the window's table.
  void buildPanels();
  // The frame and the function button at this place of the column (ButtonColumn.h).
  QGroupBox* addFrame(int index);
  QPushButton* addButton(int index, const QString& caption, const char* tooltip);
  void place(Panel panel, PanelContent* content);
  void onPanelRequest(const PanelRequest& request);
  // Shows a test just opened: the setup is drawn, then `panel` is shown. The opening never
  // stops at the setup checks; the next switch runs them.
  void showOpenedTest(Panel panel);
  // Saves the open test when it differs from its file, asking first; follows a "save as";
  // a failed save is reported (with `advice`) and may go elsewhere. See SaveOpenTest.
  TestSaved saveTest(const QString& advice);
  // Keys X and Z: the open test saved, then the next or previous test of its folder opened.
  void stepTestFile(entry::FileStep step);
  // Puts the focus where the user mends what a check refused.
  void focusPlace(entry::FixPlace place);
  // Does what showing the panel means; an analysis panel of a test without readings says
  // so instead of drawing.
  void enterPanel(Panel panel, bool readingsMissing);
  // F9: saves the picture of the analysis panel on show, then draws the panel again.
  void saveImage();
  void onActionButton(Panel panel);
  void syncButton(Panel panel);
  void enableButtons();
  void showOnly(Panel panel);
  void setPanelCaptions();
  bool validationStops(Panel panel);
  // Saves after the box being edited gave up its text; `ask`: with the unsaved-changes question.
  TestSaved saveCommittingEdits(const QString& advice, bool keepFocus, bool ask);
  void enterLoadPanel(bool closedTest);
  void enterExitPanel();
  void confirmExit();
  TestSaved saveBeforeExit();
  void returnFromExit(bool saveFailed);

  WindowServices services_;
  AppState state_;
  PanelContext context_;
  io::SaveQuestion* saveQuestion_ = nullptr;

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
  std::optional<Panel> switchingTo_;  // the panel a running switch shows
  bool switchBusy_ = false;
  bool validationArmed_ = false;
  bool figuresShown_ = false;  // the analysis panel on show draws the test (it has readings)
  bool startUpBusy_ = false;
  bool unloadBusy_ = false;
  bool exitConfirmed_ = false;           // the exit button's work is done: a close need not do it again
  bool exitSaveFailed_ = false;          // a save at exit failed and was reported: the next exit leaves
  Panel panelBeforeExit_ = Panel::Load;  // where a failed or unanswered save at exit returns
  bool returnPending_ = false;           // return there once the running switch ends
  bool returnAfterFailedSave_ = false;
  QString helpOnReturn_;     // a Ctrl+S confirmation to show again when the window is active again
  bool cancelClose_ = true;  // a close is refused unless the exit has been confirmed
};

}  // namespace zonalyst::ui
