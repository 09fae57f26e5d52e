// Rules of the live analysis panels that need no window.
#include <QApplication>
#include <QTest>

#include "../QtTestMain.h"
#include "core/MirrorTest.h"
#include "ui/GifProgressWindow.h"
#include "ui/live/ImageExportRules.h"
#include "ui/live/LocalisedText.h"
#include "ui/live/McSetupRules.h"
#include "ui/live/OffsetCaptions.h"
#include "ui/live/SliderRules.h"

using namespace zonalyst;

class LiveRulesTest : public QObject {
  Q_OBJECT
 private slots:
  void referenceSlidersHaveTheirRangesAndLargeChanges() {
    const int expected[5][4] = {
        {0, 3000, 1500, 10}, {0, 3000, 1500, 10}, {0, 3000, 1500, 10}, {0, 20, 20, 2}, {-100, 100, 0, 10}};
    for (int i = 0; i < 5; ++i) {
      const live::SliderRange range = live::ReferenceSliderRange(i);
      QCOMPARE(range.min, expected[i][0]);
      QCOMPARE(range.max, expected[i][1]);
      QCOMPARE(range.initial, expected[i][2]);
      QCOMPARE(range.largeChange, expected[i][3]);
    }
    QCOMPARE(live::ReferenceSliderRange(5).max, 0);
  }

  void offsetsRunFromMinusToPlusOneAndAHalfMillimetres() {
    QCOMPARE(live::ReferenceOffsetMm(0, 3000), -1.5);
    QCOMPARE(live::ReferenceOffsetMm(1500, 3000), 0.0);
    QCOMPARE(live::ReferenceOffsetMm(3000, 3000), 1.5);
    QCOMPARE(live::ReferenceOffsetMm(1501, 3000), 0.001);
  }

  void offsetCaptionsInMillimetresAndInches() {
    MirrorTest mm;
    mm.Units = 0;
    MirrorTest inches;
    inches.Units = 1;
    QCOMPARE(
        live::OffsetCaption(mm, -1.5, 4),
        std::string("Offset from best fit ROC = -1.5 Millimeters.\r\nUse L/R arrows or mouse to adjust, F4 to reset"));
    QCOMPARE(
        live::OffsetCaption(mm, 0.0, 6),
        std::string("Offset from best fit ROC = 0 Millimeters.\r\nUse L/R arrows or mouse to adjust, F6 to reset"));
    QCOMPARE(
        live::OffsetCaption(inches, -1.5, 7),
        std::string("Offset from best fit ROC = -0.059 Inches.\r\nUse L/R arrows or mouse to adjust, F7 to reset"));
    QCOMPARE(live::OffsetCaption(inches, 1.5, 4).substr(0, 34), std::string("Offset from best fit ROC = 0.059 I"));
    QCOMPARE(live::ResetKeyOf(0), 4);
    QCOMPARE(live::ResetKeyOf(1), 6);
    QCOMPARE(live::ResetKeyOf(2), 7);
  }

  void helpTextsOfTheSliders() {
    for (int i = 0; i < 3; ++i) {
      QCOMPARE(live::ReferenceSliderHelp(i),
               std::string("Offsetting ROC can help during figuring, Shorter ROC effectively raises center of mirror"));
    }
    QCOMPARE(live::ReferenceSliderHelp(3),
             std::string("Use Arrow keys or Mouse to select waves of defocus for star test"));
    QCOMPARE(live::ReferenceSliderHelp(4), std::string("Use Arrow Keys or Mouse to adjust Max RTA offset value"));
    QVERIFY(live::MilliesLacroixNote().starts_with(
        "NOTE, These plots DO NOT represent the surface profile of your optic.\r\n"));
    QCOMPARE(live::SpotObstructionHelp(), std::string("Select amount of Central Obstruction (% diameter), "));
  }

  void detailFollowsTheDefocusSlider() {
    QVERIFY(!live::DetailChecked(0));
    QVERIFY(live::DetailChecked(1));
    QVERIFY(live::DetailChecked(20));
  }

  void starSlidersMoveOnlyFromTheirStartingPositions() {
    QCOMPARE(live::StarFirstVisit({20, 99}), (live::StarSliders{0, 33}));
    QCOMPARE(live::StarFirstVisit({5, 99}), (live::StarSliders{5, 33}));
    QCOMPARE(live::StarFirstVisit({20, 10}), (live::StarSliders{0, 10}));
    QCOMPARE(live::StarFirstVisit({19, 98}), (live::StarSliders{19, 98}));
    QCOMPARE(live::DefocusCaption(5), std::string("5 Waves Defocus"));
    QCOMPARE(live::ObstructionCaption(33), std::string("33%"));
  }

