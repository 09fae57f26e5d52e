#include "core/JsonWriter.h"
#include "core/NumberText.h"
#include "core/ResultTexts.h"
#include "core/Rounding.h"
#include "core/SetupValidation.h"
#include "core/ZoneReport.h"
#include "tests/support/TestMirror.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <tuple>

namespace zonalyst {
namespace {

TEST(NumberText, GeneralFixedAndTwoDigitForms) {
  // clang-format off
  for (const auto& [value, text] : {std::pair{1.5, "1.5"}, {0.0, "0"}, {-0.0, "0"}, {0.00001, "1E-05"},
                                    {0.0001, "0.0001"}, {1e15, "1E+15"}, {0.1 + 0.2, "0.3"},
                                    {1.0 / 3.0, "0.333333333333333"}, {123456789012345678.0, "1.23456789012346E+17"}}) {
    // clang-format on
    EXPECT_EQ(FormatGeneral(value), text) << value;
  }
  EXPECT_EQ(FormatRounded(2.0625, 3), "2.062");  // an exact half rounds to even
  EXPECT_EQ(FormatRounded(0.125, 2), "0.12");
  EXPECT_EQ(FormatFixed(1.5, 3), "1.500");
  EXPECT_EQ(FormatFixed(-0.0001, 3), "0.000");
  EXPECT_EQ(FormatFixed(-1.2346, 3), "-1.235");
  EXPECT_EQ(FormatTwoDigits(5.4), "05");
  EXPECT_EQ(FormatTwoDigits(104.5), "104");
  EXPECT_EQ(FormatTwoDigits(-3.0), "-03");
  for (const auto& [value, rounded] : {std::pair{2.5, 2.0}, {3.5, 4.0}, {-0.5, -0.0}}) {
    EXPECT_EQ(RoundHalfEven(value), rounded) << value;
  }
}

TEST(NumberText, HugeValuesAreWrittenInFullWithoutNulBytes) {
  const std::string fixed = FormatFixed(-std::numeric_limits<double>::max(), 3);
  EXPECT_EQ(fixed.size(), 1 + 309 + 4u);
  EXPECT_EQ(fixed.substr(0, 5), "-1797");
  EXPECT_EQ(fixed.substr(fixed.size() - 4), ".000");
  const std::string twoDigits = FormatTwoDigits(1e63);
  EXPECT_EQ(twoDigits.size(), 64u);
  EXPECT_EQ(twoDigits.front(), '1');
  for (const std::string& text : {fixed, twoDigits, FormatFixed(1e300, 15), FormatExact(-1e308)}) {
    EXPECT_EQ(text.find('\0'), std::string::npos);
  }
}

TEST(ResultTexts, PanelRounding) {
  // clang-format off
  const QualityMetrics m{.PvFraction = 1000.0, .TransErrMax = 0.1234, .RmsWaves = 0.0401,  // 11.0275 nm
                         .Strehl = 0.9995, .EncircledRatio = 0.98765, .GlassVolume = 12.34567};
  // clang-format on
  const ResultTexts texts = FormatResults(m);
  EXPECT_EQ(texts, (ResultTexts{"12.346", "1/500", "0.123", "0.988", "1", "11"}));
  EXPECT_EQ(PeakValleyText(2.0), "1 Waves!");
  EXPECT_EQ(PeakValleyText(0.8), "2.5 Waves!");
  EXPECT_EQ(PeakValleyText(17.3), "1/8.65");
  EXPECT_EQ(MeasuredSpanNote(MeasuredSpanFit{.span = {}, .areaFraction = 0.6841, .rmsWaves = 0.0062}),  // 1.705 nm
            "RMS over the measured zones: 1.7 nm (68 % of the area); beyond them the surface is extrapolated");
  EXPECT_EQ(MeasuredSpanNote(std::nullopt), "");
}

TEST(ResultTexts, BestFitCaptionInBothUnits) {
  MirrorTest test;
  test.Units = 0;
  test.Roc = 1600;
  EXPECT_EQ(BestFitCaption(test, {1600.0, 1600.0123456}), "Entered ROC of 1600mm + 0.01235mm = Best fit ROC");
  test.Units = 1;
  test.Roc = 62.5;
  EXPECT_EQ(BestFitCaption(test, {1587.5, 1587.5 - 0.254}), "Entered ROC of 62.5\" + -0.01\" = Best fit ROC");
}

TEST(SetupValidation, ChecksInOrderWithTheirMessages) {
  MirrorTest test = testing::TestMirror();
  EXPECT_TRUE(CheckSetup(test, SetupScope::SetupPanel).empty());

  MirrorTest fast = test;
  fast.Roc = 300;  // f/0.75
  fast.ZoneRadius[3][2] = 30;
  auto findings = CheckSetup(fast, SetupScope::SetupPanel);
  ASSERT_EQ(findings.size(), 2u);
  EXPECT_TRUE(findings[0].question);
  EXPECT_EQ(findings[0].title, "Uhhhhhh");
  EXPECT_EQ(findings[1].message,
            "Excuse ME, the effective radius for zone 3 is less than zone 2\r\n"
            "Please arrange your zone from smallest radius to largest!");
  EXPECT_EQ(findings[1].zone, 3);
  EXPECT_EQ(CheckSetup(fast, SetupScope::ReadingsPanel).size(), 1u);
}

// Setups that describe no real mirror or mask: each refused with its message and the
// box to fix, on the setup panel; those of the radius and diameter on the readings panel too.
TEST(SetupValidation, RefusesSetupsOfNoRealMirrorOrMask) {
  using Check = SetupFinding::Check;
  struct Case {
    const char* name;
    void (*spoil)(MirrorTest&);
    Check check;
    std::string message;
    int zone, column;
    bool onReadingsPanel;
  };
  // clang-format off
  const Case cases[] = {
      // one finding: the diameter is not checked after the radius
      {"zero ROC and diameter", [](MirrorTest& t) { t.Roc = t.Diameter = 0; }, Check::ZeroRoc,
       "Excuse ME, You have entered 0 for your ROC, That can't be right :)", 0, 0, true},
      {"mask beyond the mirror", [](MirrorTest& t) { t.ZoneRadius[6][2] = 100.5; }, Check::MaskTooBig,
       "Excuse ME, Your Mask is bigger than your Mirror Radius!\r\nYou'll need to fix this!", 6, 0, false},
      {"negative ROC", [](MirrorTest& t) { t.Roc = -1600; }, Check::NegativeRoc,
       "Excuse ME, You have entered a negative ROC, That can't be right :)", 0, 0, true},
      {"negative diameter", [](MirrorTest& t) { t.Diameter = -200; }, Check::NegativeDiameter,
       "Excuse ME, You have entered a negative Mirror Diameter, That can't be right :)", 0, 0, true},
      {"ROC below the mirror's radius", [](MirrorTest& t) { t.Roc = 99.9; }, Check::RocBelowMirrorRadius,
       "Excuse ME, your ROC is smaller than your Mirror Radius, That can't be right :)", 0, 0, true},
      {"negative effective radius", [](MirrorTest& t) { t.InnerOuterEntry = 0, t.ZoneRadius[1] = {-20, 0, -20}; },
       Check::NegativeZoneRadius, "Excuse ME, you have a negative radius for zone 1, this can't be right!", 1, 0,
       false},
      {"negative outer radius", [](MirrorTest& t) { t.ZoneRadius[2] = {30, -40, 35}; }, Check::NegativeZoneRadius,
       "Excuse ME, you have a negative radius for zone 2, this can't be right!", 2, 1, false},
      {"inner beyond outer", [](MirrorTest& t) { t.ZoneRadius[3] = {60, 50, 55}; }, Check::InnerBeyondOuter,
       "Excuse ME, the inner radius for zone 3 is larger than its outer radius\r\n"
       "Please enter the inner radius first, then the outer!", 3, 0, false},
      {"coinciding zones", [](MirrorTest& t) { t.ZoneRadius[4] = t.ZoneRadius[3]; }, Check::ZonesCoincide,
       "Zones 3 and 4 coincide: they have the same effective radius.\r\n"
       "Please give each zone its own radius, from the smallest to the largest.", 4, 0, false},
      // zone 3 from 52 to 55 inside zone 2, which ends at 53: the effective radii still increase
      {"overlapping zones", [](MirrorTest& t) { t.ZoneRadius[2][1] = 53, t.ZoneRadius[3] = {52, 55, 53.5}; },
       Check::ZonesOverlap, "Zones 2 and 3 overlap: zone 3 begins inside zone 2.\r\n"
       "Please let each zone begin where the one before it ends, or farther out.", 3, 0, false},
      // the effective radius stays inside the mirror
      {"outer beyond the edge", [](MirrorTest& t) { t.ZoneRadius[6] = {85, 105, 95.5}; }, Check::OuterBeyondEdge,
       "Excuse ME, the outer radius for zone 6 is beyond the edge of your Mirror!\r\nYou'll need to fix this!", 6, 1,
       false},
  };
  // clang-format on
  MirrorTest sound = testing::TestMirror();
  sound.InnerOuterEntry = 1;
  for (int z = 1; z <= 6; ++z) sound.ZoneRadius[z][1] = sound.ZoneRadius[z][0];
  EXPECT_TRUE(CheckSetup(sound, SetupScope::SetupPanel).empty());
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    MirrorTest test = sound;
    c.spoil(test);
    const auto findings = CheckSetup(test, SetupScope::SetupPanel);
    ASSERT_EQ(findings.size(), 1u);
    const SetupFinding& r = findings.back();
    EXPECT_EQ(std::tuple(r.check, r.message, r.title, r.question, r.zone, r.column),
              std::tuple(c.check, c.message, "HEY!", false, c.zone, c.column));
    const auto onReadings = CheckSetup(test, SetupScope::ReadingsPanel);
    EXPECT_EQ(!onReadings.empty() && !onReadings.back().question, c.onReadingsPanel);
  }
}

TEST(ZoneReport, RowsAndCorrectionColumn) {
  MirrorTest test = testing::TestMirror({.zones = {20, 45, 70, 90}});
  AverageReadings(test);
  ZoneReport report = BuildZoneReport(test, 1600.0);
  EXPECT_EQ(report.unitsLine, "Units are in Millimeters, Light source is Moving, ");
  EXPECT_EQ(report.mirrorLine,
            "Mirror Diameter = 200     Best fit Radius of Curvature = 1600     Desired deformation = -1");
  ASSERT_EQ(report.rows.size(), 4u);
  EXPECT_EQ(report.rows[0][5], "");  // zone 1 has no deltas
  EXPECT_EQ(std::tuple(report.rows[1][0], report.rows[1][1], report.rows[1][7]), std::tuple("2", "45.000", "100%"));

  test.DesiredConic = 0.0;  // a sphere: no ideal deltas, no correction
  report = BuildZoneReport(test, 1600.0);
  EXPECT_EQ(report.rows[2][3], "0.000");
  EXPECT_EQ(report.rows[2][7], "");
}

TEST(JsonWriter, NestsAndEscapes) {
  JsonWriter json;
  json.beginObject().key("a").value(1.5).key("b").beginArray().value(1).value("x\"y\\z\tw").null().endArray();
  json.key("c").value(std::numeric_limits<double>::infinity()).key("d").value(std::nan("")).endObject();
  EXPECT_EQ(json.text(), R"({"a":1.5,"b":[1,"x\"y\\z\tw",null],"c":null,"d":null})");
}

// Each ill-formed piece becomes one U+FFFD, as Unicode recommends: a stray or truncated
// byte run, an overlong form, a surrogate, a code point past U+10FFFF.
TEST(JsonWriter, StringsAreAlwaysValidUtf8) {
  const std::string r = "\xef\xbf\xbd";
  const std::pair<std::string, std::string> cases[] = {
      {"Zo\xc3\xab \xe2\x82\xac \xf0\x9f\x94\xad", "Zo\xc3\xab \xe2\x82\xac \xf0\x9f\x94\xad"},
      {"b\xff\xfe.fdr", "b" + r + r + ".fdr"},
      {"\xe2\x82.fdr", r + ".fdr"},
      {"\xc0\xaf", r + r},
      {"\xed\xa0\x80", r + r + r},
      {"\xf4\x90\x80\x80", r + r + r + r},
      {"\xf0\x9f\x94", r},
  };
  for (const auto& [text, repaired] : cases) {
    JsonWriter json;
    json.value(text);
    EXPECT_EQ(json.text(), "\"" + repaired + "\"") << text;
  }
}

}  // namespace
}  // namespace zonalyst
