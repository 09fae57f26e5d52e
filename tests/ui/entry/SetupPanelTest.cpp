#include "tests/ui/QtTestMain.h"
#include "tests/ui/WindowFixture.h"

#include <QtTest>

using namespace zonalyst;
using namespace zonalyst::testing;

namespace {

// Starts on the load panel, opens `test` from a file and shows the setup panel with the focus in box 0.
void OpenOnSetup(WindowFixture& f, const MirrorTest& test) {
  f.startOnLoadPanel();
  f.openTest(test);
  f.press(Qt::Key_F2);
  QCOMPARE(f.window->currentPanel(), ui::Panel::Setup);
  QCOMPARE(f.focusedName(), QStringLiteral("Text1_0"));
}

void ClickWizard(WindowFixture& f, const QString& obstruction) {
  f.prompter.answerInput(obstruction);
  QTest::mouseClick(f.button(QStringLiteral("cmd_Zone_Magic")), Qt::LeftButton);
}

}  // namespace

class SetupPanelTest : public QObject {
  Q_OBJECT

 private slots:
  // The wording of each refusal is the setup checks' own; here: opened, the test stays on
  // the setup panel with the focus on the value to fix, and so does its analysis key.
  void refusedSetupIsShownAndFocusesTheFault() {
    struct Case {
      const char* fault;
      std::function<void(MirrorTest&)> make;
      const char* focus;
    };
    // clang-format off
    const Case cases[] = {
        {"zero ROC", [](MirrorTest& t) { t.Roc = 0.0; }, "Text1_4"},
        {"zero diameter", [](MirrorTest& t) { t.Diameter = 0.0; }, "Text1_5"},
        {"zero zone", [](MirrorTest& t) { t.ZoneRadius[2] = {0.0, 0.0, 0.0}; }, "Text1_10"},
        {"smaller radius", [](MirrorTest& t) { t.ZoneRadius[3] = {1.0, 1.5, 0.0}; }, "Text1_13"},
        {"mask too big", [](MirrorTest& t) { t.ZoneRadius[4][1] = 5.0; }, "Text1_16"},
        {"negative ROC", [](MirrorTest& t) { t.Roc = -64.0; }, "Text1_4"},
        {"negative diameter", [](MirrorTest& t) { t.Diameter = -8.0; }, "Text1_5"},
        {"ROC below radius", [](MirrorTest& t) { t.Roc = 3.0; }, "Text1_4"},
        {"negative zone", [](MirrorTest& t) { t.ZoneRadius[2][0] = -1.0; }, "Text1_10"},
        {"inner beyond outer", [](MirrorTest& t) { t.ZoneRadius[3] = {3.0, 2.9, 0.0}; }, "Text1_13"},
        {"coinciding zones", [](MirrorTest& t) { t.ZoneRadius[3] = t.ZoneRadius[2]; }, "Text1_13"},
        {"overlapping zones", [](MirrorTest& t) { t.ZoneRadius[3][0] = 2.5; }, "Text1_13"},
        // its effective radius stays inside the mirror
        {"outer beyond edge", [](MirrorTest& t) { t.ZoneRadius[4][1] = 4.2; }, "Text1_17"},
    };
    // clang-format on
    for (const Case& c : cases) {
      MirrorTest test = SampleMirror();
      c.make(test);
      WindowFixture f;
      f.startOnLoadPanel();
      f.openTest(test);
      f.press(Qt::Key_F4);
      QVERIFY2(f.prompter.messages().size() == 2, c.fault);
      QCOMPARE(f.prompter.messages()[1].title, QStringLiteral("HEY!"));
      QCOMPARE(f.window->currentPanel(), ui::Panel::Setup);
      QVERIFY2(f.focusedName() == QLatin1String(c.focus), c.fault);
      QVERIFY(!f.action(ui::Panel::SurfaceError)->isChecked());
    }
  }

