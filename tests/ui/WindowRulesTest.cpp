// The rules behind the window's widgets: captions, key map, countdown, command line,
// association offer, setup checks through the prompter, settings texts.
#include <QDir>
#include <QObject>
#include <QSettings>
#include <QTest>

#include "QtTestMain.h"
#include "WindowRig.h"
#include "platform/MemorySettingsStore.h"
#include "platform/QtSettingsStore.h"
#include "platform/Settings.h"
#include "ui/AssociationOffer.h"
#include "ui/CommandLine.h"
#include "ui/ExitCountdown.h"
#include "ui/KeyMap.h"
#include "ui/PanelTexts.h"
#include "ui/ScriptedPrompter.h"
#include "ui/SetupCheckRun.h"

using namespace zonalyst;
using namespace zonalyst::ui;

class WindowRulesTest : public QObject {
  Q_OBJECT
 private slots:
  void buttonAndFrameCaptions();
  void onlyExitAndLoadWithoutATest();
  void keyMapWithAndWithoutATest();
  void countdownCaptionsFromHalfASecondToZero();
  void commandLineSplitsAtTheLastSeparator();
  void settingsAreTrueOrFalseTexts();
  void desktopStoreReadsOnlyTextsAsChoices();
  void associationQuestionsNameTheProgram();
  void associationOfferYesRegisters();
  void associationOfferNoNoStopsAsking();
  void associationOfferSilentWhenAssociated();
  void setupChecksAskThroughThePrompter();
};

void WindowRulesTest::buttonAndFrameCaptions() {
  const QStringList buttons = {"(ESC) - Exit",         "(F1) - Load",      "(F2) - Setup",      "(F3) - KE Readings",
                               "(F4) - Surface Error", "(F5) M-L Plot",    "(F6) - Transverse Error",
                               "(F7) - Diffraction",   "(F8) - Star Test", "(F9) Save as Image"};
  const QStringList frames = {"Exit",
                              "Load / Create File",
                              "Test Setup Panel -- m.fdr",
                              "Knife Edge Readings -- m.fdr",
                              "Surface Error Analysis -- m.fdr",
                              "Millies-Lacroix Analysis -- m.fdr",
                              "Transverse Error Analysis -- m.fdr",
                              "Spot Diffraction Analysis -- m.fdr",
                              "Star Test Visualization -- m.fdr",
                              "Save Image"};
  for (int i = 0; i < kPanelCount; ++i) {
    QCOMPARE(ButtonCaption(i), buttons[i]);
    QCOMPARE(PanelCaption(i, QStringLiteral("m.fdr")), frames[i]);
  }
  QCOMPARE(PanelCaption(kSetupPanel, {}), QStringLiteral("Test Setup Panel -- "));
  QCOMPARE(SaveImageTooltip(),
           QStringLiteral("Dump Screen to Clipboard, then open graphics editor and paste new image."));
  QCOMPARE(LoadPanelHelp(), QStringLiteral("Select a file from the list, or create a new file"));
}

void WindowRulesTest::onlyExitAndLoadWithoutATest() {
  for (int i = 0; i < kPanelCount; ++i) {
    QCOMPARE(ButtonEnabled(i, false), i <= kLoadPanel);
    QVERIFY(ButtonEnabled(i, true));
  }
}

void WindowRulesTest::keyMapWithAndWithoutATest() {
  using Kind = KeyDecision::Kind;
  QCOMPARE(DecideKey(Qt::Key_Escape, false, false), (KeyDecision{Kind::Switch, 0}));
  QCOMPARE(DecideKey(Qt::Key_F1, false, false), (KeyDecision{Kind::Switch, 1}));
  for (int key = Qt::Key_F2; key <= Qt::Key_F9; ++key) {
    QCOMPARE(DecideKey(key, false, false), KeyDecision{});
    QCOMPARE(DecideKey(key, false, true), (KeyDecision{Kind::Switch, key - Qt::Key_F1 + 1}));
  }
  QCOMPARE(DecideKey(Qt::Key_X, false, true), KeyDecision{Kind::NextFile});
  QCOMPARE(DecideKey(Qt::Key_Z, false, true), KeyDecision{Kind::PreviousFile});
  QCOMPARE(DecideKey(Qt::Key_X, false, false), KeyDecision{});
  QCOMPARE(DecideKey(Qt::Key_Z, false, false), KeyDecision{});
  QCOMPARE(DecideKey(Qt::Key_F10, false, true), KeyDecision{});
  QCOMPARE(DecideKey(Qt::Key_A, false, true), KeyDecision{});
  QCOMPARE(DecideKey(Qt::Key_F4, true, true), KeyDecision{});
}

