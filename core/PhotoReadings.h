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

// The disc found in the brightest-of-all frame; none when no disc can be told from the
// background. The work is bounded by the frame's size: a circle that cannot be the mirror
// (a radius beyond the frame's diagonal, the centre far outside the frame) is refused before
// its edge is searched. keepGoing, when given, is asked between the search's steps; when it
// answers false the search stops and finds none.
std::optional<PhotoDisc> FindDisc(const GreyFrame& brightest, const std::function<bool()>& keepGoing = {});

// True when a Couder mask stands in front of the mirror: in the brightest-of-all frame
// most of the annulus the zones span stays dark, only the mask's openings lit.
bool DetectMask(const GreyFrame& brightest, const PhotoDisc& disc, const MirrorTest& test);

// A window of pixels, [x0, x1) x [y0, y1).
struct PixelWindow {
  int x0 = 0, y0 = 0, x1 = 0, y1 = 0;
};

// Why a zone has, or has not, a reading.
enum class NullStatus {
  Read,           // one clear crossing
  NoCrossing,     // the contrast keeps its sign over the photographed range
  ManyCrossings,  // several crossings, none clearly the strongest
  NearCentre,     // radius inside 0.35 of the mirror's: the two windows nearly meet
  OutsideDisc,    // a window falls outside the disc or the frame
  OnBackground,   // a window lies where no frame is lit: the disc does not fit the photos
  // Of a sweep of the knife:
  OneDirectionOnly,      // read in passes of one direction only, so not freed of the camera's latency
  TurnaroundInCrossing,  // the knife turned inside the zone's transition in every pass that crossed
};
// A short text of the status for tables and the JSON output ("read", "no crossing", ...).
std::string StatusText(NullStatus status);

// One zone's result.
struct ZoneNull {
  int zone = 0;             // 1..ZoneCount
  double radiusMm = 0.0;    // effective radius
  PixelWindow left, right;  // the pixels its brightness was measured on
  // c = (L - R) / (L + R), one per frame in position order; not a number in a frame where
  // both windows are black; empty when a window falls outside the frame.
  std::vector<double> contrast;
  std::optional<double> reading;  // knife position of the null, test units; none unless Read
  double uncertainty = 0.0;       // standard error of the null, test units (0 without a reading,
                                  // and from the two bracketing frames alone)
  NullStatus status = NullStatus::NoCrossing;
};

struct PhotoReadingsResult {
  std::vector<double> positions;                     // the frames' knife positions, ascending
  std::vector<ZoneNull> zones;                       // zones 1..ZoneCount; none when the positions cannot be read
  std::optional<PositionsProblem> positionsProblem;  // CheckKnifePositions' answer
};

// The nulls of every zone of the test from grey frames (all the same size) taken at the
// knife positions (test units, on the readings' scale, in any order; as CheckKnifePositions
// wants them, else no zone is read), with the disc given or found, and the windows inside the mask's openings when
// masked.
PhotoReadingsResult ReadPhotoNulls(const MirrorTest& test, const std::vector<GreyFrame>& frames,
                                   const std::vector<double>& positions, const PhotoDisc& disc, bool masked);

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
