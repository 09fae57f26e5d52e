#include "TesterViewChart.h"

#include "core/TesterControls.h"

#include <algorithm>

namespace zonalyst::plot {
namespace {

constexpr int kCaptionRoom = 16;  // above the views
constexpr int kTextRoom = 28;     // below them: two lines

}  // namespace

PictureSize TestersViewPictureSize(int viewSide) {
  return {std::max(kPicTester.width, 2 * viewSide + 40),
          std::max(kPicTester.height, viewSide + kCaptionRoom + kTextRoom)};
}

PixelImage GreyPixels(const GreyPicture& picture) {
  PixelImage image{picture.size, picture.size, {}};
  image.pixels.resize(picture.grey.size());
  for (std::size_t n = 0; n < picture.grey.size(); ++n) image.pixels[n] = picture.grey[n] * 0x010101u;
  return image;
}

void DrawTestersView(PictureSurface& s, const MirrorTest& test, const SurfaceProfile& profile, double bestFitRocMm,
                     const TesterControls& controls, const TesterPhoto* photo) {
  s.clear();
  const int quarter = s.scaleWidth() / 4;
  GreyPicture view;
  s.setTextColour(kWhite);
  for (const bool perfect : {false, true}) {
    const int centre = perfect ? 3 * quarter : quarter;
    if (perfect && photo != nullptr) {
      s.drawImage(centre - controls.viewSide / 2, kCaptionRoom, photo->image);
      PrintCentred(s, photo->caption, centre, 2.0);
      continue;
    }
    SimulateTesterView(test, profile, bestFitRocMm, perfect, controls.knifeReading, controls.settings,
                       controls.viewSide, view);
    s.drawImage(centre - controls.viewSide / 2, kCaptionRoom, GreyPixels(view));
    PrintCentred(s, perfect ? PerfectViewCaption(test, bestFitRocMm) : kMeasuredViewCaption, centre, 2.0);
  }
  const double below = kCaptionRoom + controls.viewSide + 2.0;
  s.setTextColour(kYellow);
  PrintCentred(s, KnifePositionText(test, controls.knifeReading, controls.settings.pattern), 2 * quarter, below);
  PrintCentred(s, TesterSettingsText(test, controls.settings), 2 * quarter, below + s.textHeight("X"));
}

}  // namespace zonalyst::plot
