#pragma once

#include "core/MonteCarlo.h"
#include "ui/panel/rules/KeyFilter.h"

#include <QChar>
#include <QString>

#include <optional>
#include <string>

namespace zonalyst::analysis {

// A standard deviation as the set-up dialog shows it: "0.0000" ("." as separator).
std::string StdDevText(double value);

// The key filter of the zone and mean boxes: digits, Backspace and one decimal separator
// with at most five decimals; Enter is swallowed, anything else refused with a beep.
panel::KeyVerdict FilterStdDevKey(QChar key, const panel::EditState& state, const QString& separator);

// The value a box of the dialog holds: the value it was filled with, to the last bit, while
// it still shows it; otherwise the number it shows (text that is not a number reads as 0).
double HeldValue(const QString& shown, double filledWith, QChar separator);

// The first zone (1-based) of zones 1..zoneCount whose standard deviation is larger than
// the test's radius of curvature (both in the test's units): readings do not scatter by
// more than the distance from the mirror to its centre.
std::optional<int> ZoneBeyondRadius(const ZoneValues& sd, int zoneCount, double roc);

// Why GO refuses that zone's standard deviation ("." as separator).
std::string ZoneBeyondRadiusMessage(int zone, double sd, double roc);

// True when every zone of 1..zoneCount shows a standard deviation of 0.0000: a run would
// claim readings without scatter (as sets that only copy each other would).
bool NoZoneScatters(const ZoneValues& sd, int zoneCount);

// What GO asks before it runs with such values.
inline constexpr const char* kNoZoneScatters =
    "A standard deviation of 0 for every zone claims readings without any scatter, and every trial\r\n"
    "gives the same result. Run the analysis without scatter anyway?";

// The zone box the arrows and Enter move to from row (0-based): direction +1 (Enter,
// Down) or -1 (Up), staying within the visible rows 0..zoneCount-1.
int NextZoneRow(int row, int direction, int zoneCount);

}  // namespace zonalyst::analysis
