#include "plot/PanelTable.h"

#include <gtest/gtest.h>

#include <set>

namespace zonalyst::plot {
namespace {

// The command line finds a panel by its name and a saved picture is told by its suffix:
// no two panels share either, and every panel with a picture can size and draw it.
TEST(PanelTable, EachPictureHasItsOwnNameAndSuffixAndIsDrawn) {
  std::set<std::string_view> names;
  std::set<std::string_view> suffixes;
  for (const PanelRow& row : kPanelRows) {
    if (!row.analysis) {
      EXPECT_TRUE(row.name.empty()) << RowIndex(row.panel);
      continue;
    }
    EXPECT_TRUE(names.insert(row.name).second) << row.name;
    EXPECT_TRUE(suffixes.insert(row.suffix).second) << row.suffix;
    EXPECT_TRUE(row.size != nullptr && row.draw != nullptr) << row.name;
  }
}

}  // namespace
}  // namespace zonalyst::plot