void WindowRulesTest::countdownCaptionsFromHalfASecondToZero() {
  QCOMPARE(kCountdownSteps * kCountdownStepMs, 500);
  QCOMPARE(CountdownCaption(1), QStringLiteral("Exiting in 0.49 Seconds"));
  QCOMPARE(CountdownCaption(25), QStringLiteral("Exiting in 0.25 Seconds"));
  QCOMPARE(CountdownCaption(49), QStringLiteral("Exiting in 0.01 Seconds"));
  QCOMPARE(CountdownCaption(50), QStringLiteral("Exiting in 0.00 Seconds"));
  for (int k = 1; k <= kCountdownSteps; ++k) {
    QCOMPARE(CountdownCaption(k), QStringLiteral("Exiting in 0.%1 Seconds").arg(50 - k, 2, 10, QLatin1Char('0')));
  }
  QCOMPARE(ConfirmExitCaption(), QStringLiteral("Confirm Exit"));
  QCOMPARE(ClickToExitCaption(), QStringLiteral("Click to Exit"));
  QCOMPARE(AbortExitCaption(), QStringLiteral("ABORT EXIT!"));
  QCOMPARE(AutoExitCaption(), QStringLiteral("Next time Exit after Time Delay of 1/2 second"));
}

void WindowRulesTest::commandLineSplitsAtTheLastSeparator() {
  const QString sep = QDir::separator();
  const QString root = QDir::toNativeSeparators(QDir::rootPath());
  const QString work = QDir::toNativeSeparators(QDir::tempPath());
  const auto full = TestFromArguments({root + "tests" + sep + "my mirror.fdr"}, work);
  QVERIFY(full.has_value());
  QCOMPARE(full->folder, root + "tests" + sep);
  QCOMPARE(full->fileName, QStringLiteral("my mirror.fdr"));

  const auto bare = TestFromArguments({QStringLiteral("m.fdr")}, work);
  QVERIFY(bare.has_value());
  QCOMPARE(bare->folder, work + sep);
  QCOMPARE(bare->fileName, QStringLiteral("m.fdr"));

  QVERIFY(!TestFromArguments({}, work).has_value());
  QVERIFY(!TestFromArguments({QString()}, work).has_value());
  QVERIFY(!TestFromArguments({QStringLiteral("a.fdr"), QStringLiteral("b.fdr")}, work).has_value());
  QVERIFY(!TestFromArguments({root + "tests" + sep}, work).has_value());
}

void WindowRulesTest::settingsAreTrueOrFalseTexts() {
  platform::MemorySettingsStore store;
  QCOMPARE(platform::ReadSettings(store), platform::Settings{});
  platform::WriteSettings(store, {true, false, true, false});
  using Key = std::pair<std::string, std::string>;
  QCOMPARE(store.values().at(Key{"Global", "Show_Splash"}), std::string("True"));
  QCOMPARE(store.values().at(Key{"Global", "Show_Exit"}), std::string("False"));
  QCOMPARE(store.values().at(Key{"Global", "Show_MC_Dialog"}), std::string("True"));
  QCOMPARE(store.values().at(Key{"Global", "No_File_ass"}), std::string("False"));
  QCOMPARE(platform::ReadSettings(store), (platform::Settings{true, false, true, false}));
  // Only "True" is true: anything unreadable counts as the default, false.
  store.write("Global", "Show_Exit", "yes");
  store.write("Global", "Show_Splash", "TRUE");
  QCOMPARE(platform::ReadSettings(store), (platform::Settings{true, false, true, false}));
}

void WindowRulesTest::desktopStoreReadsOnlyTextsAsChoices() {
  {
    QSettings raw(QSettings::IniFormat, QSettings::UserScope, "Zonalyst", "Zonalyst");
    QVERIFY(raw.fileName().startsWith(qEnvironmentVariable("XDG_CONFIG_HOME")));
    raw.clear();
    raw.setValue("Global/Show_Splash", QStringList{"True", "True"});
    raw.setValue("Global/Show_Exit", "True");
  }
  platform::QtSettingsStore store;
  QCOMPARE(platform::ReadSettings(store), (platform::Settings{false, true, false, false}));
  platform::WriteSettings(store, {true, false, false, true});
  QSettings raw(QSettings::IniFormat, QSettings::UserScope, "Zonalyst", "Zonalyst");
  QCOMPARE(raw.value("Global/Show_Splash").toString(), QStringLiteral("True"));
  QCOMPARE(raw.value("Global/Show_Exit").toString(), QStringLiteral("False"));
  QCOMPARE(raw.value("Global/No_File_ass").toString(), QStringLiteral("True"));
  raw.clear();
}

void WindowRulesTest::associationQuestionsNameTheProgram() {
  const MessageRequest none = AssociationQuestion({false, ""});
  QCOMPARE(none.text, QStringLiteral("*.fdr file are currently not associated with any programs\r\n"
                                     "Do you want to Associate these to Zonalyst?"));
  QCOMPARE(none.title, QStringLiteral("Set File Association"));
  QCOMPARE(none.buttons, MessageButtons::YesNo);
  const MessageRequest other = AssociationQuestion({false, "/usr/bin/gedit"});
  QCOMPARE(other.text, QStringLiteral("*.fdr file are currently associated with /usr/bin/gedit\r\n"
                                      "Do you want to Associate Fdr files with Zonalyst?"));
  const MessageRequest failed = AssociationQuestion({false, "NO_ASSOCIATION"});
  QCOMPARE(failed.text, QStringLiteral("*.fdr file are currently associated with NO_ASSOCIATION\r\n"
                                       "Do you want to Associate Fdr files with Zonalyst?"));
  const MessageRequest again = AskAgainQuestion();
  QCOMPARE(again.text, QStringLiteral("Since you choose NO to associating Fdr files with Zonalyst\r\n"
                                      "Should I ask this question again in the future?"));
  QCOMPARE(again.title, QStringLiteral("Stop Buggin Me!"));
  QCOMPARE(again.buttons, MessageButtons::YesNo);
}