  void standardDeviationBoxesTakeDigitsAndOneSeparatorWithFiveDecimals() {
    using entry::KeyVerdict;
    auto key = [&](QChar c, const QString& text, int caret, const QString& separator = QStringLiteral(".")) {
      return live::FilterStdDevKey(c, {text, caret, false}, separator);
    };
    QCOMPARE(key(QLatin1Char('7'), QString(), 0), KeyVerdict::Accept);
    QCOMPARE(key(QLatin1Char('.'), QStringLiteral("0"), 1), KeyVerdict::Accept);
    QCOMPARE(key(QLatin1Char('.'), QStringLiteral("0.1"), 3), KeyVerdict::Refuse);
    QCOMPARE(key(QLatin1Char('5'), QStringLiteral("0.1234"), 6), KeyVerdict::Accept);
    QCOMPARE(key(QLatin1Char('5'), QStringLiteral("0.12345"), 7), KeyVerdict::Refuse);
    QCOMPARE(key(QLatin1Char('-'), QString(), 0), KeyVerdict::Refuse);
    QCOMPARE(key(QLatin1Char('a'), QString(), 0), KeyVerdict::Refuse);
    QCOMPARE(key(QChar(entry::kEnter), QString(), 0), KeyVerdict::Swallow);
    QCOMPARE(key(QChar(entry::kBackspace), QStringLiteral("1"), 1), KeyVerdict::Accept);
    QCOMPARE(key(QLatin1Char(','), QStringLiteral("0"), 1, QStringLiteral(",")), KeyVerdict::Accept);
    QCOMPARE(key(QLatin1Char('.'), QStringLiteral("0"), 1, QStringLiteral(",")), KeyVerdict::Refuse);
  }

  void standardDeviationTextsAndMeans() {
    QCOMPARE(live::StdDevText(0.127), std::string("0.1270"));
    QCOMPARE(live::StdDevText(0.0), std::string("0.0000"));
    QCOMPARE(live::StdDevText(0.00005), std::string("0.0000"));
    const QStringList boxes = {QStringLiteral("0,1"), QStringLiteral("0,3"), QStringLiteral("x"), QStringLiteral("9")};
    QCOMPARE(live::MeanOfZoneBoxes(boxes, 2, QLatin1Char(',')), 0.2);
    QCOMPARE(live::MeanOfZoneBoxes(boxes, 3, QLatin1Char(',')), 0.4 / 3);
    QCOMPARE(live::ReadTypedNumber(QStringLiteral("abc"), QLatin1Char('.')), 0.0);
    QCOMPARE(live::NextZoneRow(0, -1, 3), 0);
    QCOMPARE(live::NextZoneRow(1, 1, 3), 2);
    QCOMPARE(live::NextZoneRow(2, 1, 3), 2);
  }

  void numbersTakeTheUsersSeparatorButSentencesKeepTheirStops() {
    QCOMPARE(live::LocalisedNumbersIn("between 0.85 and 1. Done.\r\n-.5", QLatin1Char(',')),
             QStringLiteral("between 0,85 and 1. Done.\r\n-,5"));
  }

  void imageNamesAndFormats() {
    QCOMPARE(live::ImageFormatOf("/x/m_Surface.gif"), live::ImageFormat::Gif);
    QCOMPARE(live::ImageFormatOf("/x/m_Surface.PNG"), live::ImageFormat::Png);
    QCOMPARE(live::WithDefaultExtension("/x/m_Surface"), std::string("/x/m_Surface.gif"));
    QCOMPARE(live::WithDefaultExtension("/x.d/m.png"), std::string("/x.d/m.png"));
    QCOMPARE(live::ImageSaveFailure("/no/m.gif", "cannot create"),
             std::string("The image could not be saved to /no/m.gif.\r\ncannot create\r\nNothing was written."));
  }

  void progressBarLengths() {
    QCOMPARE(ui::GifBarLength(0, 300), 0);
    QCOMPARE(ui::GifBarLength(100, 300), 300);
    QCOMPARE(ui::GifBarLength(50, 301), 150);  // 150.5 rounds to even
    QCOMPARE(ui::GifBarLength(1, 250), 2);     // 2.5 rounds to even
  }
};

ZONALYST_QTEST_MAIN(LiveRulesTest)
#include "LiveRulesTest.moc"
