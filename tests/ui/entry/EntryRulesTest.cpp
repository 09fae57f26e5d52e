#include <QtTest>

#include "core/ConicGeometry.h"
#include "core/NumberText.h"
#include "ui/entry/Commit.h"
#include "ui/entry/EntryIndex.h"
#include "ui/entry/EntryText.h"
#include "ui/entry/FilePreview.h"
#include "ui/entry/HelpTexts.h"
#include "ui/entry/KeyFilter.h"
#include "ui/entry/ListPosition.h"
#include "ui/entry/MaskWizard.h"
#include "ui/entry/Navigation.h"
#include "ui/entry/TestFileName.h"
#include "ui/entry/ValidationFocus.h"

using namespace zonalyst;
using namespace zonalyst::entry;

namespace {

const QString kDot = QStringLiteral(".");
const QString kComma = QStringLiteral(",");

EditState At(const QString& text, int caret, bool allSelected = false) { return {text, caret, allSelected}; }
EditState AtEnd(const QString& text) { return {text, static_cast<int>(text.size()), false}; }

MirrorTest NewTest() {
  MirrorTest test;
  ResetToNewTestDefaults(test);
  return test;
}

}  // namespace

class EntryRulesTest : public QObject {
  Q_OBJECT

 private slots:
  void numbersFollowTheUsersSeparator() {
    QCOMPARE(ScreenNumber("128.5", kComma), QStringLiteral("128,5"));
    QCOMPARE(ParseScreenNumber(QStringLiteral("128,5"), kComma), std::optional<double>(128.5));
    QCOMPARE(ParseScreenNumber(QStringLiteral(" -0.25 "), kDot), std::optional<double>(-0.25));
    QCOMPARE(ParseScreenNumber(QStringLiteral("1E-05"), kDot), std::optional<double>(1e-5));
    QVERIFY(!ParseScreenNumber(QStringLiteral("128.5"), kComma));
    QVERIFY(!ParseScreenNumber(QString(), kDot));
    QVERIFY(!ParseScreenNumber(QStringLiteral("-"), kDot));
    QVERIFY(!ParseScreenNumber(QStringLiteral("nan"), kDot));
  }

  void boxesShowTheRecord() {
    MirrorTest test = NewTest();
    test.Roc = 128.5;
    test.ZoneRadius[2][0] = 1.5;
    test.ZoneRadius[2][1] = 2.25;
    ComputeEffectiveRadii(test);
    QCOMPARE(SetupBoxText(test, kZoneCountBox, kComma), QStringLiteral("4"));
    QCOMPARE(SetupBoxText(test, kEntryMethodBox, kComma), QStringLiteral("Inner/Outer"));
    QCOMPARE(SetupBoxText(test, kUnitsBox, kComma), QStringLiteral("Inches"));
    QCOMPARE(SetupBoxText(test, kSourceBox, kComma), QStringLiteral("Fixed"));
    QCOMPARE(SetupBoxText(test, kRocBox, kComma), QStringLiteral("128,5"));
    QCOMPARE(SetupBoxText(test, kConicBox, kComma), QStringLiteral("-1"));
    QCOMPARE(SetupBoxText(test, ZoneBox(2, 1), kComma), QStringLiteral("2,25"));
    QCOMPARE(SetupBoxText(test, ZoneBox(2, 2), kComma),
             ScreenNumber(FormatFixed(test.ZoneRadius[2][2], 3), kComma));
    test.InnerOuterEntry = 0;
    QCOMPARE(SetupBoxText(test, ZoneBox(2, 0), kComma), QStringLiteral("1,500"));
    QCOMPARE(ReadingsCellText(test, kSetsCell, kDot), QStringLiteral("1"));
    test.KeReading[3][2] = 0.1234;
    QCOMPARE(ReadingsCellText(test, ReadingCell(3, 2), kDot), QStringLiteral("0.123"));
    test.Units = 0;
    test.MovingSource = 1;
    QCOMPARE(ReadingsCellText(test, kUnitsCell, kDot), QStringLiteral("Millimeters"));
    QCOMPARE(ReadingsCellText(test, kSourceCell, kDot), QStringLiteral("Moving"));
  }

