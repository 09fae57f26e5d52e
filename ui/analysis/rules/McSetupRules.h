#pragma once

#include <QChar>
#include <QStringList>
#include <string>

#include "ui/entry/rules/KeyFilter.h"

namespace zonalyst::analysis {

// A standard deviation as the set-up dialog shows it: "0.0000" ("." as separator).
std::string StdDevText(double value);

// The key filter of the zone and mean boxes: digits, Backspace and one decimal separator
// with at most five decimals; Enter is swallowed, anything else refused with a beep.
entry::KeyVerdict FilterStdDevKey(QChar key, const entry::EditState& state, const QString& separator);

// The mean of the first zoneCount zone boxes (text that is not a number counts as 0).
double MeanOfZoneBoxes(const QStringList& texts, int zoneCount, QChar separator);

// The zone box the arrows and Enter move to from row (0-based): direction +1 (Enter,
// Down) or -1 (Up), staying within the visible rows 0..zoneCount-1.
int NextZoneRow(int row, int direction, int zoneCount);

}  // namespace zonalyst::analysis
