#include "MaskTemplate.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace zonalyst::plot {
namespace {

// Draws in sheet coordinates on the page that shows the sheet from (left, top).
struct PageView {
  PictureSurface& s;
  double left = 0.0;
  double top = 0.0;

  PicturePoint onPage(PicturePoint p) const { return {p.x - left, p.y - top}; }
  void line(PicturePoint a, PicturePoint b, Rgb colour) const {
    s.line(a.x - left, a.y - top, b.x - left, b.y - top, colour);
  }
  void text(const std::string& words, double x, double y) const {
    s.setTextPosition(x - left, y - top);
    s.print(words);
  }
  void textCentredAt(const std::string& words, PicturePoint p) const {
    text(words, p.x - s.textWidth(words) / 2.0, p.y - s.textHeight(words) / 2.0);
  }
};

void DrawInfo(const PageView& v, const MaskLayout& layout) {
  std::vector<PicturePoint> bar = {
      {0.0, 0.0}, {layout.barLengthMm, 0.0}, {layout.barLengthMm, layout.barHeightMm}, {0.0, layout.barHeightMm}};
  for (PicturePoint& corner : bar) corner = v.onPage(corner);
  v.s.fillPolygon(bar, kBlack);
  v.text(layout.barCaption, 0.0, layout.infoTop(0));
  for (std::size_t i = 0; i < layout.infoLines.size(); ++i) {
    v.text(layout.infoLines[i], 0.0, layout.infoTop(static_cast<int>(i) + 1));
  }
  for (std::size_t row = 0; row < layout.table.size(); ++row) {
    for (std::size_t c = 0; c < layout.table[row].size(); ++c) {
      v.text(layout.table[row][c], MaskLayout::kTableColumns[c], layout.tableTop(static_cast<int>(row)));
    }
  }
}

void DrawOutline(const PageView& v, const MaskLayout& layout) {
  const PicturePoint centre = v.onPage({layout.centreX, layout.centreY});
  v.s.circle(centre.x, centre.y, layout.radiusMm, kCutLineGrey);
  const double reach = layout.radiusMm + layout.centreLineOverhangMm;
  v.line(layout.at(reach, 180.0), layout.at(reach, 0.0), kCutLineGrey);
  v.line(layout.at(reach, 270.0), layout.at(reach, 90.0), kCutLineGrey);
}

void DrawOpening(const PageView& v, const MaskLayout& layout, const MaskOpening& opening) {
  const std::vector<PicturePoint> corners = OpeningOutline(layout, opening);
  std::vector<PicturePoint> onPage;
  for (const PicturePoint& corner : corners) onPage.push_back(v.onPage(corner));
  v.s.fillPolygon(onPage, kOpeningGrey);
  for (std::size_t i = 0; i < corners.size(); ++i) v.line(corners[i], corners[(i + 1) % corners.size()], kBlack);
  v.textCentredAt(std::to_string(opening.zone), opening.label);
}

void DrawTiling(const PageView& v, const MaskLayout& layout, int row, int column) {
  for (const PicturePoint& cross : AlignmentCrosses(layout)) {
    v.line({cross.x - kCrossArmMm, cross.y}, {cross.x + kCrossArmMm, cross.y}, kBlack);
    v.line({cross.x, cross.y - kCrossArmMm}, {cross.x, cross.y + kCrossArmMm}, kBlack);
  }
  const std::string page = "page " + std::to_string(row + 1) + ", " + std::to_string(column + 1) + " of " +
                           std::to_string(layout.rows) + " x " + std::to_string(layout.columns);
  v.s.setTextPosition((layout.printableWidth - v.s.textWidth(page)) / 2.0,
                      layout.printableHeight - v.s.textHeight(page));
  v.s.print(page);
}

}  // namespace

std::vector<PicturePoint> OpeningOutline(const MaskLayout& layout, const MaskOpening& opening) {
  const int steps = std::max(2, static_cast<int>(std::ceil(opening.toDeg - opening.fromDeg)));
  const double step = (opening.toDeg - opening.fromDeg) / steps;
  std::vector<PicturePoint> corners;
  for (int i = 0; i <= steps; ++i) corners.push_back(layout.at(opening.outerMm, opening.fromDeg + i * step));
  if (opening.innerMm == 0.0) {
    corners.push_back(layout.at(0.0, 0.0));
  } else {
    for (int i = steps; i >= 0; --i) corners.push_back(layout.at(opening.innerMm, opening.fromDeg + i * step));
  }
  return corners;
}

std::vector<PicturePoint> AlignmentCrosses(const MaskLayout& layout) {
  std::vector<PicturePoint> crosses;
  if (!layout.tiled()) return crosses;
  const double middle = kTileOverlapMm / 2.0;
  // A cross on the sheet's outer corners would show on one page only.
  const auto inner = [](int k, int count) { return k > 0 && k < count; };
  for (int r = 0; r <= layout.rows; ++r) {
    for (int c = 0; c <= layout.columns; ++c) {
      if (inner(r, layout.rows) || inner(c, layout.columns)) {
        crosses.push_back({layout.tileLeft(c) + middle, layout.tileTop(r) + middle});
      }
    }
  }
  return crosses;
}

void DrawMaskPage(PictureSurface& s, const MaskLayout& layout, int row, int column) {
  const PageView v{s, layout.tileLeft(column), layout.tileTop(row)};
  s.setTextColour(kBlack);
  s.setFontSize(kMaskTextPoints);
  DrawInfo(v, layout);
  DrawOutline(v, layout);
  for (const MaskOpening& opening : layout.openings) DrawOpening(v, layout, opening);
  if (layout.tiled()) DrawTiling(v, layout, row, column);
}

}  // namespace zonalyst::plot