  void setupFilterTakesDigitsAndOneSeparator() {
    QCOMPARE(FilterSetupKey(kZoneCountBox, u'7', AtEnd("1"), kDot), KeyVerdict::Accept);
    QCOMPARE(FilterSetupKey(kZoneCountBox, u'.', AtEnd("1"), kDot), KeyVerdict::Refuse);
    QCOMPARE(FilterSetupKey(kZoneCountBox, kBackspace, AtEnd("1"), kDot), KeyVerdict::Accept);
    QCOMPARE(FilterSetupKey(kRocBox, kEnter, AtEnd("1"), kDot), KeyVerdict::Swallow);
    QCOMPARE(FilterSetupKey(kRocBox, u'a', AtEnd("1"), kDot), KeyVerdict::Refuse);
    QCOMPARE(FilterSetupKey(kRocBox, u',', AtEnd("12"), kComma), KeyVerdict::Accept);
    QCOMPARE(FilterSetupKey(kRocBox, u'.', AtEnd("12"), kComma), KeyVerdict::Refuse);
    QCOMPARE(FilterSetupKey(kRocBox, u',', AtEnd("1,2"), kComma), KeyVerdict::Refuse);
    QCOMPARE(FilterSetupKey(kRocBox, u',', At("1,2", 0, true), kComma), KeyVerdict::Accept);
    QCOMPARE(FilterSetupKey(ZoneBox(3, 1), u'.', AtEnd("1.2"), kDot), KeyVerdict::Refuse);
  }

  void setupFilterAllowsFiveDecimals() {
    QCOMPARE(FilterSetupKey(kDiameterBox, u'5', AtEnd("1.1234"), kDot), KeyVerdict::Accept);
    QCOMPARE(FilterSetupKey(kDiameterBox, u'6', AtEnd("1.12345"), kDot), KeyVerdict::Refuse);
    QCOMPARE(FilterSetupKey(kDiameterBox, kBackspace, AtEnd("1.12345"), kDot), KeyVerdict::Accept);
    QCOMPARE(FilterSetupKey(kDiameterBox, u'9', At("1.12345", 1), kDot), KeyVerdict::Accept);
    QCOMPARE(FilterSetupKey(kDiameterBox, u'9', At("1.12345", 0, true), kDot), KeyVerdict::Accept);
  }

  void minusOnlyFirstInTheConicBox() {
    QCOMPARE(FilterSetupKey(kConicBox, u'-', At("1", 0), kDot), KeyVerdict::Accept);
    QCOMPARE(FilterSetupKey(kConicBox, u'-', AtEnd("1"), kDot), KeyVerdict::Refuse);
    QCOMPARE(FilterSetupKey(kConicBox, u'-', At("-1", 0), kDot), KeyVerdict::Refuse);
    QCOMPARE(FilterSetupKey(kConicBox, u'-', At("-1", 0, true), kDot), KeyVerdict::Accept);
    QCOMPARE(FilterSetupKey(kRocBox, u'-', At("1", 0), kDot), KeyVerdict::Refuse);
    QCOMPARE(FilterSetupKey(ZoneBox(1, 0), u'-', At("", 0), kDot), KeyVerdict::Refuse);
  }

  void togglesFlipOnTheirKeys() {
    QCOMPARE(FilterSetupKey(kEntryMethodBox, u' ', AtEnd("Effective"), kDot), KeyVerdict::Flip);
    QCOMPARE(FilterSetupKey(kEntryMethodBox, u'e', AtEnd("Effective"), kDot), KeyVerdict::Flip);
    QCOMPARE(FilterSetupKey(kEntryMethodBox, u'm', AtEnd("Effective"), kDot), KeyVerdict::Refuse);
    QCOMPARE(FilterSetupKey(kUnitsBox, u'm', AtEnd("Inches"), kDot), KeyVerdict::Flip);
    QCOMPARE(FilterSetupKey(kUnitsBox, u'I', AtEnd("Inches"), kDot), KeyVerdict::Flip);
    QCOMPARE(FilterSetupKey(kSourceBox, u'f', AtEnd("Fixed"), kDot), KeyVerdict::Flip);
    QCOMPARE(FilterSetupKey(kSourceBox, u'i', AtEnd("Fixed"), kDot), KeyVerdict::Refuse);
    QCOMPARE(FilterSetupKey(kSourceBox, kEnter, AtEnd("Fixed"), kDot), KeyVerdict::Swallow);
    QCOMPARE(FilterReadingsKey(kUnitsCell, u'i', AtEnd("Inches"), kDot), KeyVerdict::Flip);
    QCOMPARE(FilterReadingsKey(kSourceCell, u'm', AtEnd("Fixed"), kDot), KeyVerdict::Flip);
    QCOMPARE(FilterReadingsKey(kSourceCell, u'x', AtEnd("Fixed"), kDot), KeyVerdict::Refuse);

    MirrorTest test = NewTest();
    FlipSetupToggle(test, kUnitsBox);
    QCOMPARE(test.Units, 0);
    FlipSetupToggle(test, kEntryMethodBox);
    QCOMPARE(test.InnerOuterEntry, 0);
    FlipReadingsToggle(test, kSourceCell);
    QCOMPARE(test.MovingSource, 1);
  }

