#include "core/ConicGeometry.h"
#include "core/NumberText.h"
#include "tests/ui/SampleMirror.h"
#include "ui/entry/rules/Commit.h"
#include "ui/entry/rules/EntryText.h"
#include "ui/entry/rules/FilePreview.h"
#include "ui/entry/rules/ListPosition.h"
#include "ui/entry/rules/MaskWizard.h"
#include "ui/entry/rules/TestFileName.h"
#include "ui/panel/rules/EntryIndex.h"
#include "ui/panel/rules/KeyFilter.h"

#include <QtTest>

#include <sys/stat.h>

using namespace zonalyst;
using namespace zonalyst::entry;
using namespace zonalyst::panel;

namespace {

const QString kDot = QStringLiteral(".");
const QString kComma = QStringLiteral(",");

EditState At(const QString& text, int caret, bool allSelected = false) { return {text, caret, allSelected}; }
EditState AtEnd(const QString& text) { return {text, static_cast<int>(text.size()), false}; }

}  // namespace

class EntryRulesTest : public QObject {
  Q_OBJECT

 private slots:
  // Commas on screen are the setup panel's test; these are the texts that are no number.
  void numbersFollowTheUsersSeparator() {
    QCOMPARE(ParseScreenNumber(QStringLiteral(" -0.25 "), kDot), std::optional<double>(-0.25));
    QCOMPARE(ParseScreenNumber(QStringLiteral("1E-05"), kDot), std::optional<double>(1e-5));
    QVERIFY(!ParseScreenNumber(QStringLiteral("128.5"), kComma));
    QVERIFY(!ParseScreenNumber(QString(), kDot));
    QVERIFY(!ParseScreenNumber(QStringLiteral("-"), kDot));
    QVERIFY(!ParseScreenNumber(QStringLiteral("nan"), kDot));
  }

  void boxesShowTheRecordInTheUsersNumbers() {
    MirrorTest test = testing::TestMirror(testing::kNewTestRecipe);
    test.Roc = 128.5;
    test.ZoneRadius[2][0] = 1.5;
    test.ZoneRadius[2][1] = 2.25;
    ComputeEffectiveRadii(test);
    QCOMPARE(SetupBoxText(test, kRocBox, kComma), QStringLiteral("128,5"));
    QCOMPARE(SetupBoxText(test, ZoneBox(2, 1), kComma), QStringLiteral("2,25"));
    QCOMPARE(SetupBoxText(test, ZoneBox(2, 2), kComma), ScreenNumber(FormatFixed(test.ZoneRadius[2][2], 3), kComma));
    test.InnerOuterEntry = 0;
    QCOMPARE(SetupBoxText(test, ZoneBox(2, 0), kComma), QStringLiteral("1,500"));
    test.KeReading[3][2] = 0.1234;
    QCOMPARE(ReadingsCellText(test, ReadingCell(3, 2), kDot), QStringLiteral("0.123"));
  }

  // The window tests type the common cases; these are the corners they leave out.
  void keyFiltersByBoxAndCell() {
    struct Case {
      bool setup;
      int index;
      char16_t key;
      EditState state;
      KeyVerdict verdict;
    };
    const Case cases[] = {
        {true, kZoneCountBox, u'.', AtEnd("1"), KeyVerdict::Refuse},
        {true, ZoneBox(3, 1), u'.', AtEnd("1.2"), KeyVerdict::Refuse},
        {true, kDiameterBox, u'9', At("1.12345", 1), KeyVerdict::Accept},
        {true, kDiameterBox, u'9', At("1.12345", 0, true), KeyVerdict::Accept},
        {true, kConicBox, u'-', At("-1", 0, true), KeyVerdict::Accept},
        {true, kRocBox, u'-', At("1", 0), KeyVerdict::Refuse},
        {true, ZoneBox(1, 0), u'-', At("", 0), KeyVerdict::Refuse},
        {true, kEntryMethodBox, u'm', AtEnd("Effective"), KeyVerdict::Refuse},
        {true, kSourceBox, u'f', AtEnd("Fixed"), KeyVerdict::Flip},
        {true, kSourceBox, u'i', AtEnd("Fixed"), KeyVerdict::Refuse},
        {false, kUnitsCell, u'i', AtEnd("Inches"), KeyVerdict::Flip},
        {false, kSourceCell, u'x', AtEnd("Fixed"), KeyVerdict::Refuse},
        {false, kSetsCell, u'.', AtEnd("1"), KeyVerdict::Refuse},
        {false, kRocCell, u'-', At("", 0), KeyVerdict::Refuse},
        {false, kConicCell, u'-', At("", 0), KeyVerdict::Accept},
        {false, ReadingCell(2, 3), u'-', At("0.5", 0), KeyVerdict::Accept},
        {false, ReadingCell(2, 3), u'1', AtEnd("0.12345"), KeyVerdict::Refuse},
        {false, ReadingCell(2, 3), kEnter, AtEnd("0.5"), KeyVerdict::Swallow},
    };
    for (const Case& c : cases) {
      const KeyVerdict verdict =
          c.setup ? FilterSetupKey(c.index, c.key, c.state, kDot) : FilterReadingsKey(c.index, c.key, c.state, kDot);
      const QString what = QStringLiteral("%1 %2 '%3'").arg(c.index).arg(QChar(c.key)).arg(c.state.text);
      QVERIFY2(verdict == c.verdict, qPrintable(what));
    }
    QCOMPARE(FilterSetupKey(kRocBox, u'.', AtEnd("12"), kComma), KeyVerdict::Refuse);
  }

