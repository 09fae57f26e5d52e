#pragma once

#include "MaskLayout.h"
#include "PictureSurface.h"

#include <vector>

namespace zonalyst::plot {

inline constexpr Rgb kCutLineGrey{150, 150, 150};
inline constexpr Rgb kOpeningGrey{215, 215, 215};
inline constexpr double kMaskTextPoints = 9.0;
inline constexpr double kCrossArmMm = 5.0;

// The outline of an opening on the sheet: the outer arc from fromDeg to toDeg, then the
// inner arc back (only the centre when the inner radius is 0), one corner per degree or finer.
std::vector<PicturePoint> OpeningOutline(const MaskLayout& layout, const MaskOpening& opening);

// The alignment crosses of a tiled mask, on the sheet: where the middles of the overlaps
// (and of the outer margins of the same width) meet, on at least one overlap, so that each
// cross shows on every page that shares it. None for a mask on one page.
std::vector<PicturePoint> AlignmentCrosses(const MaskLayout& layout);

// Draws page (row, column) of the mask on a white surface whose units are millimetres with
// the origin at the top-left corner of the page's printable area: the scale bar, texts and
// zone table, the outline and centre lines (thin grey), the openings (light grey, outlined
// black, numbered) and, when tiled, the alignment crosses and "page r, c of R x C".
void DrawMaskPage(PictureSurface& s, const MaskLayout& layout, int row, int column);

}  // namespace zonalyst::plot
