#pragma once

#include "MirrorTest.h"

#include <optional>
#include <string>
#include <vector>

namespace zonalyst {

// Readings of a test's zones taken otherwise than by hand (from photographs, from a sweep of
// the knife): zone z's at [z - 1], test units, none where the zone was not read.
using ZoneReadings = std::vector<std::optional<double>>;

// The reading set such readings go to unless the user chooses: the one after the sets in
// use, set 1 for a test without readings, and set 1 again when all four are in use.
int NextReadingSet(const MirrorTest& test);

// The last set they may go to: the one after the sets in use (at most 4), or set 1 for a
// test without readings; a set further on would bring sets of zeros into use.
int LastFillableSet(const MirrorTest& test);

// The decimals a reading is written with when a set is filled, as a careful reader writes
// it by hand: 0.001 mm, 0.0001 inch. The file then holds what the screen shows.
int FilledReadingDecimals(const MirrorTest& test);

// Whether a fill may leave a zone without a reading holding a value that was never measured.
enum class UnmeasuredZones { Refuse, Accept };

// What filling a reading set did, or why it did nothing.
struct ReadingSetFill {
  enum class Outcome {
    Filled,       // the set holds the readings and the test is averaged again
    NothingRead,  // no zone has a reading: the test is left as it was
    Unmeasured,   // refused: an unread zone would hold a value never measured; test as it was
  };
  Outcome outcome = Outcome::NothingRead;
  int filled = 0;               // zones given a reading
  std::vector<int> kept;        // unread zones keeping the value measured in the set
  std::vector<int> unmeasured;  // unread zones where the set holds no measured value
};

// Writes each zone's reading, rounded to FilledReadingDecimals, into reading set `set`
// (1..LastFillableSet), brings the set into use and averages again; a test without readings
// then uses set 1 alone. An unread zone keeps its value in a set that was in use: it was
// measured there. In a set brought into use, or in a test without readings, the set holds no
// measured value at an unread zone: the fill is refused unless such zones are accepted, and
// then the zone takes its mean of the other sets in use (its average stays as measured), or
// keeps the test's 0 when there are none.
ReadingSetFill FillReadingSet(MirrorTest& test, const ZoneReadings& readings, int set, UnmeasuredZones unmeasured);

// Zone numbers as a sentence lists them: "1", "1 and 7", "1, 3 and 7".
std::string ZoneListText(const std::vector<int>& zones);

}  // namespace zonalyst