  void readingsFilterByCell() {
    QCOMPARE(FilterReadingsKey(kSetsCell, u'7', AtEnd(""), kDot), KeyVerdict::Accept);
    QCOMPARE(FilterReadingsKey(kSetsCell, u'.', AtEnd("1"), kDot), KeyVerdict::Refuse);
    QCOMPARE(FilterReadingsKey(kRocCell, u'-', At("", 0), kDot), KeyVerdict::Refuse);
    QCOMPARE(FilterReadingsKey(kDiameterCell, u'-', At("", 0), kDot), KeyVerdict::Refuse);
    QCOMPARE(FilterReadingsKey(kConicCell, u'-', At("", 0), kDot), KeyVerdict::Accept);
    QCOMPARE(FilterReadingsKey(ReadingCell(2, 3), u'-', At("0.5", 0), kDot), KeyVerdict::Accept);
    QCOMPARE(FilterReadingsKey(ReadingCell(2, 3), u'-', AtEnd("0.5"), kDot), KeyVerdict::Refuse);
    QCOMPARE(FilterReadingsKey(ReadingCell(2, 3), u'.', AtEnd("0.5"), kDot), KeyVerdict::Refuse);
    QCOMPARE(FilterReadingsKey(ReadingCell(2, 3), u'1', AtEnd("0.12345"), kDot), KeyVerdict::Refuse);
    QCOMPARE(FilterReadingsKey(ReadingCell(2, 3), kEnter, AtEnd("0.5"), kDot), KeyVerdict::Swallow);
  }

  void setupNavigationInnerOuter() {
    // Three zones entered by inner and outer radius: boxes 7, 8, 10, 11, 13, 14.
    const auto next = [](int box, NavKey key) { return NextSetupBox(box, key, 3, true); };
    QCOMPARE(next(6, NavKey::Next), 7);
    QCOMPARE(next(7, NavKey::Next), 8);
    QCOMPARE(next(8, NavKey::Next), 10);
    QCOMPARE(next(14, NavKey::Next), 0);
    QCOMPARE(next(0, NavKey::Previous), 14);
    QCOMPARE(next(10, NavKey::Previous), 8);
    QCOMPARE(next(3, NavKey::Down), 4);
    QCOMPARE(next(6, NavKey::Down), 7);
    QCOMPARE(next(8, NavKey::Down), 11);
    QCOMPARE(next(13, NavKey::Down), 0);
    QCOMPARE(next(14, NavKey::Down), 0);
    QCOMPARE(next(0, NavKey::Up), 14);
    QCOMPARE(next(5, NavKey::Up), 4);
    QCOMPARE(next(7, NavKey::Up), 6);
    QCOMPARE(next(8, NavKey::Up), 6);
    QCOMPARE(next(11, NavKey::Up), 8);
    QCOMPARE(next(13, NavKey::Up), 10);
  }

  void setupNavigationEffective() {
    // Four zones entered by effective radius: boxes 7, 10, 13, 16.
    const auto next = [](int box, NavKey key) { return NextSetupBox(box, key, 4, false); };
    QCOMPARE(next(7, NavKey::Next), 10);
    QCOMPARE(next(16, NavKey::Next), 0);
    QCOMPARE(next(0, NavKey::Previous), 16);
    QCOMPARE(next(7, NavKey::Previous), 6);
    QCOMPARE(next(10, NavKey::Down), 13);
    QCOMPARE(next(16, NavKey::Down), 0);
    QCOMPARE(next(0, NavKey::Up), 16);
    QCOMPARE(next(13, NavKey::Up), 10);
    QCOMPARE(next(7, NavKey::Up), 6);
  }

