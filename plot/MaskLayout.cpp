#include "MaskLayout.h"

#include "core/ConicGeometry.h"
#include "core/NumberText.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace zonalyst::plot {
namespace {

constexpr double kInfoWidthMm = 150.0;
constexpr double kGapBelowInfoMm = 6.0;
constexpr double kLabelGapMm = 4.0;  // from an opening's straight edge to its number's centre

// Pages along one direction; beyond the most that are ever printed the count stops, so
// that no diameter overflows it.
int TilesAlong(double sheet, double printable) {
  if (sheet <= printable) return 1;
  const double tiles = std::ceil((sheet - kTileOverlapMm) / (printable - kTileOverlapMm));
  return static_cast<int>(std::min(tiles, kMostMaskPages + 1.0));
}

}  // namespace

PicturePoint MaskLayout::at(double radius, double degrees) const {
  const double a = degrees * std::numbers::pi / 180.0;
  return {centreX + radius * std::cos(a), centreY - radius * std::sin(a)};
}

std::optional<std::string> MaskRefusal(const MirrorTest& test, const Paper& paper, double openingDeg) {
  if (test.InnerOuterEntry != 1) {
    return "The mask template needs each zone's inner and outer radius; this test gives effective radii only.";
  }
  if (!(openingDeg > 0.0 && openingDeg <= 90.0)) return "The openings' angle must be above 0 and at most 90 degrees.";
  for (int z = 1; z <= test.zones(); ++z) {
    const double inner = test.ZoneRadius[z][0];
    const double outer = test.ZoneRadius[z][1];
    if (!(inner >= 0.0 && outer > inner && std::isfinite(outer))) {
      return "Zone " + std::to_string(z) + "'s outer radius must be larger than its inner radius.";
    }
  }
  const double radiusMm = test.diameterMm() / 2.0;
  if (!(radiusMm > 0.0 && std::isfinite(radiusMm))) return "The mirror's diameter must be above 0.";
  if (PlanMask(test, "", paper, openingDeg).pageCount() > kMostMaskPages) {
    return "The mask would need more than " + std::to_string(kMostMaskPages) + " pages of " + paper.name + ".";
  }
  return std::nullopt;
}

MaskLayout PlanMask(const MirrorTest& test, const std::string& testName, const Paper& paper, double openingDeg) {
  MaskLayout layout;
  const int zones = test.zones();
  const double mm = test.mmPerUnit();
  const char* unit = test.inInches() ? "in" : "mm";
  layout.printableWidth = paper.widthMm - 2.0 * kPageMarginMm;
  layout.printableHeight = paper.heightMm - 2.0 * kPageMarginMm;

  layout.barLengthMm = test.inInches() ? 4.0 * kMmPerInch : 100.0;
  layout.barCaption = test.inInches() ? "This bar measures 4 inches when printed at actual size"
                                      : "This bar measures 100 mm when printed at actual size";
  layout.infoLines = {"Test: " + testName, "Diameter " + FormatGeneral(test.Diameter) + " " + unit +
                                               ", radius of curvature " + FormatGeneral(test.Roc) + " " + unit};
  layout.table.push_back({"Zone", std::string("Inner ") + unit, std::string("Outer ") + unit,
                          std::string("Effective ") + unit, std::string("Ideal reading ") + unit});
  for (int z = 1; z <= zones; ++z) {
    layout.table.push_back({std::to_string(z), FormatFixed(test.ZoneRadius[z][0], 3),
                            FormatFixed(test.ZoneRadius[z][1], 3), FormatFixed(test.effectiveRadius(z), 3),
                            FormatFixed(IdealReading(test, z), 3)});
  }

  layout.radiusMm = test.diameterMm() / 2.0;
  const double overhang = layout.centreLineOverhangMm;
  layout.sheetWidth = std::max(kInfoWidthMm, 2.0 * (layout.radiusMm + overhang));
  layout.centreX = layout.sheetWidth / 2.0;
  layout.centreY = layout.tableTop(zones + 1) + kGapBelowInfoMm + overhang + layout.radiusMm;
  layout.sheetHeight = layout.centreY + layout.radiusMm + overhang;
  layout.columns = TilesAlong(layout.sheetWidth, layout.printableWidth);
  layout.rows = TilesAlong(layout.sheetHeight, layout.printableHeight);

  for (int z = 1; z <= zones; ++z) {
    const double inner = test.ZoneRadius[z][0] * mm;
    const double outer = test.ZoneRadius[z][1] * mm;
    const double middle = (inner + outer) / 2.0;
    // Odd zones open above the diameter, even ones below, so that neighbours never meet.
    const double side = z % 2 == 1 ? 1.0 : -1.0;
    const double labelDeg = side * (openingDeg + kLabelGapMm / middle * 180.0 / std::numbers::pi);
    for (const double base : {0.0, 180.0}) {
      MaskOpening opening;
      opening.zone = z;
      opening.innerMm = inner;
      opening.outerMm = outer;
      const double edge = base == 0.0 ? side * openingDeg : 180.0 - side * openingDeg;
      opening.fromDeg = std::min(base, edge);
      opening.toDeg = std::max(base, edge);
      opening.label = layout.at(middle, base == 0.0 ? labelDeg : 180.0 - labelDeg);
      layout.openings.push_back(opening);
    }
  }
  return layout;
}

}  // namespace zonalyst::plot
