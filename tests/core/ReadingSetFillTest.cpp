#include "core/ReadingSetFill.h"
#include "core/ReadingsValidation.h"
#include "tests/support/TestMirror.h"

#include <gtest/gtest.h>

namespace zonalyst {
namespace {

using Outcome = ReadingSetFill::Outcome;

// Three zones; zone 2 read at 10.4996 (10.5 to the millimetre's thousandth).
const ZoneReadings kZone2Read = {std::nullopt, 10.4996, std::nullopt};

MirrorTest TwoSets() {
  MirrorTest test = testing::TestMirror({.zones = {20.0, 38.0, 55.0}, .readingSets = 2});
  for (int z = 1; z <= 3; ++z) test.KeReading[z][2] = test.KeReading[z][1] + 0.5;
  return test;
}

TEST(ReadingSetFill, AFillNeverWritesAValueThatWasNeverMeasuredUnlessAccepted) {
  const MirrorTest blank =
      testing::TestMirror({.zones = {20.0, 38.0, 55.0}, .readingSets = 3, .perfectReadings = false});
  struct Case {
    const char* what;
    MirrorTest test;
    ZoneReadings readings;
    int set;
    Outcome outcome;
    std::vector<int> kept, unmeasured;
  };
  const std::vector<Case> cases = {
      {"nothing read", TwoSets(), {std::nullopt, std::nullopt, std::nullopt}, 1, Outcome::NothingRead, {1, 2, 3}, {}},
      {"a set in use keeps its measured values", TwoSets(), kZone2Read, 1, Outcome::Filled, {1, 3}, {}},
      {"a set brought into use measured nothing", TwoSets(), kZone2Read, 3, Outcome::Unmeasured, {}, {1, 3}},
      {"a test without readings measured nothing", blank, kZone2Read, 1, Outcome::Unmeasured, {}, {1, 3}},
      {"every zone read", blank, {1.0, 2.0, 3.0}, 1, Outcome::Filled, {}, {}},
  };
  for (const Case& c : cases) {
    MirrorTest test = c.test;
    const ReadingSetFill fill = FillReadingSet(test, c.readings, c.set, UnmeasuredZones::Refuse);
    EXPECT_EQ(fill.outcome, c.outcome) << c.what;
    EXPECT_EQ(fill.kept, c.kept) << c.what;
    EXPECT_EQ(fill.unmeasured, c.unmeasured) << c.what;
    if (c.outcome == Outcome::Filled) {
      EXPECT_EQ(test.ReadingSets, AnyReading(c.test) ? 2 : 1) << c.what;
    } else {
      EXPECT_EQ(test.KeReading, c.test.KeReading) << c.what << ": left as it was";
    }
  }
}

TEST(ReadingSetFill, AcceptedUnmeasuredZonesTakeTheirMeanOfTheOtherSetsOrKeepZero) {
  MirrorTest test = TwoSets();
  const ReadingSetFill fill = FillReadingSet(test, kZone2Read, 3, UnmeasuredZones::Accept);
  EXPECT_EQ(fill.outcome, Outcome::Filled);
  EXPECT_EQ(fill.filled, 1);
  EXPECT_EQ(test.ReadingSets, 3);
  EXPECT_EQ(test.KeReading[2][3], 10.5) << "written as the screen shows it, to 0.001 mm";
  MirrorTest before = TwoSets();
  AverageReadings(before);
  EXPECT_DOUBLE_EQ(test.KeAverage[1], before.KeAverage[1]) << "an unread zone's average unmoved";

  MirrorTest blank = testing::TestMirror({.zones = {20.0, 38.0, 55.0}, .readingSets = 3, .perfectReadings = false});
  FillReadingSet(blank, kZone2Read, 1, UnmeasuredZones::Accept);
  EXPECT_EQ(blank.ReadingSets, 1);
  EXPECT_EQ(blank.KeReading[1][1], 0.0);
}

TEST(ReadingSetFill, SetsOfferedFollowTheSetsInUse) {
  MirrorTest test = TwoSets();
  EXPECT_EQ(NextReadingSet(test), 3);
  EXPECT_EQ(LastFillableSet(test), 3);
  test.ReadingSets = 4;
  EXPECT_EQ(NextReadingSet(test), 1);
  EXPECT_EQ(LastFillableSet(testing::TestMirror({.perfectReadings = false})), 1);
  EXPECT_EQ(ZoneListText({1}), "1");
  EXPECT_EQ(ZoneListText({1, 7}), "1 and 7");
  EXPECT_EQ(ZoneListText({1, 3, 7}), "1, 3 and 7");
}

}  // namespace
}  // namespace zonalyst
