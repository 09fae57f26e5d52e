#include "TeeSurface.h"

namespace zonalyst::plot {

void TeeSurface::clear() {
  first_.clear();
  second_.clear();
}

void TeeSurface::line(double x1, double y1, double x2, double y2, Rgb colour) {
  first_.line(x1, y1, x2, y2, colour);
  second_.line(x1, y1, x2, y2, colour);
}

void TeeSurface::circle(double x, double y, double radius, Rgb colour) {
  first_.circle(x, y, radius, colour);
  second_.circle(x, y, radius, colour);
}

void TeeSurface::fillPolygon(const std::vector<PicturePoint>& corners, Rgb colour) {
  first_.fillPolygon(corners, colour);
  second_.fillPolygon(corners, colour);
}

void TeeSurface::setTextPosition(double x, double y) {
  first_.setTextPosition(x, y);
  second_.setTextPosition(x, y);
}

void TeeSurface::print(const std::string& text) {
  // Both print at the first's position and move on by the first's metrics, which the
  // chart measured with.
  second_.setTextPosition(first_.textX(), first_.textY());
  second_.print(text);
  first_.print(text);
  second_.setTextPosition(first_.textX(), first_.textY());
}

void TeeSurface::setTextColour(Rgb colour) {
  first_.setTextColour(colour);
  second_.setTextColour(colour);
}

void TeeSurface::setFontSize(double points) {
  first_.setFontSize(points);
  second_.setFontSize(points);
}

void TeeSurface::drawImage(double x, double y, const PixelImage& image) {
  first_.drawImage(x, y, image);
  second_.drawImage(x, y, image);
}

}  // namespace zonalyst::plot