  // Opening the test does not ask: the question is the setup panel's.
  void focalRatioQuestionCancelStaysAndOkGoesOnToTheZoneChecks() {
    MirrorTest fast = SampleMirror();
    fast.Roc = 10.0;  // f/0.6
    WindowFixture f;
    OpenOnSetup(f, fast);
    QVERIFY(f.prompter.messages().empty());
    f.box(8)->setFocus();
    f.type(QStringLiteral("0"));  // zone 1 ends where it begins
    f.prompter.answerMessage(ui::MessageAnswer::Cancel);
    f.press(Qt::Key_F3);
    QCOMPARE(f.prompter.messages().size(), std::size_t{1});
    QCOMPARE(f.prompter.messages()[0].buttons, ui::MessageButtons::OkCancel);
    QCOMPARE(f.prompter.messages()[0].icon, ui::MessageIcon::None);
    QCOMPARE(f.window->currentPanel(), ui::Panel::Setup);
    QCOMPARE(f.focusedName(), QStringLiteral("Text1_4"));

    f.prompter.answerMessage(ui::MessageAnswer::Ok);
    f.press(Qt::Key_F3);
    QCOMPARE(f.prompter.messages().size(), std::size_t{3});
    QCOMPARE(f.focusedName(), QStringLiteral("Text1_7"));
  }

  void blueOnlyWhileFocusedAndTogglesFlipByTheirKeys() {
    WindowFixture f;
    OpenOnSetup(f, SampleMirror());
    const QColor focused = f.box(0)->palette().color(QPalette::Base);
    QCOMPARE(f.box(4)->palette().color(QPalette::Base), QColor(Qt::black));
    QVERIFY(focused.blue() > 0 && focused.red() == 0);
    QVERIFY(f.box(4)->isReadOnly());
    f.box(4)->setFocus();
    QVERIFY(!f.box(4)->isReadOnly());
    QCOMPARE(f.box(0)->palette().color(QPalette::Base), QColor(Qt::black));
    QCOMPARE(f.help(), QStringLiteral("Enter the ROC (radius of curvature) for this mirror\n"
                                      "(Hint, while zone 1 nulled, measure from knife edge to mirror face)\n"
                                      "Ctrl+PageDown / Ctrl+PageUp: the next / previous test of the folder"));
    f.box(2)->setFocus();
    QCOMPARE(f.box(2)->text(), QStringLiteral("Inches"));
    f.type(QStringLiteral("m"));
    QCOMPARE(f.box(2)->text(), QStringLiteral("Millimeters"));
    QCOMPARE(f.window->state().test.Units, 0);
    f.type(QStringLiteral("q"));
    QCOMPARE(f.box(2)->text(), QStringLiteral("Millimeters"));
    f.box(1)->setFocus();
    f.type(QStringLiteral(" "));
    QCOMPARE(f.box(1)->text(), QStringLiteral("Effective"));
    QVERIFY(!f.box(8)->isVisible());
    QVERIFY(!f.box(9)->isVisible());
    QCOMPARE(f.box(7)->text(), QStringLiteral("0.000"));
  }

  void navigationInnerOuterAndNumberBoxesFilterTheirKeysAndUndoWhatIsNoNumber() {
    WindowFixture f;
    OpenOnSetup(f, SampleMirror());  // four zones, inner and outer radius
    QCOMPARE(f.walk(Qt::Key_Return, 16),
             QStringList({"1", "2", "3", "4", "5", "6", "7", "8", "10", "11", "13", "14", "16", "17", "0", "1"}));
    QCOMPARE(f.walk(Qt::Key_Left, 3), QStringList({"0", "17", "16"}));
    QCOMPARE(f.walk(Qt::Key_Up, 4), QStringList({"13", "10", "7", "6"}));
    f.box(8)->setFocus();
    QCOMPARE(f.walk(Qt::Key_Down, 4), QStringList({"11", "14", "17", "0"}));
    QCOMPARE(f.walk(Qt::Key_Up, 1), QStringList({"17"}));
    QCOMPARE(f.walk(Qt::Key_Right, 1), QStringList({"0"}));
    f.box(8)->setFocus();
    QCOMPARE(f.walk(Qt::Key_Up, 1), QStringList({"6"}));

    QLineEdit* roc = f.box(4);
    roc->setFocus();
    QVERIFY(roc->hasSelectedText());
    f.type(QStringLiteral("1.5.-a"));
    QCOMPARE(roc->text(), QStringLiteral("1.5"));
    roc->selectAll();
    f.type(QStringLiteral("1.123456"));
    QCOMPARE(roc->text(), QStringLiteral("1.12345"));
    f.press(Qt::Key_Backspace);
    QCOMPARE(roc->text(), QStringLiteral("1.1234"));
    f.press(Qt::Key_Return);  // Enter moves on, silently
    QCOMPARE(f.window->state().test.Roc, 1.1234);
    QCOMPARE(f.focusedName(), QStringLiteral("Text1_5"));
    f.type(QStringLiteral("."));  // a separator is taken over a selection
    QCOMPARE(f.box(5)->text(), QStringLiteral("."));
    f.press(Qt::Key_Return);
    QCOMPARE(f.box(5)->text(), QStringLiteral("8"));
    QCOMPARE(f.window->state().test.Diameter, 8.0);

    QLineEdit* conic = f.box(6);
    QCOMPARE(f.focused(), conic);
    f.type(QStringLiteral("-0.5-"));
    QCOMPARE(conic->text(), QStringLiteral("-0.5"));
    conic->setCursorPosition(0);
    f.type(QStringLiteral("-"));
    QCOMPARE(conic->text(), QStringLiteral("-0.5"));
    f.press(Qt::Key_Return);
    QCOMPARE(f.window->state().test.DesiredConic, -0.5);
  }

