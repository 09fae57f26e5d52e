// Readings that no mirror gives are refused before they are reported as a mirror, naming
// the reading to fix (the command line's test pins the wording); a test without readings
// is told apart from the others.
#include "core/ReadingsValidation.h"
#include "tests/support/FilledBessel.h"
#include "tests/support/TestMirror.h"

#include <gtest/gtest.h>

#include <tuple>

namespace zonalyst {
namespace {

using Check = ReadingsRefusal::Check;

TEST(ReadingsValidation, RefusesReadingsThatNoMirrorGivesFirstTheOneNamed) {
  struct Case {
    const char* name;
    void (*spoil)(MirrorTest&);
    Check check;
    int zone, set;
  };
  // A 200 mm f/4 mirror with two sets; the radius of curvature is 1600 mm.
  const Case cases[] = {
      // zone 1 lies beyond the radius from every other zone of its set: the first is named
      {"zone 1 beyond the radius", [](MirrorTest& t) { t.KeReading[1][2] = 1700; }, Check::ReadingBeyondRoc, 2, 2},
      {"a reading beyond the radius the other way", [](MirrorTest& t) { t.KeReading[5][2] = -1600; },
       Check::ReadingBeyondRoc, 5, 2},
      {"values the analysis cannot compute with", [](MirrorTest& t) { t.DesiredConic = -1e300; }, Check::Irreducible, 0,
       0},
      {"a best-fit radius more than twice the entered one",
       [](MirrorTest& t) { t.KeReading[6][1] = t.KeReading[6][2] -= 1590; }, Check::BestFitFarOff, 0, 0},
      {"no readings", [](MirrorTest& t) { t.KeReading = {}; }, Check::NoReadings, 0, 0},
  };
  MirrorTest sound = testing::TestMirror({.readingSets = 2});
  for (int z = 1; z <= sound.zones(); ++z) sound.KeReading[z][2] = sound.KeReading[z][1];
  sound.KeReading[4][3] = sound.KeReading[7][1] = 1e300;  // a set and a zone not in use
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    MirrorTest test = sound;
    c.spoil(test);
    SurfaceAnalysis analysis(testing::FilledBessel());
    const auto refusal = AnalyseReadings(test, analysis);
    ASSERT_TRUE(refusal);
    EXPECT_EQ(std::tuple(refusal->check, refusal->zone, refusal->set), std::tuple(c.check, c.zone, c.set));
  }
  SurfaceAnalysis analysis(testing::FilledBessel());
  EXPECT_FALSE(AnalyseReadings(sound, analysis));
  EXPECT_NEAR(analysis.fit().bestFitRocMm, 1600.0, 0.01);  // the analysis of the test
}

}  // namespace
}  // namespace zonalyst
