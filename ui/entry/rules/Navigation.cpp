#include "Navigation.h"

#include "ui/panel/rules/EntryIndex.h"

#include <algorithm>
#include <vector>

namespace zonalyst::entry {

// The boxes and cells of the setup and readings panels, numbered by the kit.
using namespace panel;

namespace {

std::vector<int> SetupEntryOrder(int zoneCount, bool innerOuter) {
  std::vector<int> order;
  for (int box = 0; box < kFirstZoneBox; ++box) order.push_back(box);
  for (int zone = 1; zone <= zoneCount; ++zone) {
    order.push_back(ZoneBox(zone, 0));
    if (innerOuter) order.push_back(ZoneBox(zone, 1));
  }
  return order;
}

}  // namespace

int NextSetupBox(int box, NavKey key, int zoneCount, bool innerOuter) {
  const std::vector<int> order = SetupEntryOrder(zoneCount, innerOuter);
  const auto found = std::find(order.begin(), order.end(), box);
  if (found == order.end()) return kZoneCountBox;
  const int at = static_cast<int>(found - order.begin());
  const int count = static_cast<int>(order.size());
  const int lastBox = order.back();

  switch (key) {
    case NavKey::Next:
      return order[(at + 1) % count];
    case NavKey::Previous:
      return order[(at + count - 1) % count];
    case NavKey::Down:
      if (box < kFirstZoneBox) return order[at + 1];
      return ZoneOfBox(box) < zoneCount ? box + 3 : kZoneCountBox;
    case NavKey::Up:
      if (box == kZoneCountBox) return lastBox;
      if (box <= kFirstZoneBox) return box - 1;
      if (ZoneOfBox(box) == 1) return kConicBox;
      return box - 3;
  }
  return box;
}

bool IsReadingsCellShown(int cell, int zoneCount, int readingSets) {
  if (!IsReadingCell(cell)) return cell < kReadingsCellCount;
  return ZoneOfCell(cell) <= zoneCount && SetOfCell(cell) <= readingSets;
}

int NextReadingsCell(int cell, NavKey key, int zoneCount, int readingSets) {
  switch (key) {
    case NavKey::Next:
    case NavKey::Previous: {
      const int step = key == NavKey::Next ? 1 : kReadingsCellCount - 1;
      int next = cell;
      do {
        next = (next + step) % kReadingsCellCount;
      } while (!IsReadingsCellShown(next, zoneCount, readingSets) && next != cell);
      return next;
    }
    case NavKey::Up:
      if (IsReadingCell(cell)) return ZoneOfCell(cell) >= 2 ? cell - 4 : kSetsCell;
      if (cell == kUnitsCell) return ReadingCell(zoneCount, readingSets);
      return cell - 1;
    case NavKey::Down:
      if (IsReadingCell(cell)) return ZoneOfCell(cell) < zoneCount ? cell + 4 : kUnitsCell;
      return cell == kSetsCell ? 0 : cell + 1;
  }
  return cell;
}

}  // namespace zonalyst::entry