  void numbersFollowTheUsersDecimalSeparator() {
    const QLocale english;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    WindowFixture f;
    OpenOnSetup(f, SampleMirror());
    QCOMPARE(f.box(13)->text(), QStringLiteral("2,828"));
    f.box(4)->setFocus();
    f.type(QStringLiteral("1.2,5,"));
    QCOMPARE(f.box(4)->text(), QStringLiteral("12,5"));
    f.press(Qt::Key_Return);
    QLocale::setDefault(english);
    QCOMPARE(f.window->state().test.Roc, 12.5);
  }

  void navigationEffectiveAndTheZoneCountClamped() {
    MirrorTest test = SampleMirror();
    test.InnerOuterEntry = 0;
    for (int z = 1; z <= 4; ++z) test.ZoneRadius[z][0] = test.ZoneRadius[z][2];
    WindowFixture f;
    OpenOnSetup(f, test);
    QCOMPARE(f.walk(Qt::Key_Return, 11), QStringList({"1", "2", "3", "4", "5", "6", "7", "10", "13", "16", "0"}));
    QCOMPARE(f.walk(Qt::Key_Up, 3), QStringList({"16", "13", "10"}));
    QCOMPARE(f.walk(Qt::Key_Down, 3), QStringList({"13", "16", "0"}));
    f.type(QStringLiteral("20"));  // the zone count, clamped
    f.press(Qt::Key_Return);
    QCOMPARE(f.box(0)->text(), QStringLiteral("15"));
    QCOMPARE(f.window->state().test.ZoneCount, 15);
    QVERIFY(f.box(49)->isVisible());  // zone 15, inner radius
    f.box(0)->setFocus();
    f.type(QStringLiteral("2"));
    f.press(Qt::Key_Return);
    QCOMPARE(f.box(0)->text(), QStringLiteral("3"));
    QVERIFY(f.box(13)->isVisible());
    QVERIFY(!f.box(16)->isVisible());
  }

  void wizardLaysOutEqualAreasAndRefusesNonsense() {
    MirrorTest test = SampleMirror();
    test.ZoneRadius[1][0] = 0.5;
    WindowFixture f;
    OpenOnSetup(f, test);
    ClickWizard(f, QStringLiteral("big"));
    ClickWizard(f, QStringLiteral("8"));
    ClickWizard(f, QString());
    QCOMPARE(f.box(7)->text(), QStringLiteral("0.5"));
    QCOMPARE(f.prompter.messageTexts(),
             QStringList({QStringLiteral("You entered a non numerical number, Aborting wizard"),
                          QStringLiteral("You entered a central obstruction that is equal to or greater than your "
                                         "mirror diameter, Aborting wizard")}));
    QCOMPARE(f.prompter.messages()[1].title, QStringLiteral("User Error"));

    f.prompter.clear();
    ClickWizard(f, QStringLiteral("0"));
    QCOMPARE(f.prompter.inputs().size(), std::size_t{1});
    QCOMPARE(f.prompter.inputs()[0].prompt, QStringLiteral("Enter Diameter of central obstruction"));
    QCOMPARE(f.prompter.inputs()[0].defaultText, QStringLiteral("0"));
    const QStringList inner{f.box(7)->text(), f.box(10)->text(), f.box(13)->text(), f.box(16)->text()};
    const QStringList outer{f.box(8)->text(), f.box(11)->text(), f.box(14)->text(), f.box(17)->text()};
    QCOMPARE(inner, QStringList({"0", "2", "2.828", "3.464"}));
    QCOMPARE(outer, QStringList({"2", "2.828", "3.464", "4"}));
    QVERIFY(f.prompter.messages().empty());
  }
};

ZONALYST_QTEST_MAIN(SetupPanelTest)
#include "SetupPanelTest.moc"
