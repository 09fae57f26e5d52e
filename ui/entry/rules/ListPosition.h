#pragma once

namespace zonalyst::entry {

// Which way the keys X and Z step through the tests of the folder.
enum class FileStep { Next, Previous };

// The file list position after stepping to the previous (step -1) or next (step +1)
// test: from the open test's place in the list (found, -1 when it is not listed) or
// else the remembered position, clamped into the list. -1 when the list is empty.
int SteppedListPosition(int remembered, int found, int step, int count);

}  // namespace zonalyst::entry