  void commitsClampAndStoreNumbersOnly() {
    // The zone count's clamp is the setup panel's test.
    MirrorTest test = testing::TestMirror(testing::kNewTestRecipe);
    QCOMPARE(CommitSetupBox(test, kZoneCountBox, QString(), kDot), CommitEffect::None);
    QCOMPARE(test.ZoneCount, 4);
    CommitSetupBox(test, kRocBox, QStringLiteral("100,5"), kComma);
    QCOMPARE(test.Roc, 100.5);
    CommitSetupBox(test, kRocBox, QStringLiteral("0"), kComma);  // the setup panel keeps a zero for validation
    QCOMPARE(test.Roc, 0.0);
  }

  // Inner and outer radii are the setup panel's test; with effective radii the wizard
  // fills only the effective one.
  void wizardForEffectiveRadiiFillsOnlyThem() {
    MirrorTest test = testing::TestMirror(testing::kNewTestRecipe);
    test.InnerOuterEntry = 0;
    test.ZoneRadius[1][1] = 99.0;
    QCOMPARE(RunMaskWizard(test, QStringLiteral("0"), kDot).kind, WizardOutcome::Kind::Applied);
    QCOMPARE(test.ZoneRadius[1][0], 1.225);  // 4 sqrt(0.25^2 / 2 + 0.25^2)
    QCOMPARE(test.ZoneRadius[1][1], 99.0);
  }

  void testFileNames() {
    QVERIFY(IsValidTestName(QStringLiteral("Mirror 8 inch")));
    QVERIFY(!IsValidTestName(QStringLiteral("mirror.fdr")));
    for (const char* bad : {"a/b", "a?b", "a\\b", "a:b", "a*b", "a>b", "a<b", "a|b", "a\"b"}) {
      QVERIFY2(!IsValidTestName(QString::fromLatin1(bad)), bad);
    }

    // Asking again after a bad or a taken name is the load panel's test; an empty answer gives up.
    const NameQuestions empty{[]() -> std::optional<QString> { return QString(); }, [] {}, [] { return true; },
                              [](const QString&) { return false; }};
    QCOMPARE(AskTestFileName(empty), std::nullopt);
  }

  void listPositionClamps() {
    QCOMPARE(SteppedListPosition(0, 0, -1, 3), 0);
    QCOMPARE(SteppedListPosition(0, 2, 1, 3), 2);
    QCOMPARE(SteppedListPosition(0, 1, 1, 3), 2);
    QCOMPARE(SteppedListPosition(1, -1, -1, 3), 0);
    QCOMPARE(SteppedListPosition(7, -1, 1, 3), 2);
    QCOMPARE(SteppedListPosition(0, -1, 1, 0), -1);
  }

  // The load panel's test shows inches and a broken file; a pipe or an endless file is unreadable at once.
  void previewOfTheFirstTwoLines() {
    QTemporaryDir dir;
    const QString pipe = dir.filePath(QStringLiteral("pipe.fdr"));
    QVERIFY(mkfifo(pipe.toLocal8Bit().constData(), 0600) == 0);
    QCOMPARE(PreviewOfFile(pipe.toStdString(), kDot).zones, QStringLiteral("Number of Zones\nunreadable"));
    QCOMPARE(PreviewOfFile("/dev/zero", kDot).zones, QStringLiteral("Number of Zones\nunreadable"));
    QCOMPARE(PreviewOfLines("5 1 0\r", "100.5 8 -1", kComma).roc, QStringLiteral("Mirror ROC:\n100,5 Inches"));
    QCOMPARE(PreviewOfLines("5 0 0", "1000 200 -1", kDot).roc, QStringLiteral("Mirror ROC:\n1000 Millimeters"));
    QCOMPARE(PreviewOfLines("hello", "", kDot).zones, QStringLiteral("Number of Zones\nunreadable"));
    QCOMPARE(PreviewOfFile("/nonexistent/folder/x.fdr", kDot).roc, QStringLiteral("Mirror ROC:\nunreadable"));
  }
};

QTEST_APPLESS_MAIN(EntryRulesTest)
#include "EntryRulesTest.moc"
