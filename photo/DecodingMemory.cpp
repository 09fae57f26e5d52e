#include "DecodingMemory.h"

#include <mutex>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace zonalyst::photo {

void KeepDecodingMemoryInTheHeap() {
#if defined(__GLIBC__)
  static std::once_flag tuned;
  std::call_once(tuned, [] {
    // Blocks below 32 MiB (a decoded 8-megapixel photo) come from the heap, and up to 64 MiB
    // freed at its top stays there.
    mallopt(M_MMAP_THRESHOLD, 32 * 1024 * 1024);
    mallopt(M_TRIM_THRESHOLD, 64 * 1024 * 1024);
  });
#endif
}

}  // namespace zonalyst::photo