  void readingsNavigation() {
    // Three zones, two sets: reading cells 0, 1, 4, 5, 8, 9 and the side cells 60..65.
    const auto next = [](int cell, NavKey key) { return NextReadingsCell(cell, key, 3, 2); };
    QCOMPARE(next(0, NavKey::Next), 1);
    QCOMPARE(next(1, NavKey::Next), 4);
    QCOMPARE(next(9, NavKey::Next), 60);
    QCOMPARE(next(65, NavKey::Next), 0);
    QCOMPARE(next(0, NavKey::Previous), 65);
    QCOMPARE(next(60, NavKey::Previous), 9);
    QCOMPARE(next(4, NavKey::Previous), 1);
    QCOMPARE(next(5, NavKey::Up), 1);
    QCOMPARE(next(1, NavKey::Up), 65);
    QCOMPARE(next(60, NavKey::Up), 9);
    QCOMPARE(next(63, NavKey::Up), 62);
    QCOMPARE(next(1, NavKey::Down), 5);
    QCOMPARE(next(8, NavKey::Down), 60);
    QCOMPARE(next(64, NavKey::Down), 65);
    QCOMPARE(next(65, NavKey::Down), 0);
    QVERIFY(IsReadingsCellShown(9, 3, 2));
    QVERIFY(!IsReadingsCellShown(2, 3, 2));
    QVERIFY(!IsReadingsCellShown(12, 3, 2));
    QVERIFY(IsReadingsCellShown(kSetsCell, 3, 2));
  }

  void zoneCountCommitClamps() {
    MirrorTest test = NewTest();
    QCOMPARE(CommitSetupBox(test, kZoneCountBox, QStringLiteral("20"), kDot), CommitEffect::Redraw);
    QCOMPARE(test.ZoneCount, 15);
    CommitSetupBox(test, kZoneCountBox, QStringLiteral("2"), kDot);
    QCOMPARE(test.ZoneCount, 3);
    CommitSetupBox(test, kZoneCountBox, QStringLiteral("16"), kDot);
    QCOMPARE(test.ZoneCount, 15);
    CommitSetupBox(test, kZoneCountBox, QStringLiteral("7"), kDot);
    QCOMPARE(test.ZoneCount, 7);
    QCOMPARE(CommitSetupBox(test, kZoneCountBox, QString(), kDot), CommitEffect::None);
    QCOMPARE(test.ZoneCount, 7);
  }

  void setupCommitStoresNumbersOnly() {
    MirrorTest test = NewTest();
    CommitSetupBox(test, kRocBox, QStringLiteral("100,5"), kComma);
    QCOMPARE(test.Roc, 100.5);
    CommitSetupBox(test, kRocBox, QStringLiteral("0"), kComma);
    QCOMPARE(test.Roc, 0.0);
    CommitSetupBox(test, kDiameterBox, QStringLiteral(","), kComma);
    QCOMPARE(test.Diameter, 8.0);
    CommitSetupBox(test, kConicBox, QStringLiteral("-1,2"), kComma);
    QCOMPARE(test.DesiredConic, -1.2);
    QCOMPARE(CommitSetupBox(test, ZoneBox(2, 1), QStringLiteral("3,5"), kComma), CommitEffect::Redraw);
    QCOMPARE(test.ZoneRadius[2][1], 3.5);
  }

  void readingsCommits() {
    MirrorTest test = NewTest();
    CommitReadingsCell(test, kSetsCell, QStringLiteral("7"), kDot);
    QCOMPARE(test.ReadingSets, 4);
    CommitReadingsCell(test, kSetsCell, QStringLiteral("0"), kDot);
    QCOMPARE(test.ReadingSets, 1);
    CommitReadingsCell(test, kSetsCell, QStringLiteral("2"), kDot);
    CommitReadingsCell(test, kRocCell, QStringLiteral("0"), kDot);
    QCOMPARE(test.Roc, 128.0);
    CommitReadingsCell(test, kRocCell, QStringLiteral("96"), kDot);
    QCOMPARE(test.Roc, 96.0);
    CommitReadingsCell(test, kDiameterCell, QStringLiteral("6"), kDot);
    QCOMPARE(test.Diameter, 6.0);

    CommitReadingsCell(test, ReadingCell(1, 1), QStringLiteral("1"), kDot);
    QCOMPARE(CommitReadingsCell(test, ReadingCell(1, 2), QStringLiteral("2"), kDot), CommitEffect::Redraw);
    CommitReadingsCell(test, ReadingCell(1, 3), QStringLiteral("9"), kDot);
    QCOMPARE(test.KeReading[1][3], 9.0);
    QCOMPARE(test.KeAverage[1], 1.5);
    CommitReadingsCell(test, ReadingCell(1, 1), QStringLiteral("x"), kDot);
    QCOMPARE(test.KeReading[1][1], 1.0);
  }

