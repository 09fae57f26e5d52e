#pragma once

namespace zonalyst::photo {

// Keeps the blocks of a few megabytes that decoding allocates and frees for every photo in the
// heap, for the next photo to reuse. glibc otherwise maps each one afresh and unmaps it after:
// the page faults of a sweep of 600 frames then cost more than their decoding. Once per
// process; nothing elsewhere than glibc.
void KeepDecodingMemoryInTheHeap();

}  // namespace zonalyst::photo
