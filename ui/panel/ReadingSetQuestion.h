#pragma once

#include "core/ReadingSetFill.h"
#include "ui/prompt/Prompter.h"

#include <QString>

namespace zonalyst::ui {

// Fills reading set `set` of `test` with readings measured otherwise than by hand, by the
// core's fill rule: where the set holds no measured value at a zone without a reading, the
// user is asked through the prompter (a box titled `title`) before the zone takes one. `source`
// names where the readings came from as the texts put it ("from the photos"). The test changes
// only when the set is filled. Returns the line that tells what the set holds now, or that it was
// left as it was; empty when no zone had a reading.
QString FillReadingSetAsking(MirrorTest& test, const ZoneReadings& readings, int set, const QString& source,
                             Prompter& prompter, const QString& title);

}  // namespace zonalyst::ui
