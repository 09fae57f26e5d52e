#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>
#include <array>
#include <functional>

#include "AppState.h"
#include "DataEntryHooks.h"
#include "PanelContent.h"
#include "PanelTexts.h"
#include "ui/prompt/Prompter.h"
#include "ui/entry/TestSaving.h"
#include "io/TestFileSaver.h"
#include "platform/FileAssociation.h"
#include "platform/Settings.h"

class QGroupBox;
class QLabel;
class QPushButton;

namespace zonalyst::ui {

class ExitPanel;

// The services the window works through, so that tests can stand in for the desktop.
struct WindowServices {
  Prompter* prompter = nullptr;
  platform::SettingsStore* settings = nullptr;
  platform::FileAssociation* association = nullptr;
  // Shows the splash modally over owner, starting from the Show_Splash choice, and
  // returns the choice the user leaves it with.
  std::function<bool(QWidget* owner, bool showSplash)> splash;
};

// frmMain: ten stacked panel frames `Display_0`..`Display_9`, the function buttons
// `Action_0`..`Action_9`, the help line `LblHelp`, and the one open test.
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
  void actionClick(int panel);
  int currentPanel() const { return currentPanel_; }
  int previousPanel() const { return previousPanel_; }

  // Hooks of the setup (2), readings (3) and load (1) panels: the content replaces the
  // empty widget of that frame and is entered each time its panel is shown.
  void setPanelContent(int panel, PanelContent* content);
  PanelContent* panelContent(int panel) const { return contents_[panel]; }
  void setDataEntryHooks(DataEntryHooks hooks) { hooks_ = std::move(hooks); }
  // The unsaved-changes question; without one a changed test is written over its file.
  void setSaveQuestion(io::SaveQuestion* question) { saveQuestion_ = question; }
  // Saves the panel on show as an image (F9); without one F9 only redraws the panel.
  void setImageSaver(std::function<void(int panel)> saver) { imageSaver_ = std::move(saver); }

  AppState& state() { return state_; }
  Prompter& prompter() { return *services_.prompter; }
  platform::SettingsStore& settingsStore() { return *services_.settings; }

  // Loads a test into the record and names it the open one; on failure shows the
  // load message and returns false (values read before the fault stay in the record).
  bool openTest(const QString& folder, const QString& fileName);
  // Shows a test just opened: the setup is drawn, then the surface error panel is shown.
  // The opening never stops at the setup checks; the next switch runs them.
  void showOpenedTest();
  // Saves the open test when it differs from its file, asking first; follows a "save as";
  // a failed save is reported (with `advice`) and may go elsewhere. See SaveOpenTest.
  TestSaved saveTest(const QString& advice = StaysOpenAdvice());
  // Ctrl+S: saves the open test as leaving it would, stays on the panel and says on the
  // help line that the file was written.
  void saveNow();
  // The load panel's button `File_ass`: offers the association unless it is in place.
  void checkFileAssociation();
  void setHelp(const QString& text);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void buildPanels();
  void buildButtons();
  void onActionButton(int panel);
  void syncButton(int panel);
  void enableButtons();
  void showOnly(int panel);
  void setPanelCaptions();
  bool validationStops(int panel);
  TestSaved saveCommittingEdits(const QString& advice, bool keepFocus);
  void enterLoadPanel(bool closedTest);
  void enterExitPanel();
  void confirmExit();
  TestSaved saveBeforeExit();
  void returnFromExit(bool saveFailed);

  WindowServices services_;
  AppState state_;
  DataEntryHooks hooks_;
  io::SaveQuestion* saveQuestion_ = nullptr;
  std::function<void(int)> imageSaver_;

  std::array<QGroupBox*, kPanelCount> frames_{};
  std::array<PanelContent*, kPanelCount> contents_{};
  std::array<QPushButton*, kPanelCount> buttons_{};
  QLabel* help_ = nullptr;
  ExitPanel* exitPanel_ = nullptr;

  int currentPanel_ = 0;
  int previousPanel_ = 0;
  int switchingTo_ = -1;  // the panel a running switch shows
  bool switchBusy_ = false;
  bool validationArmed_ = false;
  bool startUpBusy_ = false;
  bool unloadBusy_ = false;
  bool exitConfirmed_ = false;  // the exit button's work is done: a close need not do it again
  bool exitSaveFailed_ = false;  // a save at exit failed and was reported: the next exit leaves
  int panelBeforeExit_ = kLoadPanel;  // where a failed or unanswered save at exit returns
  bool returnPending_ = false;        // return there once the running switch ends
  bool returnAfterFailedSave_ = false;
  QString helpOnReturn_;  // a Ctrl+S confirmation to show again when the window is active again
  bool cancelClose_ = true;  // a close is refused unless the exit has been confirmed
};

}  // namespace zonalyst::ui
