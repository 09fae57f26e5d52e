#pragma once

#include "PhotoReadings.h"

#include <vector>

namespace zonalyst {

// Camera shake across a photo series: how far each frame's picture moved against the first's,
// and the frames shifted back onto the first before the brightest-of-all frame is made.
//
// The method: concentric-circle registration. The edges every frame shares are circles about
// the mirror's centre: the mirror's outline and a Couder mask's openings' inner and outer arcs;
// a frame shows the part of them that its light reaches. Along 360 rays from the disc's centre
// each frame's edges are found half-way between their two sides (the lit side taken as a
// straight line, the dark one as a level: an edge beside a shadow's slow slope, or between two
// edges, is passed over), where the grey's slope peaks. First each frame's lit outline alone (its
// outermost fall near the outermost one the brightest-of-all frame shows) gives its centre: one
// radius for all frames (the median of the frames' own Kasa algebraic fits), Gauss-Newton least
// squares, points beyond three robust standard deviations dropped. Then the edges along rays from
// each frame's own centre show which circles all frames share (peaks of their radii over the
// series), and a least-squares fit with one radius per circle and one centre per frame, done
// twice, gives every frame's centre from all of them. A frame's shift is its centre less the
// first's; its standard error comes from the fit's residuals, doubled since neighbouring rays see
// the same blurred edge. The knife's own shadows move from frame to frame and lie on no common
// circle: they drop out as outliers.
// On synthetic series 220 pixels across (shifts of 0.5 to 8 pixels in x and y; blur, noise,
// uneven exposure, a light gradient) the shifts measured lie within 0.3 pixel of the truth, with
// much noise (8 grey levels, blur 2.5) within 0.4; with a bright rim at the edge within 0.6 (the
// rim's light moves the edge found as the knife dims its side); behind a Couder mask within 0.3
// for shakes up to 2 pixels and 0.7 on frames whose openings the knife darkens, while larger
// shakes behind a mask mostly leave frames unmeasured (flagged). A frame is aligned when it moved
// by more than a pixel of the photographs and more than kLeastAlignedPixels of the frame's;
// smaller shifts are left.

struct FrameShift {
  enum class Outcome {
    Steady,       // moved by at most a pixel (see above): left as it is
    Aligned,      // moved by more, and shifted back onto the first frame
    NotMeasured,  // too few of its edges are lit, or they disagree: left out of the readings
    TooLarge,     // moved farther than the search reaches: left out of the readings
  };
  double dx = 0.0, dy = 0.0;  // how far the picture moved against the first frame's, frame pixels (x right, y down)
  double error = 0.0;         // standard error of the larger of the two, frame pixels
  Outcome outcome = Outcome::Steady;
};

// The shake of every frame against the first (all of one size), from their brightest-of-all
// frame and the disc found or given on it (a disc of the shaken frames' union is close enough to
// start from). Frames whose centre cannot be measured with confidence, or that moved beyond
// kMaxShakePixels, are flagged, never guessed; but where every frame measured stood still, and
// they are half or more, one that could not be measured is taken to have stood still too. The
// first frame is Steady; when its own edges cannot be measured, the shifts are against the first
// frame that can.
std::vector<FrameShift> MeasureShake(const std::vector<GreyFrame>& frames, const GreyFrame& brightest,
                                     const PhotoDisc& disc);

// True when some frame is Aligned, NotMeasured or TooLarge.
bool AnyShake(const std::vector<FrameShift>& shake);

// Shifts each Aligned frame back onto the first (bilinear interpolation; beyond the frame's
// edge its nearest pixel).
void AlignFrames(std::vector<GreyFrame>& frames, const std::vector<FrameShift>& shake);

// Blanks each flagged frame (every pixel 0): its zones' contrast is then not a number, and the
// null reader passes it over rather than read it where it moved.
void LeaveOutFlagged(std::vector<GreyFrame>& frames, const std::vector<FrameShift>& shake);

// The farthest shake measured, frame pixels.
inline constexpr double kMaxShakePixels = 12.0;
// The least shake aligned, frame pixels: the light's changes from frame to frame move the edges
// found by up to about half a pixel.
inline constexpr double kLeastAlignedPixels = 0.6;

}  // namespace zonalyst
