#pragma once

#include "PictureSurface.h"
#include "core/MirrorTest.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace zonalyst::plot {

// A sheet of paper, in millimetres.
struct Paper {
  const char* name;
  double widthMm;
  double heightMm;
};
inline constexpr Paper kA4{"A4", 210.0, 297.0};
inline constexpr Paper kLetter{"Letter", 215.9, 279.4};

inline constexpr double kPageMarginMm = 10.0;
inline constexpr double kTileOverlapMm = 10.0;
inline constexpr double kDefaultOpeningDeg = 30.0;
inline constexpr int kMostMaskPages = 100;

// One opening of the Couder mask: the part of a zone's annulus within a given angle of the
// horizontal diameter, on one side of the centre. Angles in degrees counter-clockwise from
// the right-hand radius, as seen on the printed page (0 right, 90 up).
struct MaskOpening {
  int zone = 0;
  double innerMm = 0.0;
  double outerMm = 0.0;
  double fromDeg = 0.0;  // fromDeg < toDeg
  double toDeg = 0.0;
  PicturePoint label;  // where the zone number is centred, on the sheet
};

// The mask template laid out at true size on one sheet, in millimetres with y downwards:
// at the top the scale bar, the test's name, diameter and radius of curvature and the zone
// table; below them the mirror's outline, centre lines and openings. A sheet larger than the
// printable area of one page is cut into pages of the printable size that overlap by
// kTileOverlapMm; page (row, column) shows the sheet from (tileLeft(column), tileTop(row)).
struct MaskLayout {
  double printableWidth = 0.0;
  double printableHeight = 0.0;
  double sheetWidth = 0.0;
  double sheetHeight = 0.0;
  int rows = 1;
  int columns = 1;

  double centreX = 0.0;  // the mirror's centre on the sheet
  double centreY = 0.0;
  double radiusMm = 0.0;  // the outline circle
  double centreLineOverhangMm = 5.0;
  std::vector<MaskOpening> openings;  // zone 1 right, zone 1 left, zone 2 right, ...

  double barLengthMm = 100.0;  // 100 mm, or 4 inches for a test in inches
  double barHeightMm = 5.0;
  std::string barCaption;
  std::vector<std::string> infoLines;                          // name, then diameter and radius of curvature
  std::vector<std::array<std::string, 5>> table;               // headings, then one row per zone
  double infoTop(int line) const { return 8.0 + 6.0 * line; }  // the caption is line 0
  double tableTop(int row) const { return infoTop(static_cast<int>(infoLines.size()) + 2) + 4.5 * row; }
  static constexpr std::array<double, 5> kTableColumns = {0.0, 18.0, 50.0, 82.0, 114.0};  // left edges

  double tileLeft(int column) const { return column * (printableWidth - kTileOverlapMm); }
  double tileTop(int row) const { return row * (printableHeight - kTileOverlapMm); }
  int pageCount() const { return rows * columns; }
  bool tiled() const { return pageCount() > 1; }
  // The point at a distance from the mirror's centre and an angle (degrees, as on the page).
  PicturePoint at(double radiusMm, double degrees) const;
};

// Why the test has no mask template: zones entered as effective radii only, a zone whose
// outer radius is not beyond its inner one, an angle outside (0, 90] or a mask that would
// need more than kMostMaskPages pages. None when it can be drawn.
std::optional<std::string> MaskRefusal(const MirrorTest& test, const Paper& paper, double openingDeg);

// Lays out the mask of a test that MaskRefusal accepts. testName is printed on it.
MaskLayout PlanMask(const MirrorTest& test, const std::string& testName, const Paper& paper, double openingDeg);

}  // namespace zonalyst::plot