  void helpTexts() {
    QCOMPARE(SetupHelp(kZoneCountBox, true),
             QStringLiteral("Enter the number of zones in your mask.  Min = 3, Max = 15\nI'm working on this one Mr. Quorran :)"));
    QCOMPARE(SetupHelp(ZoneBox(3, 0), true), QStringLiteral("Enter Inner radius for zone 3 mask opening"));
    QCOMPARE(SetupHelp(ZoneBox(3, 1), true), QStringLiteral("Enter Outer radius for zone 3 mask opening"));
    QCOMPARE(SetupHelp(ZoneBox(3, 0), false), QStringLiteral("Enter effective radius for zone 3"));
    QCOMPARE(SetupHelp(kUnitsBox, true), ReadingsHelp(kUnitsCell));
    QCOMPARE(ReadingsHelp(ReadingCell(2, 4)),
             QStringLiteral("Enter the knife edge reading for zone 2, reading 4\n(Hint, Positive away from mirror!)"));
    QCOMPARE(ReadingsHelp(kSetsCell),
             QStringLiteral("Enter the number of knife edge readings for each zone (min = 1, Max = 4)"));
  }

  void wizardWithoutObstructionSplitsTheArea() {
    MirrorTest test = NewTest();  // 8" diameter, four zones, inner/outer
    QCOMPARE(RunMaskWizard(test, QStringLiteral("0"), kDot).kind, WizardOutcome::Kind::Applied);
    const double expected[5] = {0.0, 2.0, 2.828, 3.464, 4.0};  // 4 sqrt(z/4), to 3 decimals
    for (int z = 1; z <= 4; ++z) {
      QCOMPARE(test.ZoneRadius[z][0], expected[z - 1]);
      QCOMPARE(test.ZoneRadius[z][1], expected[z]);
    }
    test.InnerOuterEntry = 0;
    test.ZoneRadius[1][1] = 99.0;
    RunMaskWizard(test, QStringLiteral("0"), kDot);
    QCOMPARE(test.ZoneRadius[1][0], 1.225);  // 4 sqrt(0.25^2 / 2 + 0.25^2)
    QCOMPARE(test.ZoneRadius[1][1], 99.0);
  }

  void wizardRefusals() {
    MirrorTest test = NewTest();
    const MirrorTest before = test;
    const WizardOutcome words = RunMaskWizard(test, QStringLiteral("two"), kDot);
    QCOMPARE(words.kind, WizardOutcome::Kind::Refused);
    QCOMPARE(words.message, QStringLiteral("You entered a non numerical number, Aborting wizard"));
    QCOMPARE(words.title, QStringLiteral("User Error"));
    const WizardOutcome tooBig = RunMaskWizard(test, QStringLiteral("8"), kDot);
    QCOMPARE(tooBig.kind, WizardOutcome::Kind::Refused);
    QCOMPARE(tooBig.message, QStringLiteral("You entered a central obstruction that is equal to or greater than "
                                            "your mirror diameter, Aborting wizard"));
    QCOMPARE(tooBig.title, QStringLiteral("User Error"));
    QCOMPARE(RunMaskWizard(test, QString(), kDot).kind, WizardOutcome::Kind::Ended);
    QVERIFY(test.ZoneRadius == before.ZoneRadius);
  }

