#pragma once

#include "KnifePositions.h"
#include "MirrorTest.h"
#include "ReadingSetFill.h"
#include "TesterView.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace zonalyst {

// Readings taken from a series of photographs of the mirror through the tester, one per
// knife position: each zone's null is where its left and right sides are equally bright.

// One decoded photograph, rows top to bottom, x to the right and y down. One plane for a
// grey file, three (red, green, blue) for a colour one; samples keep the file's depth
// (0..255 or 0..65535). scale is how many pixels of the file one pixel here stands for
// (a photograph may be reduced on reading; 1 when it was not).
struct PhotoFrame {
  int width = 0;
  int height = 0;
  int planeCount = 0;                                // 1 or 3
  std::array<std::vector<std::uint16_t>, 3> planes;  // width * height samples each
  double scale = 1.0;
};

// One grey value per pixel of a photograph, same layout as PhotoFrame.
struct GreyFrame {
  int width = 0;
  int height = 0;
  std::vector<std::uint16_t> grey;  // width * height values
  double scale = 1.0;
  std::uint16_t at(int x, int y) const { return grey[static_cast<std::size_t>(y) * width + x]; }
};

// The tester's simulated view as a grey frame (for series made without files).
GreyFrame FrameOf(const GreyPicture& picture);

// Which samples make the grey: the channel with the widest spread inside the lit disc,
// or the mean of the channels when their spreads are alike.
enum class GreySource { Red, Green, Blue, Mean };
GreySource ChooseGreySource(const std::vector<PhotoFrame>& series);
GreyFrame GreyOf(const PhotoFrame& frame, GreySource source);

// The mirror's disc in a frame's pixels: centre (x right, y down from the top-left
// corner of the frame; pixel (i, j) covers [i, i + 1) x [j, j + 1), its centre at
// (i + 0.5, j + 0.5)) and radius.
struct PhotoDisc {
  double x = 0.0;
  double y = 0.0;
  double radius = 0.0;
};

// Each pixel's brightest value over the series: every part of the disc is lit in some frame.
GreyFrame BrightestOfAll(const std::vector<GreyFrame>& series);
// Each pixel's darkest value over the series.
GreyFrame DarkestOfAll(const std::vector<GreyFrame>& series);

// True when a Couder mask stands in front of the mirror: in the brightest-of-all frame
// most of the annulus the zones span stays dark, only the mask's openings lit.
bool DetectMask(const GreyFrame& brightest, const PhotoDisc& disc, const MirrorTest& test);

// A window of pixels, [x0, x1) x [y0, y1).
struct PixelWindow {
  int x0 = 0, y0 = 0, x1 = 0, y1 = 0;
};

// Why a zone has, or has not, a reading.
enum class NullStatus {
  Read,              // one clear crossing
  NoCrossing,        // the contrast keeps its sign over the photographed range
  ManyCrossings,     // several crossings, none clearly the strongest
  NearCentre,        // the zone's two windows would touch
  OutsideDisc,       // a window falls outside the disc or the frame
  WeakContrast,      // the contrast never swings far from 0: its sign is noise
  OnBackground,      // a window lies where no frame is lit (the disc does not fit the photos)
  KnifeNotVertical,  // the light moves up and down across the series: no zone is read
  // Of a sweep of the knife:
  OneDirectionOnly,      // read in passes of one direction only, so not freed of the camera's latency
  TurnaroundInCrossing,  // the knife turned inside the zone's transition in every pass that crossed
};
// A short text of the status for tables and the JSON output ("read", "no crossing", ...).
std::string StatusText(NullStatus status);

// Where the photos' scale (pixels per millimetre on the mirror) came from: the mirror's edge
// found in them, the Couder mask's openings found in them, or a disc the user gave.
enum class ScaleSource { FoundEdge, Openings, Given };
// "found edge", "openings" or "given", for tables and the JSON output.
std::string ScaleSourceText(ScaleSource source);

