// The rules behind the window's widgets: captions, key map, countdown, command line,
// association offer, settings texts.
#include "platform/QtSettingsStore.h"
#include "platform/Settings.h"
#include "plot/PanelTable.h"
#include "tests/ui/QtTestMain.h"
#include "tests/ui/WindowFixture.h"
#include "ui/entry/AssociationOffer.h"
#include "ui/window/CommandLine.h"
#include "ui/window/KeyMap.h"
#include "ui/window/PanelTexts.h"
#include "ui/window/WindowPanels.h"

#include <QDir>
#include <QSettings>

using namespace zonalyst;
using namespace zonalyst::ui;

class WindowRulesTest : public QObject {
  Q_OBJECT
 private slots:
  // The function keys, the letters in an entry box and Ctrl+PageDown are the window's
  // tests; these are the keys it leaves out.
  void keyMapWithAndWithoutATest() {
    using Kind = KeyDecision::Kind;
    const Qt::KeyboardModifiers none = Qt::NoModifier, ctrl = Qt::ControlModifier;
    QCOMPARE(DecideKey(Qt::Key_Z, Qt::ShiftModifier, true, false), KeyDecision{Kind::PreviousFile});
    QCOMPARE(DecideKey(Qt::Key_PageUp, ctrl | Qt::KeypadModifier, true, true), KeyDecision{Kind::PreviousFile});
    // Ignored: stepping without a test, other keys, and keys with another modifier.
    for (const auto& [key, open, modifiers] :
         {std::tuple{Qt::Key_X, false, none}, std::tuple{Qt::Key_PageDown, false, ctrl},
          std::tuple{Qt::Key_F10, false, none}, std::tuple{Qt::Key_A, true, none},
          std::tuple{Qt::Key_PageDown, true, ctrl | Qt::AltModifier}, std::tuple{Qt::Key_F4, true, ctrl}}) {
      QCOMPARE(DecideKey(key, modifiers, open, false), KeyDecision{});
    }
  }

  // A key shows one panel and the tests and the help find the controls by name: no two
  // panels share a key, a picture or result label name, a result label or a slider.
  void eachPanelHasItsOwnKeyNamesResultLabelsAndSlider() {
    QSet<int> keys;
    QSet<QString> names;
    QSet<int> labels;
    QSet<int> sliders;
    const auto unique = [](auto& seen, const auto& value) {
      const bool first = !seen.contains(value);
      seen.insert(value);
      return first;
    };
    for (const WindowPanel& row : WindowPanels()) {
      QVERIFY(unique(keys, row.key));
      if (!plot::IsAnalysisPanel(row.panel)) continue;
      QVERIFY2(unique(names, QString(row.pictureName)) && unique(names, QString(row.resultsName)), row.pictureName);
      for (int label : row.resultIndices) QVERIFY2(unique(labels, label), row.pictureName);
      if (row.slider >= 0) QVERIFY2(unique(sliders, row.slider), row.pictureName);
    }
  }

  void commandLineSplitsAtTheLastSeparator() {
    const QString sep = QDir::separator();
    const QString root = QDir::toNativeSeparators(QDir::rootPath());
    const QString work = QDir::toNativeSeparators(QDir::tempPath());
    // A full path is the window's test; a bare name is taken from the working folder.
    const auto bare = TestFromArguments({QStringLiteral("m.fdr")}, work);
    QVERIFY(bare.has_value());
    QCOMPARE(bare->folder, work + sep);
    QCOMPARE(bare->fileName, QStringLiteral("m.fdr"));
    for (const QStringList& none :
         {QStringList{}, QStringList{QString()}, QStringList{"a.fdr", "b.fdr"}, QStringList{root + "tests" + sep}}) {
      QVERIFY(!TestFromArguments(none, work).has_value());
    }
  }

  void settingsAreTrueOrFalseTexts() {
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
    QSettings(QSettings::IniFormat, QSettings::UserScope, "Zonalyst", "Zonalyst").clear();
  }

  void orientationsAreKeptPerTestFileWhateverItsPathHolds() {
    const std::string paths[] = {"/home/ann/tests/m_rot0.fdr", "/home/ann/tests%2Fm_rot0.fdr",
                                 "C:\\Mirrors\\Zoë 8 in\\m [2].fdr", "/m=1;x/a b.fdr"};
    {
      platform::QtSettingsStore store;
      for (std::size_t i = 0; i < std::size(paths); ++i) platform::WriteOrientation(store, paths[i], 10.0 * i - 5.5);
    }
    platform::QtSettingsStore store;
    for (std::size_t i = 0; i < std::size(paths); ++i) {
      QCOMPARE(platform::ReadOrientation(store, paths[i]), 10.0 * i - 5.5);
    }
    QCOMPARE(platform::ReadOrientation(store, "/home/ann/tests/other.fdr"), std::nullopt);
    QSettings(QSettings::IniFormat, QSettings::UserScope, "Zonalyst", "Zonalyst").clear();
  }

  void associationOfferNamesTheProgramAndAsksAgainAfterNoYes() {
    const MessageRequest none = AssociationQuestion({false, ""});
    QCOMPARE(none.text, QStringLiteral("*.fdr file are currently not associated with any programs\r\n"
                                       "Do you want to Associate these to Zonalyst?"));
    QCOMPARE(none.buttons, MessageButtons::YesNo);
    testing::FakeAssociation association;
    ScriptedPrompter prompter;
    platform::Settings settings;
    // Yes registers, an association in place is silent, and No twice is never asked again: the window tests'.
    association.lookup = {false, ""};
    prompter.answerMessage(MessageAnswer::No);
    prompter.answerMessage(MessageAnswer::Yes);
    OfferFileAssociation(association, prompter, settings, OfferOccasion::StartUp);
    QVERIFY(!settings.noFileAss);  // Yes: ask again next time
    QCOMPARE(association.registrations, 0);
  }
};

ZONALYST_QTEST_MAIN(WindowRulesTest)
#include "WindowRulesTest.moc"
