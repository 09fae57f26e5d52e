#pragma once

#include "PictureSizes.h"
#include "PictureSurface.h"
#include "core/MirrorTest.h"
#include "core/SurfaceReduction.h"
#include "core/TesterView.h"

#include <string>

namespace zonalyst::plot {

// Side of each of the two views in the window's picture, pixels.
inline constexpr int kTesterViewSide = 236;

// What the tester's view is drawn with: the tester's settings, the knife's reading on the
// readings' scale in the test's units, and the side of each view in pixels.
struct TesterControls {
  TesterSettings settings;
  double knifeReading = 0.0;
  int viewSide = kTesterViewSide;
};

// A photograph of the mirror through the tester, viewSide pixels square, and its caption.
struct TesterPhoto {
  PixelImage image;
  std::string caption;
};

// The picture for views of the side given: kPicTester for the window's views, wider and
// taller for larger ones (two views, their captions above and two lines of text below).
PictureSize TestersViewPictureSize(int viewSide);

// A grey picture as 32-bit pixels (each grey in all three channels).
PixelImage GreyPixels(const GreyPicture& picture);

// Computes and draws the tester's view of a test reduced into profile, whose best-fit
// radius is bestFitRocMm: the measured mirror centred on the first quarter of the width and
// the perfect one on the third, each under its caption, and below them in yellow the
// knife's place and the settings. A photograph given takes the perfect one's place.
void DrawTestersView(PictureSurface& s, const MirrorTest& test, const SurfaceProfile& profile, double bestFitRocMm,
                     const TesterControls& controls, const TesterPhoto* photo = nullptr);

}  // namespace zonalyst::plot