// How a frame's pixels map onto the mirror: the circle that stands for the test's diameter,
// the standard uncertainty of its radius, and where it came from.
struct DiscScale {
  PhotoDisc disc;                  // frame pixels
  double radiusUncertainty = 0.0;  // frame pixels
  ScaleSource source = ScaleSource::Given;
  // The lens's blur, the standard deviation of a Gaussian, frame pixels, from the width of the
  // edge's fall, or of the openings' edges' falls; 0 when not known (a disc given).
  double blurPx = 0.0;
};
// The mirror's edge found in the brightest-of-all frame (source FoundEdge); none when no disc can
// be told from the background. The method (PhotoDisc.cpp): the lit patches' boundary points,
// RANSAC's vote over the circles through three of them, the Kasa algebraic circle fit then the
// geometric one to the points on the winning circle, and twice the edge found again radius by
// radius at the steepest fall of the grey and fitted again; given the series' frames, once more on
// each radius's own frame, the one that lights the disc there most (the brightest-of-all frame's
// fall, a maximum over noisy frames, is lifted more outside the disc than inside: at noise 8 and
// blur 2.5 its radius is 0.5 pixel short on average, on the frames within 0.15). A bright
// diffraction rim moves that fall outwards by the rim's light over the disc's (0.2 to 0.7 % of the
// radius at 220 pixels across): where the darkest-of-all frame, when given, shows the rim as a
// ridge on dark ground along a sixth of the circle or more, the circle is fitted to the ridge's
// crests instead (the rim is the light that the edge itself diffracts, centred on it), unless it
// lies more than a pixel and a quarter of the fall's width inside the fall (then it is a band of
// the mirror's own light that no frame darkens). On synthetic series with blur and noise the tests
// find the radius within three times its uncertainty, and with a bright rim straddling the edge,
// added to the mirror's light or drawn over it, within 0.1 % of the truth at 220 pixels across
// (studies: within 0.04 % from 400 pixels on with a blur of 1.5 and noise of 3, 0.2 % with a blur
// of 2 and noise of 6). A rim that lies wholly inside the edge puts the edge on the rim's middle.
// The radius's uncertainty holds the edge points' spread about the circle and 0.15 of the fall's
// width (where along a blurred fall the edge lies). The lens's blur (blurPx) is taken from the
// median fall's width where the disc is well lit (none behind a mask): on synthetic frames within
// 3 % at 1.5 pixels, 11 % short at 2.5 (the fall is looked at over 6 pixels either side), shorter
// still where a bright rim steepens the fall, never long. The work is bounded by the frame's size:
// a circle that cannot be the mirror (a radius beyond the frame's diagonal, the centre far outside
// the frame) is refused before its edge is searched. keepGoing, when given, is asked between the
// search's steps; when it answers false the search stops and finds none. darkest: each pixel's
// darkest value over the series (DarkestOfAll), or empty; frames: the series' frames, or empty.
std::optional<DiscScale> FindDisc(const GreyFrame& brightest, const std::function<bool()>& keepGoing = {},
                                  const GreyFrame& darkest = {}, const std::vector<GreyFrame>& frames = {});

// The scale behind a Couder mask from its openings (source Openings): centre and pixels per
// millimetre fitted to where the light begins and ends at the zones' inner and outer radii (a vote
// over centres within a quarter of the radius and scales, then Gauss-Newton least squares from the
// vote's winner and from the disc's centre, the one matching more of the zones' edges kept),
// starting from the disc found (the openings' outside, its centre perhaps far off) in the
// brightest-of-all frame; the radius's uncertainty is the scale's jackknife standard error over the
// zones' edges. An opening that no frame lit evenly up to its edge, and the rays along an opening's
// sides, are left out (see PhotoOpenings.cpp): on degraded synthetic series 220 pixels across,
// centre and radius are then within 0.06 pixel on average. The lens's blur (blurPx) is taken from
// the median width of the edges' falls: within 3 % at 1 to 2.5 pixels. On frames 220 to 800 pixels
// across, blurred, and on degraded synthetic series, the tests find the radius within three times
// its uncertainty (within 0.05 % at 600 and 800 pixels). None for a test whose zones are given by
// their effective radii alone, when too few of the openings' edges match the zones', when those
// that match scatter by more than a pixel and 0.4 % of the radius, or when fewer than half of the
// edges seen from the centre fitted lie at the zones' radii (edges put on the zones' circles by
// chance).
std::optional<DiscScale> FitOpeningsScale(const GreyFrame& brightest, const PhotoDisc& disc, const MirrorTest& test);

// The scale when the disc's edge stands for another diameter than the test's (a bevelled
// mirror's optical edge is smaller than its glass): the circle that stands for the test's
// diameter, its uncertainty scaled alike. edgeDiameterMm larger than 0.
DiscScale EdgeStandsFor(const DiscScale& scale, double edgeDiameterMm, const MirrorTest& test);

// A disc placed by hand stands for the test's diameter to half a frame pixel.
inline constexpr double kGivenRadiusUncertainty = 0.5;
inline DiscScale GivenScale(const PhotoDisc& disc) { return {disc, kGivenRadiusUncertainty, ScaleSource::Given}; }

// The parts of a reading's standard uncertainty, test units; the whole is their sum in
// quadrature. On degraded synthetic series (blur, noise, uneven exposure, a bright rim, a
// Couder mask, a 25 % light gradient, frames 0.1 and 0.2 mm apart) the tests hold every error
// within three times it, and at least 60 % within once and 90 % within twice. What it does not
// cover: a knife scale that is itself off, a camera that moved along the axis, the mirror's
// figure between the windows' rows.
struct UncertaintyParts {
  double scatter = 0.0;   // the frames' noise about the contrast curve
  double spacing = 0.0;   // a bend of the curve between the frames that bracket the null
  double scale = 0.0;     // how far the reading moves when the disc's radius, or its centre
                          // across, moves by the radius's uncertainty
  double gradient = 0.0;  // a left-right light gradient fitted across the disc
  double bend = 0.0;      // how far the reading was moved for its windows' averaging across a
                          // bend of the nulls with the radius
  double total() const;
};