void WindowRulesTest::associationOfferYesRegisters() {
  testing::FakeAssociation association;
  association.lookup = {false, "NO_ASSOCIATION"};
  ScriptedPrompter prompter;
  prompter.answerMessage(MessageAnswer::Yes);
  platform::Settings settings;
  OfferFileAssociation(association, prompter, settings, OfferOccasion::StartUp);
  QCOMPARE(association.registrations, 1);
  QCOMPARE(prompter.messages().size(), std::size_t{1});
  QVERIFY(!settings.noFileAss);
}

void WindowRulesTest::associationOfferNoNoStopsAsking() {
  testing::FakeAssociation association;
  association.lookup = {false, ""};
  ScriptedPrompter prompter;
  prompter.answerMessage(MessageAnswer::No);
  prompter.answerMessage(MessageAnswer::Yes);
  platform::Settings settings;
  OfferFileAssociation(association, prompter, settings, OfferOccasion::StartUp);
  QVERIFY(!settings.noFileAss);  // Yes: ask again next time

  prompter.answerMessage(MessageAnswer::No);
  prompter.answerMessage(MessageAnswer::No);
  OfferFileAssociation(association, prompter, settings, OfferOccasion::StartUp);
  QVERIFY(settings.noFileAss);
  QCOMPARE(association.registrations, 0);
  QCOMPARE(prompter.messageTexts()[1], AskAgainQuestion().text);

  // Declined: start-up neither looks nor asks; the button still does.
  prompter.clear();
  const int lookups = association.lookups;
  OfferFileAssociation(association, prompter, settings, OfferOccasion::StartUp);
  QCOMPARE(association.lookups, lookups);
  QVERIFY(prompter.messages().empty());
  prompter.answerMessage(MessageAnswer::Yes);
  OfferFileAssociation(association, prompter, settings, OfferOccasion::Button);
  QCOMPARE(prompter.messages().size(), std::size_t{1});
  QCOMPARE(association.registrations, 1);
}

void WindowRulesTest::associationOfferSilentWhenAssociated() {
  testing::FakeAssociation association;
  ScriptedPrompter prompter;
  platform::Settings settings;
  OfferFileAssociation(association, prompter, settings, OfferOccasion::Button);
  OfferFileAssociation(association, prompter, settings, OfferOccasion::StartUp);
  QVERIFY(prompter.messages().empty());
  QCOMPARE(association.registrations, 0);
}

void WindowRulesTest::setupChecksAskThroughThePrompter() {
  MirrorTest test;
  test.Roc = 0.0;
  test.Diameter = 8.0;
  ScriptedPrompter prompter;
  int focused = 0;
  const auto focus = [&focused](const SetupFinding&, SetupScope) { ++focused; };
  // Only the setup and readings panels are checked.
  QVERIFY(!ValidateSetup(test, kSurfaceErrorPanel, prompter, focus));
  QVERIFY(prompter.messages().empty());

  QVERIFY(ValidateSetup(test, kSetupPanel, prompter, focus));
  QCOMPARE(prompter.messages().size(), std::size_t{1});
  const MessageRequest& zero = prompter.messages()[0];
  QCOMPARE(zero.text, QStringLiteral("Excuse ME, You have entered 0 for your ROC, That can't be right :)"));
  QCOMPARE(zero.title, QStringLiteral("HEY!"));
  QCOMPARE(zero.icon, MessageIcon::Critical);
  QCOMPARE(zero.buttons, MessageButtons::Ok);
  QCOMPARE(focused, 1);

  // A focal ratio below one is a question: OK goes on, Cancel stops.
  test.Roc = 10.0;
  prompter.clear();
  prompter.answerMessage(MessageAnswer::Ok);
  QVERIFY(!ValidateSetup(test, kReadingsPanel, prompter, focus));
  QCOMPARE(prompter.messages()[0].title, QStringLiteral("Uhhhhhh"));
  QCOMPARE(prompter.messages()[0].buttons, MessageButtons::OkCancel);
  QCOMPARE(prompter.messages()[0].icon, MessageIcon::None);
  prompter.clear();
  prompter.answerMessage(MessageAnswer::Cancel);
  QVERIFY(ValidateSetup(test, kReadingsPanel, prompter, focus));
  QCOMPARE(focused, 2);
}

ZONALYST_QTEST_MAIN(WindowRulesTest)
#include "WindowRulesTest.moc"
