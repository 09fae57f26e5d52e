#pragma once

#include "PictureSurface.h"

#include <QFont>
#include <QImage>

#include <memory>
#include <string>

class QPainter;

namespace zonalyst::plot {

// A picture surface drawn into a QImage (RGB32) by QPainter, without antialiasing, so
// that every pixel is either the background or a drawing colour. Text metrics are
// fixed in pixels (points at 96 dpi) and do not depend on the screen.
// With a device pixel ratio above 1 the image holds that many pixels per unit of the
// scale (a sharp picture for a high-density screen); the scale and every coordinate
// stay those of the logical size.
// Needs a QGuiApplication for its fonts. Throws std::bad_alloc when the memory for the
// image is not there, as every image made here does.
class RasterSurface final : public PictureSurface {
 public:
  RasterSurface(int width, int height, double devicePixelRatio = 1.0);
  ~RasterSurface() override;
  RasterSurface(const RasterSurface&) = delete;
  RasterSurface& operator=(const RasterSurface&) = delete;

  int scaleWidth() const override { return width_; }
  int scaleHeight() const override { return height_; }

  void clear() override;
  void line(double x1, double y1, double x2, double y2, Rgb colour) override;
  void circle(double x, double y, double radius, Rgb colour) override;
  void fillPolygon(const std::vector<PicturePoint>& corners, Rgb colour) override;

  void setTextPosition(double x, double y) override;
  double textX() const override { return textX_; }
  double textY() const override { return textY_; }
  void print(const std::string& text) override;
  double textWidth(const std::string& text) const override;
  double textHeight(const std::string& text) const override;
  void setTextColour(Rgb colour) override { textColour_ = colour; }
  void setFontSize(double points) override;

  void drawImage(double x, double y, const PixelImage& image) override;

  double devicePixelRatio() const { return image_.devicePixelRatio(); }
  // The picture as drawn so far.
  const QImage& image() const;
  PixelImage toPixelImage() const;

 private:
  QPainter& painter();
  void finishPainting() const;

  int width_;
  int height_;
  mutable QImage image_;
  mutable std::unique_ptr<QPainter> painter_;  // open between drawing calls, closed to read the image
  QFont font_;
  double textX_ = 0.0;
  double textY_ = 0.0;
  Rgb textColour_ = kWhite;
};

// Conversions between the plain picture and a QImage (RGB32).
QImage ToQImage(const PixelImage& image);
PixelImage ToPixelImage(const QImage& image);
// The picture encoded as a PNG file's bytes, for the one file writer of io; empty for an
// empty picture.
std::string PngBytes(const PixelImage& image);
// Writes the picture as a PNG file, whole or not at all; the problem, naming the file, or
// empty when it was written.
std::string WritePngFile(const PixelImage& image, const std::string& path);

}  // namespace zonalyst::plot
