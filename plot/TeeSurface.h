#pragma once

#include "PictureSurface.h"

namespace zonalyst::plot {

// Draws one chart into two surfaces of the same scale at once, so that it is computed
// once: the first answers every question (scale, text position and metrics), the
// second follows it call by call. Used to draw a picture both at its logical size and
// at the screen's pixel density.
class TeeSurface final : public PictureSurface {
 public:
  TeeSurface(PictureSurface& first, PictureSurface& second) : first_(first), second_(second) {}

  int scaleWidth() const override { return first_.scaleWidth(); }
  int scaleHeight() const override { return first_.scaleHeight(); }

  void clear() override;
  void line(double x1, double y1, double x2, double y2, Rgb colour) override;
  void circle(double x, double y, double radius, Rgb colour) override;
  void fillPolygon(const std::vector<PicturePoint>& corners, Rgb colour) override;

  void setTextPosition(double x, double y) override;
  double textX() const override { return first_.textX(); }
  double textY() const override { return first_.textY(); }
  void print(const std::string& text) override;
  double textWidth(const std::string& text) const override { return first_.textWidth(text); }
  double textHeight(const std::string& text) const override { return first_.textHeight(text); }
  void setTextColour(Rgb colour) override;
  void setFontSize(double points) override;

  void drawImage(double x, double y, const PixelImage& image) override;

 private:
  PictureSurface& first_;
  PictureSurface& second_;
};

}  // namespace zonalyst::plot
