#include "TesterViewChart.h"

namespace zonalyst::plot {

PixelImage GreyPixels(const GreyPicture& picture) {
  PixelImage image{picture.size, picture.size, {}};
  image.pixels.resize(picture.grey.size());
  for (std::size_t n = 0; n < picture.grey.size(); ++n) image.pixels[n] = picture.grey[n] * 0x010101u;
  return image;
}

}  // namespace zonalyst::plot