// One zone's result.
struct ZoneNull {
  int zone = 0;             // 1..ZoneCount
  double radiusMm = 0.0;    // effective radius
  PixelWindow left, right;  // the pixels its brightness was measured on
  // c = (L - R) / (L + R), one per frame in position order; not a number in a frame where
  // both windows are black; empty when a window falls outside the frame.
  std::vector<double> contrast;
  std::optional<double> reading;  // knife position of the null, test units; none unless Read
  double uncertainty = 0.0;       // its standard uncertainty, test units: parts.total(); 0 without a reading
  UncertaintyParts parts;
  NullStatus status = NullStatus::NoCrossing;
};

struct PhotoReadingsResult {
  std::vector<double> positions;                     // the frames' knife positions, ascending
  std::vector<ZoneNull> zones;                       // zones 1..ZoneCount; none when the positions cannot be read
  std::optional<PositionsProblem> positionsProblem;  // CheckKnifePositions' answer
  // How much darker the light is at the mirror's right edge than at its left, as a fraction of
  // the light at the centre (negative: the left is darker), fitted to the zones' windows in their
  // transitions, with its standard error. From kSeenGradient on, and beyond twice its error, it is
  // reported, taken out of the readings and enters their uncertainty; fitted more loosely, how far
  // it would move each null enters the uncertainty alone. 0 behind a mask.
  double lightGradient = 0.0;
  double lightGradientError = 0.0;
  bool gradientSeen() const;
  // False when the light moves up and down across the series rather than from side to side:
  // the knife edge is not vertical, and no zone is read.
  bool knifeVertical = true;
};
// A light gradient smaller than this is taken for the mirror's own shading.
inline constexpr double kSeenGradient = 0.05;

// The nulls of every zone of the test from grey frames (all the same size) taken at the
// knife positions (test units, on the readings' scale, in any order; as CheckKnifePositions
// wants them, else no zone is read), on the disc's scale, and the windows inside the mask's
// openings when masked. The method: each zone's two windows (PhotoWindows.cpp) placed so that
// their pixels' mean radius squared, each weighted by |x| as the knife weighs it, is the zone's,
// however far off the diameter an opening puts them, and nearer the centre by the blur's share
// when the scale knows the lens's blur (DiscScale::blurPx); their contrast curve's zero
// interpolated on artanh(c) between the two frames that bracket it, or where it is shallow and
// noisy the line through more frames about it (ContrastCrossing.h). A window averages the
// nulls of the radii it spans, and where those bend with the radius (a surface reduced from uneven
// readings bends its nulls at each zone's radius) the average lies off the zone's own null: each
// zone read between two zones read is moved by the bend that the readings on either side show,
// over the spread of r^2 across its windows (widened by the blur when known), and as much enters
// its uncertainty. With the blur known, every zone of blurred frames but the innermost lies
// within 0.0045 mm of the truth at a blur of 1.5 pixels (0.0049 without). The tests prove
// every zone of clean frames within 0.003 mm of where the simulated tester nulls it or within its
// uncertainty (0.006 mm behind a mask, on the disc given), and the uncertainty's calibration
// above. Studies on degraded synthetic series (220 pixels across, blur 1.5 pixels, noise 3, the
// disc found) put 79 % of the zones within 0.005 mm, 98 % within 0.01 and every one within
// 0.014 mm (85 %, 100 % and 0.011 with a bright rim); noise moves the innermost zones' shallow
// crossings most, and a stronger blur (2.5 pixels, noise 8) sets the disc found short by up to
// 0.8 % of its radius, the readings then within 0.054 mm.
PhotoReadingsResult ReadPhotoNulls(const MirrorTest& test, const std::vector<GreyFrame>& frames,
                                   const std::vector<double>& positions, const DiscScale& scale, bool masked);

// True when the photos' readings of a moving-source test fall with the zones' radius where the
// test's own readings (or, without any, its desired conic) rise, or rise where they fall: the
// readings' slope against the radius squared has the other sign, beyond twice its standard
// error and a quarter of the wanted slope. The disc then does not fit the photos (on another
// circle, or turned). Needs three zones read; never for a fixed source, whose readings may
// run either way.
bool ReadingsRunAgainstTheTest(const MirrorTest& test, const PhotoReadingsResult& result);

// Each zone's reading as a reading set takes it (zone z's at [z - 1]), none where unread.
ZoneReadings ReadingsOf(const PhotoReadingsResult& result);

}  // namespace zonalyst
