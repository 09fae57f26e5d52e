#pragma once

namespace zonalyst::entry {

// The keys that move the focus between entry boxes.
enum class NavKey {
  Next,      // Enter and Right
  Previous,  // Left
  Up,
  Down,
};

// The setup box that takes the focus when `key` is pressed in box `box`, for a mask of
// zoneCount zones entered by inner and outer radius (innerOuter) or by effective radius.
// The computed effective column is never entered.
int NextSetupBox(int box, NavKey key, int zoneCount, bool innerOuter);

// The readings cell that takes the focus when `key` is pressed in cell `cell`, with
// zoneCount zones and readingSets sets on show.
int NextReadingsCell(int cell, NavKey key, int zoneCount, int readingSets);

// Whether readings cell `cell` is on show for zoneCount zones and readingSets sets.
bool IsReadingsCellShown(int cell, int zoneCount, int readingSets);

}  // namespace zonalyst::entry
