#include "PhotoWindows.h"

#include <algorithm>
#include <cmath>

namespace zonalyst {

// The windows. A zone of effective radius r has a window on each side of the centre on the
// horizontal diameter, centred at x = -r (left) and x = +r (right), millimetres on the mirror
// mapping to pixels by R / (D / 2). Each reaches 3 % of D / 2 either way radially (but at least
// 2 pixels, or 1 where that keeps it 2 pixels inside the disc's edge) and 10 % vertically (6 % at
// most in a mask's opening). The more light a window gathers, the less the frames' noise moves
// its null: tall windows gather it where the zone's radius moves little (on degraded synthetic
// series 220 pixels across, at 2.75 % 87 zones of 228 lay beyond 0.005 mm and the worst 0.023 mm
// off; at 10 %, 67 and 0.016 mm), and wide ones across a bend of the nulls that the readings' own
// surface takes out again (of 1740 readings of degraded series 220 and 400 pixels across, masked
// too, at 0.5 % 24 % lay beyond 0.005 mm and the worst 0.073 mm off; at 3 %, 21 % and 0.052 mm;
// at 5 %, 24 %). Its brightness is the mean grey over its exact rectangle (pixels cut by its edge
// count by the part inside), so its centre is where the zone is and not where the pixel grid
// rounds it to.
//
// Behind a Couder mask only the openings are lit, and the openings need not straddle the
// diameter. The column under each window is taken at its brightest over the series, near the
// diameter (three times the window's half-height and margin either way); the lit run of it
// nearest the diameter is the opening, and both windows move into the rows their openings share
// (keeping a margin from their edges, and shrinking if the openings are lower than the windows).
// Radially each window stays within the zone's inner and outer radii when the test gives them.
//
// A pixel at (x, y) from the centre nulls with the zone of radius sqrt(x^2 + y^2), not x: a
// window off the diameter, or tall, moved by its height alone would read a zone farther out
// (by 3 % of the radius for an inner zone 21 pixels out, its window 5 pixels above the
// diameter). So each window is moved in across until its pixels' mean radius squared, each
// weighted by |x| as the knife weighs it, is the zone's.

namespace {

constexpr double kRadialHalfWidth = 0.03;  // of D / 2
constexpr double kVerticalHalfHeight = 0.1;
constexpr double kMaskedHalfHeight = 0.06;  // of D / 2: at most, in an opening
constexpr double kLeastHalfPixels = 2.0;
constexpr double kMarginOfRadius = 0.01;  // a window's distance from an opening's edge, of R
constexpr double kLeastMarginPixels = 2.0;
constexpr double kLeastEdgeHalfWidth = 1.0;  // pixels: of a window narrowed near the disc's edge

// A coordinate as a whole pixel (rounded down or up), clamped first: a disc typed far beyond the
// frame puts windows where an int does not reach.
int DownToPixel(double v) { return static_cast<int>(std::floor(std::clamp(std::isnan(v) ? 0.0 : v, -1e9, 1e9))); }
int UpToPixel(double v) { return static_cast<int>(std::ceil(std::clamp(std::isnan(v) ? 0.0 : v, -1e9, 1e9))); }

// The vertical extent [top, bottom) of the lit run of column span [x0, x1) nearest to the
// disc's centre row, within reach rows of it, at the columns' brightest over the series, each row
// as lit as its darkest column (an opening's slanted side passing through the span leaves the
// run where every column is lit); the whole reach when its darkest row is at least half as bright
// as its brightest (no edge of an opening there); none when nothing is lit.
std::optional<std::pair<double, double>> OpeningRun(const std::vector<GreyFrame>& frames, const PhotoDisc& disc, int x0,
                                                    int x1, double reach) {
  const GreyFrame& first = frames.front();
  const int top = std::max({0, DownToPixel(disc.y - disc.radius), DownToPixel(disc.y - reach)});
  const int bottom = std::min({first.height, UpToPixel(disc.y + disc.radius), UpToPixel(disc.y + reach)});
  if (top >= bottom || x0 >= x1) return std::nullopt;
  std::vector<double> profile(static_cast<std::size_t>(bottom - top), 0.0);
  std::vector<std::uint16_t> brightest(static_cast<std::size_t>(x1 - x0));
  for (int y = top; y < bottom; ++y) {
    std::fill(brightest.begin(), brightest.end(), 0);
    for (const GreyFrame& frame : frames) {
      const std::uint16_t* row = frame.grey.data() + static_cast<std::size_t>(y) * frame.width + x0;
      for (int i = 0; i < x1 - x0; ++i) brightest[i] = std::max(brightest[i], row[i]);
    }
    profile[y - top] = *std::min_element(brightest.begin(), brightest.end());
  }
  const auto [low, high] = std::minmax_element(profile.begin(), profile.end());
  if (!(*high > 0.0)) return std::nullopt;
  if (*low >= 0.5 * *high) return std::pair<double, double>(top, bottom);
  const double threshold = (*low + *high) / 2.0;
  std::optional<std::pair<double, double>> best;
  double bestGap = 0.0;
  for (int y = top; y < bottom;) {
    if (profile[y - top] < threshold) {
      ++y;
      continue;
    }
    const int start = y;
    while (y < bottom && profile[y - top] >= threshold) ++y;
    const double gap = std::max({0.0, start - disc.y, disc.y - y});
    if (!best || gap < bestGap || (gap == bestGap && y - start > best->second - best->first)) {
      best = std::pair<double, double>(start, y);
      bestGap = gap;
    }
  }
  return best;
}

// The rows [from, to) a window in the columns of w may take in its opening: the lit run of
// those columns nearest the diameter, a margin inside its edges; none where nothing is lit.
std::optional<std::pair<double, double>> OpeningRows(const WindowRect& w, const std::vector<GreyFrame>& frames,
                                                     const PhotoDisc& disc, double halfHeight, double margin) {
  const PixelWindow columns = Covering(w);
  const auto run = OpeningRun(frames, disc, columns.x0, columns.x1, 3.0 * (halfHeight + margin));
  if (!run) return std::nullopt;
  return std::pair(run->first + margin, run->second - margin);
}

// Fits each window into its opening, nearest the diameter, both alike: as tall, and as far from
// the diameter (the farther of the two, where both openings hold it). A Couder mask's two
// openings of a zone are alike, and windows cut alike from them are lit alike, where windows of
// different heights next to an opening's blurred edge differ in light and move the null (zone 1
// of a 200 mm mirror 220 pixels across read 0.047 mm off). False where an opening holds no
// window a pixel high.
bool FitIntoOpenings(ZoneWindows& windows, const std::vector<GreyFrame>& frames, const PhotoDisc& disc,
                     double halfHeight, double margin) {
  const auto left = OpeningRows(windows.left, frames, disc, halfHeight, margin);
  const auto right = OpeningRows(windows.right, frames, disc, halfHeight, margin);
  if (!left || !right) return false;
  const double half = std::min({halfHeight, (left->second - left->first) / 2.0, (right->second - right->first) / 2.0});
  if (!(half >= 0.5)) return false;
  const auto nearest = [&](const std::pair<double, double>& rows) {
    return std::clamp(disc.y, rows.first + half, rows.second - half) - disc.y;
  };
  const double offsets[2] = {nearest(*left), nearest(*right)};
  const double farther = std::max(std::abs(offsets[0]), std::abs(offsets[1]));
  const double side = offsets[0] + offsets[1] < 0.0 ? -1.0 : 1.0;
  const std::pair<double, double>* rows[2] = {&*left, &*right};
  WindowRect* placed[2] = {&windows.left, &windows.right};
  for (int k = 0; k < 2; ++k) {
    const double alike = disc.y + (offsets[k] != 0.0 ? std::copysign(farther, offsets[k]) : side * farther);
    const bool holds = alike >= rows[k]->first + half && alike <= rows[k]->second - half;
    const double centre = holds ? alike : disc.y + offsets[k];
    placed[k]->y0 = centre - half;
    placed[k]->y1 = centre + half;
  }
  return true;
}

// Each window's pixels at the zone's radius on average, of the radius squared (on which a
// conic's nulls run straight) weighted by |x| (the knife shadows a pixel by its ray's offset
// along x, rho x / r): for a window centred at (c, a) reaching w across and h up and down
// that mean is c^2 + w^2 + a^2 + h^2 / 3. The farther from the diameter, the nearer the centre.
// A blur of s spreads each pixel's light from points (x + dx, y + dy) about it, which the
// knife weighs by |x + dx|: their mean radius squared is larger by 4 s^2 (3 s^2 across, s^2
// up and down), so the window is placed as much nearer the centre. side: -1 left, +1 right;
// r: the zone's radius, pixels.
void MoveInAcross(WindowRect& w, double side, const PhotoDisc& disc, double r, double halfWidth, double blurPx) {
  const double across = (w.y0 + w.y1) / 2.0 - disc.y, half = (w.y1 - w.y0) / 2.0;
  // As shares of r: a disc typed far beyond the frame squares past what a double holds.
  const double share = r > 0.0 ? std::pow(across / r, 2) + std::pow(halfWidth / r, 2) + std::pow(half / r, 2) / 3.0 +
                                     4.0 * std::pow(blurPx / r, 2)
                               : 1.0;
  const double x = r * std::sqrt(std::max(0.0, 1.0 - share));
  w.x0 = disc.x + side * x - halfWidth;
  w.x1 = disc.x + side * x + halfWidth;
}

bool Inside(const WindowRect& w, const PhotoDisc& disc) {
  const double dx = std::max(std::abs(w.x0 - disc.x), std::abs(w.x1 - disc.x));
  const double dy = std::max(std::abs(w.y0 - disc.y), std::abs(w.y1 - disc.y));
  return dx * dx + dy * dy <= disc.radius * disc.radius;
}

}  // namespace

ZoneWindows PlaceZoneWindows(const MirrorTest& test, int zone, const PhotoDisc& disc,
                             const std::vector<GreyFrame>& frames, bool masked, double blurPx) {
  ZoneWindows out;
  const double semiDiameter = test.diameterMm() / 2.0;
  const double pixelsPerMm = disc.radius / semiDiameter;
  const double r = test.effectiveRadius(zone) * test.mmPerUnit() * pixelsPerMm;
  double halfWidth = std::max(kRadialHalfWidth * disc.radius, kLeastHalfPixels);
  const double halfHeight =
      std::max((masked ? kMaskedHalfHeight : kVerticalHalfHeight) * disc.radius, kLeastHalfPixels);
  const double margin = std::max(kMarginOfRadius * disc.radius, kLeastMarginPixels);
  // Clear of the disc's edge by kLeastMarginPixels, narrowed to that but no narrower than 2
  // pixels across, else outside the disc: the edge's blur darkens the pixels nearest it, the
  // window's light then lies nearer the centre than the window and its null reads a zone further
  // in (on synthetic series 220 pixels across, blurred by 2.5 pixels, a zone 2.75 pixels inside
  // the edge read 0.025 mm low).
  const double edgeRoom = disc.radius - r - kLeastMarginPixels;
  const bool clearOfEdge = edgeRoom >= kLeastEdgeHalfWidth;
  halfWidth = std::min(halfWidth, std::max(edgeRoom, kLeastEdgeHalfWidth));
  if (masked && test.InnerOuterEntry == 1) {
    const double inner = test.ZoneRadius[zone][0] * test.mmPerUnit() * pixelsPerMm;
    const double outer = test.ZoneRadius[zone][1] * test.mmPerUnit() * pixelsPerMm;
    halfWidth = std::max(0.5, std::min({halfWidth, r - inner - margin, outer - r - margin}));
  }
  out.left = {disc.x - r - halfWidth, disc.y - halfHeight, disc.x - r + halfWidth, disc.y + halfHeight};
  out.right = {disc.x + r - halfWidth, disc.y - halfHeight, disc.x + r + halfWidth, disc.y + halfHeight};
  const int width = frames.empty() ? 0 : frames.front().width;
  const int height = frames.empty() ? 0 : frames.front().height;
  const auto inFrame = [&](const WindowRect& w) {
    return w.x0 >= 0.0 && w.y0 >= 0.0 && w.x1 <= width && w.y1 <= height;
  };
  out.insideFrame = inFrame(out.left) && inFrame(out.right);
  bool fits = out.insideFrame;
  // Behind a mask each window is fitted into its opening, moved in across, then fitted again
  // where it lies now: an opening's slanted side may pass lower there, and a window reaching
  // past it is partly dark (on a 203 mm mirror 480 pixels across, zone 1 read 0.012 mm off).
  for (int pass = 0; pass < (masked ? 2 : 1); ++pass) {
    if (masked) {
      fits = fits && FitIntoOpenings(out, frames, disc, halfHeight, margin);
    }
    MoveInAcross(out.left, -1.0, disc, r, halfWidth, blurPx);
    MoveInAcross(out.right, 1.0, disc, r, halfWidth, blurPx);
  }
  out.insideDisc = fits && clearOfEdge && Inside(out.left, disc) && Inside(out.right, disc);
  return out;
}

PixelWindow Covering(const WindowRect& w) {
  return {DownToPixel(w.x0), DownToPixel(w.y0), UpToPixel(w.x1), UpToPixel(w.y1)};
}

double WindowMean(const GreyFrame& frame, const WindowRect& w, std::vector<double>& weights) {
  const PixelWindow pixels = Covering(w);
  const int columns = pixels.x1 - pixels.x0;
  weights.resize(static_cast<std::size_t>(columns));
  for (int i = 0; i < columns; ++i) {
    const double x = pixels.x0 + i;
    weights[i] = std::min(x + 1.0, w.x1) - std::max(x, w.x0);
  }
  double sum = 0.0;
  for (int y = pixels.y0; y < pixels.y1; ++y) {
    const double rowWeight = std::min(y + 1.0, w.y1) - std::max(static_cast<double>(y), w.y0);
    const std::uint16_t* row = frame.grey.data() + static_cast<std::size_t>(y) * frame.width + pixels.x0;
    double rowSum = 0.0;
    for (int i = 0; i < columns; ++i) rowSum += weights[i] * row[i];
    sum += rowWeight * rowSum;
  }
  return sum / ((w.x1 - w.x0) * (w.y1 - w.y0));
}

}  // namespace zonalyst
