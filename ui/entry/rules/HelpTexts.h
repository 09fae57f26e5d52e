#pragma once

#include <QString>

namespace zonalyst::entry {

// The help line's text while setup box `box` has the focus; the zone boxes name their
// zone and column, which depend on the entry method (innerOuter). The help of every box
// and cell ends with the keys that step to the next and previous test.
QString SetupHelp(int box, bool innerOuter);

// The help line's text while readings cell `cell` has the focus.
QString ReadingsHelp(int cell);

// The load panel's note when a folder cannot be listed.
QString UnreadableFolderHelp(const QString& folder);

}  // namespace zonalyst::entry
