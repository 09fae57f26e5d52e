#pragma once

#include "PhotoReadings.h"

#include <vector>

namespace zonalyst {

// The null of one zone from its contrast curve: the knife position where the zone's left and
// right sides are equally bright. One rule for every front end and every source of points
// (frames of a photo series, or binned points of one sweep of the knife).
//
// The crossing. Where the contrast c = (L - R) / (L + R) changes sign between two
// neighbouring points the curve crosses zero; sign changes within two points of each other
// are one crossing seen through noise, and a pair that leaves the sign as it was only touches
// zero. A crossing's strength is the smaller of the largest |L - R| in the two points before it and in the two after
// it; of several crossings the strongest stands when it is at least three times as strong as the next, else the zone
// has none
// ("many crossings"). A curve that never swings beyond +-0.1 gives none either ("weak
// contrast"): its sign is noise.
//
// The null. Interpolation between the two points that bracket the crossing, straight in
// artanh(c): a curve of the contrast's own shape (c = tanh of the distance from the null, as
// two windows lit by a blurred knife edge make it) runs straight there. Where the curve is
// shallow and noisy, the least-squares line on artanh(c) through two or three points on either
// side instead, when the noise it averages out outweighs the bend it takes in (both estimated
// from a quadratic fitted to artanh(c) there): on degraded synthetic series that halves the
// readings beyond 0.01 mm (inner zones of shallow contrast). Through a noisy crossing (several
// sign changes) the least-squares line through its points. On curves that
// bend like the real ones (tanh-like, about 0.6 mm wide, the two sides' widths and saturations
// unequal) the tests hold it within a tenth of the points' spacing; there it lies within
// 0.002 mm of the true null at points 0.1 mm apart and 0.007 mm at 0.2 mm, where plain
// linear interpolation lies 0.003 and 0.015 mm off.
//
// The uncertainty, a standard uncertainty in test units, covers what the curve itself tells:
//   scatter  the points' noise about a smooth curve (the residuals of a quadratic fitted to
//            the unsaturated points within three of the crossing), carried through the
//            interpolation or the line, and a bias of kContrastBias in the contrast that no two windows
//            escape (flare, blur spreading light between them): over a shallow curve it moves
//            the null far;
//   spacing  how far a bend between the bracketing points (or across the line's points) can
//            move the null: the fitted quadratic's bend there, and never less than kSpacingShare of the
//            points' spacing (the calibration on degraded synthetic series wants it).
// It does not cover the disc's scale or a light gradient: the photo reader adds those.

// One zone's contrast against the knife position.
struct ContrastCurve {
  std::vector<double> positions;   // knife positions, ascending, test units
  std::vector<double> contrast;    // c per position; not a number where no light came
  std::vector<double> difference;  // L - R per position, in any unit; empty: c stands for it
};

// The least share of the spacing of the bracketing points that a null is uncertain by.
inline constexpr double kSpacingShare = 0.05;
// The contrast bias any two windows may have, whatever the noise.
inline constexpr double kContrastBias = 0.01;
// A curve must swing at least this far from 0 somewhere.
inline constexpr double kLeastSwing = 0.1;

struct CurveNull {
  NullStatus status = NullStatus::NoCrossing;  // Read, NoCrossing, ManyCrossings or WeakContrast
  double position = 0.0;                       // the null's knife position, test units
  double uncertainty = 0.0;                    // its standard uncertainty, test units: the parts
  double scatter = 0.0;                        // added in quadrature
  double spacing = 0.0;
};

CurveNull FindCurveNull(const ContrastCurve& curve);

}  // namespace zonalyst
