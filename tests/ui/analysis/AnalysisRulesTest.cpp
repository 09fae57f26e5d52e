// Rules of the analysis panels that need no window (the sliders' ranges and offsets are
// the window tests').
#include "tests/support/TestMirror.h"
#include "ui/analysis/rules/AstigmatismRules.h"
#include "ui/analysis/rules/ImageExportRules.h"
#include "ui/analysis/rules/LocalisedText.h"
#include "ui/analysis/rules/McSetupRules.h"
#include "ui/analysis/rules/SliderRules.h"

#include <QtTest>

using namespace zonalyst;

class AnalysisRulesTest : public QObject {
  Q_OBJECT
 private slots:
  void orientationsAreTypedWithTheUsersSeparatorWithinATurn() {
    const std::pair<const char*, std::optional<double>> cases[] = {
        {"22,5", 22.5}, {" -90 ", -90.0},      {"360", 360.0},        {"361", std::nullopt}, {"", std::nullopt},
        {"22.5", 22.5}, {"nan", std::nullopt}, {"inf", std::nullopt}, {"1e2", 100.0}};
    for (const auto& [typed, angle] : cases) {
      QCOMPARE(analysis::TypedOrientation(QString::fromLatin1(typed), QLatin1Char(',')), angle);
    }
  }

  void onlyTestsOfTheOpenMirrorWithAnOrientationStartTicked() {
    const auto row = [](const char* name, std::optional<double> deg, double diameter) {
      return analysis::OrientationRow{name, testing::TestMirror({.diameter = diameter}), "", deg, false};
    };
    std::vector<analysis::OrientationRow> rows = {row("open.fdr", 0.0, 200.0),
                                                  row("b.fdr", 60.0, 200.0),
                                                  row("c.fdr", std::nullopt, 200.0),
                                                  row("d.fdr", 90.0, 210.0),
                                                  {"e.fdr", std::nullopt, "it does not load", 30.0, false}};
    analysis::TickTestsOfTheOpenMirror(rows, "open.fdr");
    QList<bool> ticked;
    for (const auto& r : rows) ticked << r.ticked;
    QCOMPARE(ticked, (QList<bool>{true, true, false, false, false}));
    QCOMPARE(analysis::StartingOrientation(std::nullopt, "m_rot60.fdr"), 60.0);
    QCOMPARE(analysis::StartingOrientation(45.0, "m_rot60.fdr"), 45.0);  // what the user typed last wins
  }

  void starSlidersMoveOnlyFromTheirStartingPositions() {
    QCOMPARE(analysis::StarFirstVisit({5, 99}, 33), (analysis::StarSliders{5, 33}));
    QCOMPARE(analysis::StarFirstVisit({20, 10}, 33), (analysis::StarSliders{0, 10}));
    QCOMPARE(analysis::StarFirstVisit({19, 98}, 33), (analysis::StarSliders{19, 98}));
  }

  void standardDeviationBoxesTakeDigitsAndOneSeparatorWithFiveDecimals() {
    using panel::KeyVerdict;
    struct Case {
      QChar key;
      const char* text;
      KeyVerdict verdict;
      const char* separator = ".";
    };
    // Typing ".325" and a comma separator are the dialog test's.
    const Case cases[] = {
        {QLatin1Char('.'), "0.1", KeyVerdict::Refuse},     {QLatin1Char('5'), "0.1234", KeyVerdict::Accept},
        {QLatin1Char('5'), "0.12345", KeyVerdict::Refuse}, {QLatin1Char('-'), "", KeyVerdict::Refuse},
        {QChar(panel::kEnter), "", KeyVerdict::Swallow},   {QChar(panel::kBackspace), "1", KeyVerdict::Accept},
        {QLatin1Char('.'), "0", KeyVerdict::Refuse, ","}};
    for (const Case& c : cases) {
      const QString text = QString::fromLatin1(c.text);
      QCOMPARE(analysis::FilterStdDevKey(c.key, {text, int(text.size()), false}, QString::fromLatin1(c.separator)),
               c.verdict);
    }
  }

  void standardDeviationTextsAndMeans() {
    QCOMPARE(analysis::StdDevText(0.00005), std::string("0.0000"));
    QCOMPARE(analysis::HeldValue(QStringLiteral("0,0016"), 0.00164, QLatin1Char(',')), 0.00164);
    QCOMPARE(analysis::HeldValue(QStringLiteral("0,0017"), 0.00164, QLatin1Char(',')), 0.0017);
    QCOMPARE(analysis::HeldValue(QStringLiteral("x"), 0.00164, QLatin1Char(',')), 0.0);
    const ZoneValues sd = {0.0, 1.0, 3.0, 2.0, 9.0};
    QCOMPARE(analysis::ZoneBeyondRadius(sd, 3, 2.0), std::optional<int>(2));
    QCOMPARE(analysis::ZoneBeyondRadius(sd, 3, 3.0), std::nullopt);
    QCOMPARE(analysis::NextZoneRow(0, -1, 3), 0);
  }

  void numbersTakeTheUsersSeparatorButSentencesKeepTheirStops() {
    QCOMPARE(analysis::LocalisedNumbersIn("between 0.85 and 1. Done.\r\n-.5", QLatin1Char(',')),
             QStringLiteral("between 0,85 and 1. Done.\r\n-,5"));
  }

  void imageNamesFormatsAndProgress() {
    QCOMPARE(analysis::ImageFormatOf("/x/m_Surface.gif"), analysis::ImageFormat::Gif);
    QCOMPARE(analysis::ImageFormatOf("/x/m_Surface.PNG"), analysis::ImageFormat::Png);
    using analysis::ImageFormat;
    QCOMPARE(analysis::WithDefaultExtension("/x/m_Surface", ImageFormat::Gif), std::string("/x/m_Surface.gif"));
    QCOMPARE(analysis::WithDefaultExtension("/x/m_View", ImageFormat::Png), std::string("/x/m_View.png"));
    QCOMPARE(analysis::WithDefaultExtension("/x.d/m.gif", ImageFormat::Png), std::string("/x.d/m.gif"));
    QCOMPARE(analysis::ImageFilters(ImageFormat::Png), std::string("PNG pictures (*.png);;Pictures (*.gif)"));
    QCOMPARE(analysis::GifBarLength(50, 301), 150);  // 150.5 rounds to even
    QCOMPARE(analysis::GifBarLength(1, 250), 2);     // 2.5 rounds to even
  }
};

QTEST_GUILESS_MAIN(AnalysisRulesTest)
#include "AnalysisRulesTest.moc"
