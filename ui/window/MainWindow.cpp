#include "MainWindow.h"

#include "Artwork.h"
#include "CommandLine.h"
#include "ExitPanel.h"
#include "KeyMap.h"
#include "LastResort.h"
#include "PanelTexts.h"
#include "ReadingSources.h"
#include "SetupCheckRun.h"
#include "WindowPanels.h"
#include "core/BesselTable.h"
#include "plot/PanelTable.h"
#include "ui/analysis/ImageExport.h"
#include "ui/analysis/ReferenceSliders.h"
#include "ui/analysis/StarTestPanel.h"
#include "ui/entry/AssociationOffer.h"
#include "ui/entry/FilePanel.h"
#include "ui/entry/ReadingsPanel.h"
#include "ui/entry/SaveDiscardDialog.h"
#include "ui/entry/SetupPanel.h"
#include "ui/entry/TestOpening.h"
#include "ui/entry/rules/ValidationFocus.h"
#include "ui/panel/EventPump.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDateTime>
#include <QGroupBox>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>

namespace zonalyst::ui {
namespace {

// Window geometry in pixels: a function button for each panel in a column at the left, the
// panel frames beside them, the help line underneath both. The buttons that do not fit
// beside the frames reach below them, and the window is as many rows taller.
constexpr int kMargin = 8;
constexpr int kButtonWidth = 180;
constexpr int kButtonHeight = 40;
constexpr int kButtonGap = 6;
constexpr int kButtonPitch = kButtonHeight + kButtonGap;
constexpr int kFrameWidth = plot::kPanelFrame.width;
constexpr int kFrameHeight = plot::kPanelFrame.height;
constexpr int kFrameLeft = kMargin + kButtonWidth + kMargin;
constexpr int kButtonsBesideFrames = (kFrameHeight + kButtonGap) / kButtonPitch;
constexpr int kButtonRowsBelowFrames = std::max(0, kButtonCount - kButtonsBesideFrames);
constexpr int kHelpHeight = 52;  // three lines: an entry box's help and the stepping keys
constexpr int kHelpTop = kMargin + kFrameHeight + kMargin + kButtonRowsBelowFrames * kButtonPitch;
constexpr int kWindowWidth = kFrameLeft + kFrameWidth + kMargin;
constexpr int kWindowHeight = kHelpTop + kHelpHeight + kMargin;

// The panel where the user mends what a check refused.
Panel MendingPanel(entry::FixPlace place) { return place.onReadingsPanel ? Panel::Readings : Panel::Setup; }

}  // namespace

MainWindow::MainWindow(WindowServices services, QWidget* parent)
    : QWidget(parent),
      services_(std::move(services)),
      context_{state_, *services_.prompter, *services_.settings, *services_.clipboard, *services_.association},
      saveQuestion_(services_.saveQuestion != nullptr ? services_.saveQuestion
                                                      : new SaveDiscardQuestion(this, *services_.prompter)) {
  setObjectName(QStringLiteral("frmMain"));
  setWindowTitle(QString::fromLatin1(kProgramTitle));
  setWindowIcon(QIcon(MirrorArtwork(64)));
  setFixedSize(kWindowWidth, kWindowHeight);
  buildPanels();
  help_ = new QLabel(this);
  help_->setObjectName(QStringLiteral("LblHelp"));
  help_->setGeometry(kMargin, kHelpTop, kWindowWidth - 2 * kMargin, kHelpHeight);
  help_->setFrameShape(QFrame::StyledPanel);
  help_->setWordWrap(true);
  setPanelCaptions();
  // No panel is on show until start-up switches to the first one.
  enableButtons();
  qApp->installEventFilter(this);
}

MainWindow::~MainWindow() { qApp->removeEventFilter(this); }

void MainWindow::buildPanels() {
  for (const WindowPanel& row : WindowPanels()) {
    const Panel panel = row.panel;
    frames_[panel] = addFrame(IndexOf(panel));
    place(panel, row.make(context_, AnalysisLayoutOf(row)));
    buttons_[panel] = addButton(IndexOf(panel), ButtonCaption(panel), nullptr);
    connect(buttons_[panel], &QPushButton::clicked, this, [this, panel] { onActionButton(panel); });
  }
  const WindowCommand& command = SaveImageCommand();
  addFrame(kSaveImageIndex)->setTitle(QString::fromLatin1(command.frameCaption));
  saveImageButton_ = addButton(kSaveImageIndex, QString::fromLatin1(command.buttonCaption), command.tooltip);
  connect(saveImageButton_, &QPushButton::clicked, this, [this] {
    saveImage();
    saveImageButton_->setChecked(false);
  });

  exitPanel_ = qobject_cast<ExitPanel*>(contents_[Panel::Exit]);
  connect(exitPanel_, &ExitPanel::exitClicked, this, &MainWindow::confirmExit);
  connect(exitPanel_, &ExitPanel::autoExitChanged, this, [this](bool on) { state_.settings.showExit = on; });
  filePanel_ = qobject_cast<FilePanel*>(contents_[Panel::Load]);
  connect(filePanel_, &FilePanel::openRequested, this, &MainWindow::openChosenTest);
  connect(filePanel_, &FilePanel::newTestRequested, this, &MainWindow::openNewTest);
  setupPanel_ = qobject_cast<SetupPanel*>(contents_[Panel::Setup]);
  readingsPanel_ = qobject_cast<ReadingsPanel*>(contents_[Panel::Readings]);
  connect(readingsPanel_, &ReadingsPanel::readFromPhotosRequested, this, [this] {
    ReadFromPhotos(context_, this);
    readingsPanel_->showReadings();
  });
  connect(readingsPanel_, &ReadingsPanel::readFromSweepRequested, this, [this] {
    ReadFromSweep(context_, this);
    readingsPanel_->showReadings();
  });
  connect(readingsPanel_, &ReadingsPanel::liveTesterRequested, this, [this] {
    OpenLiveTester(context_, this);
    readingsPanel_->showReadings();
  });
  JoinReferenceSliders(analysisPanels_.all(), *qobject_cast<StarTestPanel*>(contents_[Panel::StarTest]));
}

QGroupBox* MainWindow::addFrame(int index) {
  auto* frame = new QGroupBox(this);
  frame->setObjectName(QStringLiteral("Display_%1").arg(index));
  frame->setGeometry(kFrameLeft, kMargin, kFrameWidth, kFrameHeight);
  frame->hide();
  auto* layout = new QVBoxLayout(frame);
  layout->setContentsMargins(6, 4, 6, 4);
  return frame;
}

QPushButton* MainWindow::addButton(int index, const QString& caption, const char* tooltip) {
  auto* button = new QPushButton(caption, this);
  button->setObjectName(QStringLiteral("Action_%1").arg(index));
  button->setCheckable(true);
  button->setFocusPolicy(Qt::NoFocus);
  button->setGeometry(kMargin, kMargin + index * kButtonPitch, kButtonWidth, kButtonHeight);
  if (tooltip != nullptr) button->setToolTip(QString::fromLatin1(tooltip));
  return button;
}

void MainWindow::place(Panel panel, PanelContent* content) {
  contents_[panel] = content;
  analysisPanels_[panel] = qobject_cast<AnalysisPanel*>(content);
  frames_[panel]->layout()->addWidget(content);
  connect(content, &PanelContent::helpChanged, this, &MainWindow::setHelp);
}

void MainWindow::startUp(const QStringList& arguments, const QString& workingFolder) {
  const WindowStates::Scope starting = states_.enter(WindowState::StartingUp);
  if (!starting) return;
  state_.random = UniformSource(static_cast<std::uint32_t>(QDateTime::currentMSecsSinceEpoch()));
  state_.settings = platform::ReadSettings(*services_.settings);
  if (services_.splash) state_.settings.showSplash = services_.splash(this, state_.settings.showSplash);
  show();
  OfferFileAssociation(*services_.association, *services_.prompter, state_.settings, OfferOccasion::StartUp);
  FillBesselTable(state_.bessel);
  const std::optional<TestLocation> location = TestFromArguments(arguments, workingFolder);
  if (location && OpenTest(state_, *services_.prompter, location->folder, location->fileName)) {
    showOpenedTest(Panel::SurfaceError, true);
  } else {
    switchPanel(Panel::Load);
  }
}

void MainWindow::actionClick(Panel panel) {
  if (state_.test.MonteCarloRunning) return;
  bool countedDown = false;
  if (const WindowStates::Scope switching = states_.enter(WindowState::SwitchingPanel)) {
    switchPanel(panel);
    countedDown = panel == Panel::Exit && exitPanel_->outcome() == ExitPanel::Outcome::CountedDown;
  }
  // The exit countdown ran out: the window closes as a close request closes it.
  if (countedDown) close();
}

void MainWindow::switchPanel(Panel panel) {
  if (panel != Panel::Exit) exitSaveFailed_ = false;
  enableButtons();
  if (leavingRefused(panel)) return;
  // Leaving the test saves it first; without a save the user stays where they were.
  const bool closingTest = panel == Panel::Load && state_.testOpen();
  if (closingTest && !MayLeaveTest(saveCommittingEdits(StaysOpenAdvice(), false, true))) {
    syncButton(Panel::Load);
    return;
  }
  if (panel == Panel::Exit && currentPanel_ != Panel::Exit) panelBeforeExit_ = currentPanel_;
  AnalysisCheck check;
  if (IsAnalysisPanel(panel) && state_.testOpen()) {
    check = CheckBeforeAnalysis(state_.test, state_.bessel);
  }
  // An analysis panel cannot show a refused test: the panel where the user mends it takes its place.
  showPanel(check.refused ? MendingPanel(*check.refused) : panel, currentPanel_, check, closingTest);
}

void MainWindow::openChosenTest(const QString& folder, const QString& fileName) {
  const WindowStates::Scope switching = states_.enter(WindowState::SwitchingTest);
  if (switching && OpenTest(state_, *services_.prompter, folder, fileName)) showOpenedTest(Panel::SurfaceError, true);
}

void MainWindow::openNewTest(const QString& folder, const QString& fileName) {
  const WindowStates::Scope switching = states_.enter(WindowState::SwitchingTest);
  if (!switching) return;
  OpenNewTest(state_, folder, fileName);
  fillEntryPanels();
  showPanel(Panel::Setup, currentPanel_);
}

void MainWindow::stepTestFile(entry::FileStep step) {
  // A Monte Carlo run keeps its test and panel to the end, as it keeps the function keys.
  if (!state_.testOpen() || state_.test.MonteCarloRunning) return;
  const WindowStates::Scope switching = states_.enter(WindowState::SwitchingTest);
  // Without a save the user stays with the test, in the box being edited.
  if (!switching || !MayLeaveTest(saveCommittingEdits(StaysOpenAdvice(), false, true))) return;
  switch (filePanel_->openNeighbour(step)) {
    case FilePanel::Step::Opened:
      showOpenedTest(currentPanel_, false);
      break;
    case FilePanel::Step::NoTest:
      setHelp(FolderEndHelp(step));
      break;
    case FilePanel::Step::NotLoaded:
      break;
  }
}

void MainWindow::showOpenedTest(Panel wanted, bool drawSetupFirst) {
  fillEntryPanels();
  if (drawSetupFirst) showPanel(Panel::Setup, currentPanel_);
  const Panel previous = currentPanel_;
  const AnalysisCheck check = CheckBeforeAnalysis(state_.test, state_.bessel);
  showPanel(check.refused ? MendingPanel(*check.refused) : wanted, previous, check);
}

void MainWindow::fillEntryPanels() {
  setupPanel_->showSetup();
  readingsPanel_->showReadings();
  // An analysis panel on show keeps the name of the test whose figures it shows until it is left.
  for (const Panel panel : {Panel::Setup, Panel::Readings}) {
    frames_[panel]->setTitle(PanelCaption(panel, state_.fileName));
  }
}

void MainWindow::saveImage() {
  AnalysisPanel* panel = analysisPanels_[currentPanel_];
  if (panel == nullptr || state_.test.MonteCarloRunning) return;
  const WindowStates::Scope saving = states_.enter(WindowState::SavingImage);
  if (!saving) return;
  SaveImageAndReport(*panel, *services_.prompter, state_);
  showPanel(currentPanel_, currentPanel_);
}

void MainWindow::confirmExit() {
  if (const WindowStates::Scope exiting = states_.enter(WindowState::Exiting)) leaveOrReturn();
  if (states_.current() == WindowState::Left) close();
}

void MainWindow::leaveOrReturn() {
  const TestSaved saved = saveBeforeExit();
  if (MayLeaveTest(saved)) {
    platform::WriteSettings(*services_.settings, state_.settings);
    states_.leave();
    return;
  }
  const WindowStates::Scope returning = states_.enter(WindowState::ReturningFromExit);
  switchPanel(panelBeforeExit_);
  exitSaveFailed_ = saved == TestSaved::Failed;
}

TestSaved MainWindow::saveBeforeExit() {
  // The user was told that the next exit after a failed save leaves without saving.
  if (exitSaveFailed_) return TestSaved::Discarded;
  return saveTest(StaysOpenAdvice() + QStringLiteral("\r\nPress the exit button again to leave without saving."));
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (const WindowStates::Scope closing = states_.enter(WindowState::Closing)) {
    bool aborted = false;
    if (currentPanel_ != Panel::Exit) {
      switchPanel(Panel::Exit);
      aborted = exitPanel_->outcome() == ExitPanel::Outcome::Aborted;
    }
    if (state_.settings.showExit && !aborted) leaveOrReturn();
  }
  event->setAccepted(states_.current() == WindowState::Left);
}

void MainWindow::showPanel(Panel panel, Panel previous, const AnalysisCheck& check, bool closedTest) {
  // Set first, so that a click dropped while the panel is drawn leaves its button as shown.
  previousPanel_ = previous;
  currentPanel_ = panel;
  showOnly(panel);
  setPanelCaptions();
  switch (panel) {
    case Panel::Exit:
      exitPanel_->runExitSequence(state_.settings.showExit, previousPanel_);
      break;
    case Panel::Load:
      enterLoadPanel(closedTest);
      break;
    default:
      enterPanel(panel, IsAnalysisPanel(panel) && check.noReadings);
      break;
  }
  // The refusal is told over the panel where it is mended, which shows the refused test's own values.
  if (check.refused) {
    services_.prompter->message(check.refusal);
    focusPlace(*check.refused);
  }
  enableButtons();
}

bool MainWindow::leavingRefused(Panel panel) {
  // The panels that need no test (exit, load) are reached without the checks: leaving
  // the test saves it as it stands.
  if (!state_.testOpen() || !WindowPanelOf(panel).needsTest) return false;
  // Taking the focus makes the box being edited commit its value first.
  buttons_[panel]->setFocus();
  LetEventsRun();
  if (!ValidateSetup(state_.test, state_.bessel, currentPanel_, *services_.prompter,
                     [this](entry::FixPlace place) { focusPlace(place); })) {
    return false;
  }
  for (const WindowPanel& row : WindowPanels()) buttons_[row.panel]->setChecked(row.panel == currentPanel_);
  LetEventsRun();
  return true;
}

void MainWindow::focusPlace(entry::FixPlace place) {
  if (place.onReadingsPanel) {
    readingsPanel_->focusCell(place.index);
  } else {
    setupPanel_->focusBox(place.index);
  }
}

void MainWindow::enterPanel(Panel panel, bool readingsMissing) {
  if (AnalysisPanel* analysis = analysisPanels_[panel]) analysis->showReadingsMissing(readingsMissing);
  if (!readingsMissing) contents_[panel]->enterPanel({previousPanel_, false});
}

void MainWindow::enterLoadPanel(bool closedTest) {
  setupPanel_->clearEntryFields();
  readingsPanel_->clearEntryFields();
  if (closedTest) {
    state_.fileName.clear();
    enableButtons();
    setPanelCaptions();
  }
  contents_[Panel::Load]->enterPanel({previousPanel_, closedTest});
  setHelp(LoadPanelHelp());
}

void MainWindow::onActionButton(Panel panel) {
  actionClick(panel);
  // A click dropped by the window's state must not leave its button toggled.
  syncButton(panel);
}

void MainWindow::syncButton(Panel panel) { buttons_[panel]->setChecked(panel == currentPanel_); }

void MainWindow::enableButtons() {
  for (const WindowPanel& row : WindowPanels()) {
    buttons_[row.panel]->setEnabled(ButtonEnabled(row.panel, state_.testOpen()));
  }
  const AnalysisPanel* analysis = analysisPanels_[currentPanel_];
  saveImageButton_->setEnabled(analysis != nullptr && analysis->showsFigures());
}

void MainWindow::showOnly(Panel panel) {
  for (const WindowPanel& row : WindowPanels()) {
    const bool shown = row.panel == panel;
    buttons_[row.panel]->setChecked(shown);
    frames_[row.panel]->setVisible(shown);
    frames_[row.panel]->setEnabled(shown);
    LetEventsRun();
  }
}

void MainWindow::setPanelCaptions() {
  for (const WindowPanel& row : WindowPanels()) {
    frames_[row.panel]->setTitle(PanelCaption(row.panel, state_.fileName));
  }
}

TestSaved MainWindow::saveTest(const QString& advice) {
  return SaveOpenTest(state_, *saveQuestion_, *services_.prompter, advice);
}

TestSaved MainWindow::saveCommittingEdits(const QString& advice, bool keepFocus, bool ask) {
  // The box being edited keeps its text only once it has given up the focus.
  QPointer<QWidget> editing = QApplication::focusWidget();
  if (editing && editing->window() != this) editing = nullptr;
  if (editing) editing->clearFocus();
  LetEventsRun();
  const TestSaved saved = ask ? saveTest(advice) : SaveOpenTestAtOnce(state_, *services_.prompter, advice);
  setPanelCaptions();
  if (editing && (keepFocus || !MayLeaveTest(saved))) editing->setFocus();
  return saved;
}

void MainWindow::saveNow() {
  if (!state_.testOpen() || state_.test.MonteCarloRunning) return;
  const WindowStates::Scope saving = states_.enter(WindowState::Saving);
  if (!saving) return;
  const TestSaved saved = saveCommittingEdits(StaysOpenAdvice(), true, false);
  const QString path = TestFilePath(state_.folder, state_.fileName);
  QString confirmation;
  if (saved == TestSaved::Written) confirmation = QStringLiteral("Saved to ") + path;
  if (saved == TestSaved::Unchanged) {
    confirmation = QStringLiteral("There is nothing to save: ") + path + QStringLiteral(" already holds the test.");
  }
  if (confirmation.isEmpty()) return;
  setHelp(confirmation);
  // After a question the window gets the focus back later, and the control taking it
  // writes its own help: the confirmation is written again after that.
  if (!isActiveWindow()) helpOnReturn_ = confirmation;
}

void MainWindow::setHelp(const QString& text) {
  QString shown = text;
  help_->setText(shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

void MainWindow::reportEscapedFailure(const std::string& what) {
  const MessageRequest report = EscapedFailureReport(what, state_.testOpen());
  if (services_.prompter->message(report) == MessageAnswer::Yes) saveTest(StaysOpenAdvice());
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusIn && !helpOnReturn_.isEmpty() &&
      static_cast<QFocusEvent*>(event)->reason() == Qt::ActiveWindowFocusReason) {
    QTimer::singleShot(0, this, [this, help = std::exchange(helpOnReturn_, QString())] { setHelp(help); });
    return false;
  }
  if (event->type() != QEvent::KeyPress) return false;
  auto* widget = qobject_cast<QWidget*>(watched);
  if (widget == nullptr || widget->window() != this || QApplication::activeModalWidget() != nullptr) return false;
  const auto* key = static_cast<QKeyEvent*>(event);
  if (key->matches(QKeySequence::Save)) {
    saveNow();
    return true;
  }
  // The key goes to the box with the window's focus, whether the window is active or not.
  const bool inEntryBox = qobject_cast<QLineEdit*>(widget) != nullptr;
  const KeyDecision decision = DecideKey(key->key(), key->modifiers(), state_.testOpen(), inEntryBox);
  switch (decision.kind) {
    case KeyDecision::Kind::None:
      return false;
    case KeyDecision::Kind::Switch:
      // A key does what its button does, and nothing where the button cannot be pressed.
      if (buttons_[decision.panel]->isEnabled()) actionClick(decision.panel);
      return true;
    case KeyDecision::Kind::SaveImage:
      if (saveImageButton_->isEnabled()) saveImage();
      return true;
    case KeyDecision::Kind::NextFile:
    case KeyDecision::Kind::PreviousFile:
      stepTestFile(decision.kind == KeyDecision::Kind::NextFile ? entry::FileStep::Next : entry::FileStep::Previous);
      return true;
  }
  return false;
}

}  // namespace zonalyst::ui
