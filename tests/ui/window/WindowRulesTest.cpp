// The rules behind the window's widgets: captions, key map, countdown, command line,
// association offer, setup checks through the prompter, settings texts.
#include <QDir>
#include <QObject>
#include <QSettings>
#include <QTest>

#include "tests/ui/QtTestMain.h"
#include "tests/ui/WindowFixture.h"
#include "platform/MemorySettingsStore.h"
#include "platform/QtSettingsStore.h"
#include "platform/Settings.h"
#include "ui/entry/AssociationOffer.h"
#include "ui/window/CommandLine.h"
#include "ui/window/ExitCountdown.h"
#include "ui/window/KeyMap.h"
#include "ui/window/PanelTexts.h"
#include "ui/prompt/ScriptedPrompter.h"
#include "ui/window/SetupCheckRun.h"

using namespace zonalyst;
using namespace zonalyst::ui;

class WindowRulesTest : public QObject {
  Q_OBJECT
 private slots:
  void buttonAndFrameCaptions();
  void keyMapWithAndWithoutATest();
  void countdownCaptionsFromHalfASecondToZero();
  void commandLineSplitsAtTheLastSeparator();
  void settingsAreTrueOrFalseTexts();
  void associationQuestionsNameTheProgram();
  void associationOfferRegistersOnYesAndStopsAfterNoNo();
  void setupChecksAskThroughThePrompter();
};

void WindowRulesTest::buttonAndFrameCaptions() {
  const QStringList buttons = {"(ESC) - Exit",         "(F1) - Load",      "(F2) - Setup",      "(F3) - KE Readings",
                               "(F4) - Surface Error", "(F5) M-L Plot",    "(F6) - Transverse Error",
                               "(F7) - Diffraction",   "(F8) - Star Test", "(F9) Save as Image",
                               "(F10) - Tester's View"};
  const QStringList frames = {"Exit",
                              "Load / Create File",
                              "Test Setup Panel -- m.fdr",
                              "Knife Edge Readings -- m.fdr",
                              "Surface Error Analysis -- m.fdr",
                              "Millies-Lacroix Analysis -- m.fdr",
                              "Transverse Error Analysis -- m.fdr",
                              "Spot Diffraction Analysis -- m.fdr",
                              "Star Test Visualization -- m.fdr",
                              "Save Image",
                              "Tester's View -- m.fdr"};
  for (int i = 0; i < kPanelCount; ++i) {
    QCOMPARE(ButtonCaption(i), buttons[i]);
    QCOMPARE(PanelCaption(i, QStringLiteral("m.fdr")), frames[i]);
  }
  QCOMPARE(PanelCaption(kSetupPanel, {}), QStringLiteral("Test Setup Panel -- "));
}

void WindowRulesTest::keyMapWithAndWithoutATest() {
  using Kind = KeyDecision::Kind;
  QCOMPARE(DecideKey(Qt::Key_Escape, false, false), (KeyDecision{Kind::Switch, 0}));
  QCOMPARE(DecideKey(Qt::Key_F1, false, false), (KeyDecision{Kind::Switch, 1}));
  for (int key = Qt::Key_F2; key <= Qt::Key_F10; ++key) {
    QCOMPARE(DecideKey(key, false, false), KeyDecision{});
    QCOMPARE(DecideKey(key, false, true), (KeyDecision{Kind::Switch, key - Qt::Key_F1 + 1}));
  }
  QCOMPARE(DecideKey(Qt::Key_X, false, true), KeyDecision{Kind::NextFile});
  QCOMPARE(DecideKey(Qt::Key_Z, false, true), KeyDecision{Kind::PreviousFile});
  // Ignored: X and Z without a test, other keys, and keys with a modifier.
  for (const auto& [key, open, modifiers] : {std::tuple{Qt::Key_X, false, false}, std::tuple{Qt::Key_Z, false, false},
                                        std::tuple{Qt::Key_F11, true, false}, std::tuple{Qt::Key_A, true, false},
                                        std::tuple{Qt::Key_F4, true, true}}) {
    QCOMPARE(DecideKey(key, modifiers, open), KeyDecision{});
  }
}

void WindowRulesTest::countdownCaptionsFromHalfASecondToZero() {
  QCOMPARE(CountdownCaption(1), QStringLiteral("Exiting in 0.49 Seconds"));
  QCOMPARE(CountdownCaption(50), QStringLiteral("Exiting in 0.00 Seconds"));
  for (int k = 1; k <= kCountdownSteps; ++k) {
    QCOMPARE(CountdownCaption(k), QStringLiteral("Exiting in 0.%1 Seconds").arg(50 - k, 2, 10, QLatin1Char('0')));
  }
}

void WindowRulesTest::commandLineSplitsAtTheLastSeparator() {
  const QString sep = QDir::separator();
  const QString root = QDir::toNativeSeparators(QDir::rootPath());
  const QString work = QDir::toNativeSeparators(QDir::tempPath());
  const auto full = TestFromArguments({root + "tests" + sep + "my mirror.fdr"}, work);
  QVERIFY(full.has_value());
  QCOMPARE(full->folder, root + "tests" + sep);
  QCOMPARE(full->fileName, QStringLiteral("my mirror.fdr"));
  // A bare name is taken from the working folder.
  const auto bare = TestFromArguments({QStringLiteral("m.fdr")}, work);
  QVERIFY(bare.has_value());
  QCOMPARE(bare->folder, work + sep);
  QCOMPARE(bare->fileName, QStringLiteral("m.fdr"));
  for (const QStringList& none : {QStringList{}, QStringList{QString()}, QStringList{"a.fdr", "b.fdr"},
                                  QStringList{root + "tests" + sep}}) {
    QVERIFY(!TestFromArguments(none, work).has_value());
  }
}

