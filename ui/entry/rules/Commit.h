#pragma once

#include "core/MirrorTest.h"

#include <QString>

namespace zonalyst::entry {

// What the panel must do after a box committed its text; the box itself always
// shows the record's value again afterwards (undoing text that is not a number).
enum class CommitEffect {
  None,    // only the box
  Redraw,  // the whole panel: visibility or derived values may have changed
};

// Stores what setup box `box` holds into the record when it is a number: the zone
// count clamped into 3..15, the mirror values, the zone radii. Text that is not a
// number changes nothing.
CommitEffect CommitSetupBox(MirrorTest& test, int box, const QString& text, const QString& separator);

// Stores what readings cell `cell` holds into the record: readings, the mirror values
// (a zero radius of curvature is refused), the number of sets clamped into 1..4. The
// zone averages are recomputed after every commit.
CommitEffect CommitReadingsCell(MirrorTest& test, int cell, const QString& text, const QString& separator);

// Flips the toggle behind setup box 1..3 or readings cell 60..61.
void FlipSetupToggle(MirrorTest& test, int box);
void FlipReadingsToggle(MirrorTest& test, int cell);

}  // namespace zonalyst::entry
