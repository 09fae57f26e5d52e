#pragma once

namespace zonalyst::panel {

// Setup panel boxes Text1_0 .. Text1_51: seven single boxes, then the zone table of
// three columns per zone (inner or effective, outer, computed effective).
inline constexpr int kSetupBoxCount = 52;
inline constexpr int kZoneCountBox = 0;
inline constexpr int kEntryMethodBox = 1;
inline constexpr int kUnitsBox = 2;
inline constexpr int kSourceBox = 3;
inline constexpr int kRocBox = 4;
inline constexpr int kDiameterBox = 5;
inline constexpr int kConicBox = 6;
inline constexpr int kFirstZoneBox = 7;

constexpr int ZoneBox(int zone, int column) { return kFirstZoneBox + 3 * (zone - 1) + column; }
constexpr bool IsZoneBox(int box) { return box >= kFirstZoneBox && box < kSetupBoxCount; }
constexpr int ZoneOfBox(int box) { return (box - kFirstZoneBox) / 3 + 1; }
constexpr int ColumnOfBox(int box) { return (box - kFirstZoneBox) % 3; }
// The boxes that flip between two words instead of taking text.
constexpr bool IsSetupToggle(int box) { return box >= kEntryMethodBox && box <= kSourceBox; }

// Readings panel cells lblF3Kedata_0 .. lblF3Kedata_65: four reading cells per zone,
// then the side column that repeats the setup.
inline constexpr int kReadingsCellCount = 66;
inline constexpr int kReadingCellCount = 60;
inline constexpr int kUnitsCell = 60;
inline constexpr int kSourceCell = 61;
inline constexpr int kRocCell = 62;
inline constexpr int kDiameterCell = 63;
inline constexpr int kConicCell = 64;
inline constexpr int kSetsCell = 65;

constexpr int ReadingCell(int zone, int set) { return 4 * (zone - 1) + (set - 1); }
constexpr bool IsReadingCell(int cell) { return cell >= 0 && cell < kReadingCellCount; }
constexpr int ZoneOfCell(int cell) { return cell / 4 + 1; }
constexpr int SetOfCell(int cell) { return cell % 4 + 1; }
constexpr bool IsReadingsToggle(int cell) { return cell == kUnitsCell || cell == kSourceCell; }

}  // namespace zonalyst::panel