  void validationFocus() {
    MirrorTest test = NewTest();
    test.Roc = 0.0;
    const auto first = [&](SetupScope scope) { return CheckSetup(test, scope).front(); };
    QCOMPARE(RefusalFocus(first(SetupScope::SetupPanel), SetupScope::SetupPanel), kRocBox);
    QCOMPARE(RefusalFocus(first(SetupScope::ReadingsPanel), SetupScope::ReadingsPanel), kDiameterCell);
    test.Roc = 128.0;
    test.Diameter = 0.0;
    QCOMPARE(RefusalFocus(first(SetupScope::SetupPanel), SetupScope::SetupPanel), kDiameterBox);
    QCOMPARE(RefusalFocus(first(SetupScope::ReadingsPanel), SetupScope::ReadingsPanel), kDiameterCell);
    test.Roc = 10.0;  // f/0.6 with an 8" mirror, and every zone still zero
    test.Diameter = 8.0;
    const std::vector<SetupFinding> findings = CheckSetup(test, SetupScope::SetupPanel);
    QCOMPARE(findings.size(), std::size_t{2});
    QCOMPARE(RefusalFocus(findings[0], SetupScope::SetupPanel), kRocBox);
    QCOMPARE(RefusalFocus(findings[1], SetupScope::SetupPanel), ZoneBox(1, 0));
    test.Roc = 128.0;
    test.ZoneRadius[1] = {1.0, 2.0, 0.0};
    test.ZoneRadius[2] = {2.0, 3.0, 0.0};
    test.ZoneRadius[3] = {0.5, 1.0, 0.0};
    test.ZoneRadius[4] = {3.0, 4.0, 0.0};
    ComputeEffectiveRadii(test);
    QCOMPARE(RefusalFocus(first(SetupScope::SetupPanel), SetupScope::SetupPanel), ZoneBox(3, 0));
  }

  void testFileNames() {
    QVERIFY(IsValidTestName(QStringLiteral("Mirror 8 inch")));
    QVERIFY(!IsValidTestName(QStringLiteral("mirror.fdr")));
    for (const char* bad : {"a/b", "a?b", "a\\b", "a:b", "a*b", "a>b", "a<b", "a|b", "a\"b"}) {
      QVERIFY2(!IsValidTestName(QString::fromLatin1(bad)), bad);
    }

    QStringList answers{QStringLiteral("old.fdr"), QStringLiteral("old"), QStringLiteral("old")};
    int invalid = 0;
    int overwriteAsked = 0;
    const NameQuestions questions{
        [&]() -> std::optional<QString> {
          if (answers.isEmpty()) return std::nullopt;
          return answers.takeFirst();
        },
        [&] { ++invalid; },
        [&] { return ++overwriteAsked == 2; },
        [](const QString& fileName) { return fileName == QStringLiteral("old.fdr"); },
    };
    QCOMPARE(AskTestFileName(questions), std::optional<QString>(QStringLiteral("old.fdr")));
    QCOMPARE(invalid, 1);
    QCOMPARE(overwriteAsked, 2);
    answers = {QString()};
    QCOMPARE(AskTestFileName(questions), std::nullopt);
  }

  void listPositionClamps() {
    QCOMPARE(SteppedListPosition(0, 0, -1, 3), 0);
    QCOMPARE(SteppedListPosition(0, 2, 1, 3), 2);
    QCOMPARE(SteppedListPosition(0, 1, 1, 3), 2);
    QCOMPARE(SteppedListPosition(1, -1, -1, 3), 0);
    QCOMPARE(SteppedListPosition(7, -1, 1, 3), 2);
    QCOMPARE(SteppedListPosition(0, -1, 1, 0), -1);
  }

  void previewOfTheFirstTwoLines() {
    const FilePreview preview = PreviewOfLines("5 1 0\r", "100.5 8 -1", kComma);
    QCOMPARE(preview.diameter, QStringLiteral("Mirror Diameter:\n8 Inches"));
    QCOMPARE(preview.roc, QStringLiteral("Mirror ROC:\n100,5 Inches"));
    QCOMPARE(preview.zones, QStringLiteral("Number of Zones\n5"));
    QCOMPARE(PreviewOfLines("5 0 0", "1000 200 -1", kDot).roc, QStringLiteral("Mirror ROC:\n1000 Millimeters"));
    const FilePreview broken = PreviewOfLines("hello", "", kDot);
    QCOMPARE(broken.diameter, QStringLiteral("Mirror Diameter:\nunreadable"));
    QCOMPARE(broken.zones, QStringLiteral("Number of Zones\nunreadable"));
    QCOMPARE(PreviewOfFile("/nonexistent/folder/x.fdr", kDot).roc, QStringLiteral("Mirror ROC:\nunreadable"));
  }
};

QTEST_APPLESS_MAIN(EntryRulesTest)
#include "EntryRulesTest.moc"
