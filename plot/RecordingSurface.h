#pragma once

#include "PictureSurface.h"
#include "core/JsonWriter.h"

#include <string>
#include <vector>

namespace zonalyst::plot {

// One drawing call as the chart code made it, coordinates exactly as passed.
struct RecordedCall {
  enum class Op { Clear, Line, Circle, Text, Image, Polygon };
  Op op = Op::Clear;
  double x1 = 0.0, y1 = 0.0;  // line start; circle centre; text position; image corner
  double x2 = 0.0, y2 = 0.0;  // line end
  double radius = 0.0;
  Rgb colour{};  // line, circle and text colour
  std::string text;
  double points = 0.0;                // font size of a text
  int width = 0, height = 0;          // image size
  std::vector<PicturePoint> corners;  // filled polygon
};

// A picture surface that keeps every drawing call and passes it on to the surface it
// wraps, whose text metrics it reports: the recorded coordinates are those the
// wrapped surface receives.
class RecordingSurface final : public PictureSurface {
 public:
  explicit RecordingSurface(PictureSurface& target);

  int scaleWidth() const override { return target_.scaleWidth(); }
  int scaleHeight() const override { return target_.scaleHeight(); }

  void clear() override;
  void line(double x1, double y1, double x2, double y2, Rgb colour) override;
  void circle(double x, double y, double radius, Rgb colour) override;
  void fillPolygon(const std::vector<PicturePoint>& corners, Rgb colour) override;

  void setTextPosition(double x, double y) override { target_.setTextPosition(x, y); }
  double textX() const override { return target_.textX(); }
  double textY() const override { return target_.textY(); }
  void print(const std::string& text) override;
  double textWidth(const std::string& text) const override { return target_.textWidth(text); }
  double textHeight(const std::string& text) const override { return target_.textHeight(text); }
  void setTextColour(Rgb colour) override;
  void setFontSize(double points) override;

  void drawImage(double x, double y, const PixelImage& image) override;

  const std::vector<RecordedCall>& calls() const { return calls_; }

  // The keys "width", "height" and "calls", written into the object json has open, with
  // one object per call: "op" is "clear", "line" (x1, y1, x2, y2, color), "circle" (x, y,
  // r, color), "text" (x, y, text, color, size in points), "image" (x, y, width, height)
  // or "polygon" (corners [[x, y], ...], color); colours as [r, g, b].
  void writeJson(JsonWriter& json) const;
  // {"width","height","calls":[...]} as writeJson writes them.
  std::string toJson() const;

 private:
  PictureSurface& target_;
  std::vector<RecordedCall> calls_;
  Rgb textColour_ = kWhite;
  double fontPoints_;
};

}  // namespace zonalyst::plot