void WindowRulesTest::settingsAreTrueOrFalseTexts() {
  platform::MemorySettingsStore memory;
  QCOMPARE(platform::ReadSettings(memory), platform::Settings{});
  {
    QSettings raw(QSettings::IniFormat, QSettings::UserScope, "Zonalyst", "Zonalyst");
    QVERIFY(raw.fileName().startsWith(qEnvironmentVariable("XDG_CONFIG_HOME")));
    raw.clear();
    // Only the text "true" in any case is true: a list or another word counts as false.
    raw.setValue("Global/Show_Splash", QStringList{"True", "True"});
    raw.setValue("Global/Show_Exit", "True");
    raw.setValue("Global/Show_MC_Dialog", "TRUE");
    raw.setValue("Global/No_File_ass", "yes");
  }
  platform::QtSettingsStore store;
  QCOMPARE(platform::ReadSettings(store), (platform::Settings{false, true, true, false}));
  platform::WriteSettings(store, {true, false, false, true});
  QSettings raw(QSettings::IniFormat, QSettings::UserScope, "Zonalyst", "Zonalyst");
  const std::pair<const char*, const char*> texts[] = {{"Global/Show_Splash", "True"},
                                                       {"Global/Show_Exit", "False"},
                                                       {"Global/Show_MC_Dialog", "False"},
                                                       {"Global/No_File_ass", "True"}};
  for (const auto& [key, text] : texts) QCOMPARE(raw.value(key).toString(), QString::fromLatin1(text));
  QCOMPARE(platform::ReadSettings(store), (platform::Settings{true, false, false, true}));
  raw.clear();
}

void WindowRulesTest::associationQuestionsNameTheProgram() {
  const MessageRequest none = AssociationQuestion({false, ""});
  QCOMPARE(none.text, QStringLiteral("*.fdr file are currently not associated with any programs\r\n"
                                     "Do you want to Associate these to Zonalyst?"));
  QCOMPARE(none.title, QStringLiteral("Set File Association"));
  QCOMPARE(none.buttons, MessageButtons::YesNo);
  const MessageRequest again = AskAgainQuestion();
  QCOMPARE(again.text, QStringLiteral("Since you choose NO to associating Fdr files with Zonalyst\r\n"
                                      "Should I ask this question again in the future?"));
  QCOMPARE(again.title, QStringLiteral("Stop Buggin Me!"));
  QCOMPARE(again.buttons, MessageButtons::YesNo);
}

void WindowRulesTest::associationOfferRegistersOnYesAndStopsAfterNoNo() {
  testing::FakeAssociation association;
  ScriptedPrompter prompter;
  platform::Settings settings;
  // Already associated: silent.
  OfferFileAssociation(association, prompter, settings, OfferOccasion::Button);
  OfferFileAssociation(association, prompter, settings, OfferOccasion::StartUp);
  QVERIFY(prompter.messages().empty());

  association.lookup = {false, ""};
  prompter.answerMessage(MessageAnswer::Yes);
  OfferFileAssociation(association, prompter, settings, OfferOccasion::StartUp);
  QCOMPARE(association.registrations, 1);
  QCOMPARE(prompter.messages().size(), std::size_t{1});

  prompter.clear();
  prompter.answerMessage(MessageAnswer::No);
  prompter.answerMessage(MessageAnswer::Yes);
  OfferFileAssociation(association, prompter, settings, OfferOccasion::StartUp);
  QVERIFY(!settings.noFileAss);  // Yes: ask again next time
  prompter.answerMessage(MessageAnswer::No);
  prompter.answerMessage(MessageAnswer::No);
  OfferFileAssociation(association, prompter, settings, OfferOccasion::StartUp);
  QVERIFY(settings.noFileAss);
  QCOMPARE(association.registrations, 1);
  QCOMPARE(prompter.messageTexts()[3], AskAgainQuestion().text);

  // Declined: start-up neither looks nor asks.
  prompter.clear();
  const int lookups = association.lookups;
  OfferFileAssociation(association, prompter, settings, OfferOccasion::StartUp);
  QCOMPARE(association.lookups, lookups);
  QVERIFY(prompter.messages().empty());
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
  const MessageRequest& zero = prompter.messages().at(0);
  QCOMPARE(zero.text, QStringLiteral("Excuse ME, You have entered 0 for your ROC, That can't be right :)"));
  QCOMPARE(zero.title, QStringLiteral("HEY!"));
  QCOMPARE(zero.icon, MessageIcon::Critical);
  QCOMPARE(zero.buttons, MessageButtons::Ok);
  QCOMPARE(focused, 1);

  // A focal ratio below one is a question: OK goes on, Cancel stops.
  test.Roc = 10.0;
  for (MessageAnswer answer : {MessageAnswer::Ok, MessageAnswer::Cancel}) {
    prompter.clear();
    prompter.answerMessage(answer);
    QCOMPARE(ValidateSetup(test, kReadingsPanel, prompter, focus), answer == MessageAnswer::Cancel);
    QCOMPARE(prompter.messages().at(0).title, QStringLiteral("Uhhhhhh"));
    QCOMPARE(prompter.messages()[0].buttons, MessageButtons::OkCancel);
    QCOMPARE(prompter.messages()[0].icon, MessageIcon::None);
  }
  QCOMPARE(focused, 2);
}

ZONALYST_QTEST_MAIN(WindowRulesTest)
#include "WindowRulesTest.moc"
