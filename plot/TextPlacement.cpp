#include "PictureSurface.h"

namespace zonalyst::plot {

void PrintCentred(PictureSurface& s, const std::string& text, double centreX, double top) {
  s.setTextPosition(centreX - s.textWidth(text) / 2.0, top);
  s.print(text);
}

void PrintRightAligned(PictureSurface& s, const std::string& text, double rightX, double centreY) {
  s.setTextPosition(rightX - s.textWidth(text), centreY - s.textHeight(text) / 2.0);
  s.print(text);
}

}  // namespace zonalyst::plot
