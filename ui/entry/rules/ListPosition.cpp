#include "ListPosition.h"

#include <algorithm>

namespace zonalyst::entry {

int SteppedListPosition(int remembered, int found, int step, int count) {
  if (count <= 0) return -1;
  const int from = found >= 0 ? found : remembered;
  return std::clamp(from + step, 0, count - 1);
}

}  // namespace zonalyst::entry
