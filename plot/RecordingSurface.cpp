#include "RecordingSurface.h"

#include "PictureSizes.h"

#include <cmath>

namespace zonalyst::plot {
namespace {

void WriteColour(JsonWriter& json, Rgb c) {
  json.key("color").beginArray().value(int{c.r}).value(int{c.g}).value(int{c.b}).endArray();
}

void WriteCall(JsonWriter& json, const RecordedCall& call) {
  json.beginObject();
  switch (call.op) {
    case RecordedCall::Op::Clear:
      json.key("op").value("clear");
      break;
    case RecordedCall::Op::Line:
      json.key("op").value("line").key("x1").value(call.x1).key("y1").value(call.y1);
      json.key("x2").value(call.x2).key("y2").value(call.y2);
      WriteColour(json, call.colour);
      break;
    case RecordedCall::Op::Circle:
      json.key("op").value("circle").key("x").value(call.x1).key("y").value(call.y1).key("r").value(call.radius);
      WriteColour(json, call.colour);
      break;
    case RecordedCall::Op::Text:
      json.key("op").value("text").key("x").value(call.x1).key("y").value(call.y1).key("text").value(call.text);
      WriteColour(json, call.colour);
      json.key("size").value(call.points);
      break;
    case RecordedCall::Op::Image:
      json.key("op").value("image").key("x").value(call.x1).key("y").value(call.y1);
      json.key("width").value(call.width).key("height").value(call.height);
      break;
    case RecordedCall::Op::Polygon:
      json.key("op").value("polygon").key("corners").beginArray();
      for (const PicturePoint& corner : call.corners) json.beginArray().value(corner.x).value(corner.y).endArray();
      json.endArray();
      WriteColour(json, call.colour);
      break;
  }
  json.endObject();
}

}  // namespace

RecordingSurface::RecordingSurface(PictureSurface& target) : target_(target), fontPoints_(kPictureFontPoints) {}

void RecordingSurface::clear() {
  calls_.push_back({});
  target_.clear();
}

void RecordingSurface::line(double x1, double y1, double x2, double y2, Rgb colour) {
  RecordedCall call;
  call.op = RecordedCall::Op::Line;
  call.x1 = x1;
  call.y1 = y1;
  call.x2 = x2;
  call.y2 = y2;
  call.colour = colour;
  calls_.push_back(call);
  target_.line(x1, y1, x2, y2, colour);
}

void RecordingSurface::circle(double x, double y, double radius, Rgb colour) {
  RecordedCall call;
  call.op = RecordedCall::Op::Circle;
  call.x1 = x;
  call.y1 = y;
  call.radius = radius;
  call.colour = colour;
  calls_.push_back(call);
  target_.circle(x, y, radius, colour);
}

void RecordingSurface::fillPolygon(const std::vector<PicturePoint>& corners, Rgb colour) {
  RecordedCall call;
  call.op = RecordedCall::Op::Polygon;
  call.corners = corners;
  call.colour = colour;
  calls_.push_back(call);
  target_.fillPolygon(corners, colour);
}

void RecordingSurface::print(const std::string& text) {
  RecordedCall call;
  call.op = RecordedCall::Op::Text;
  call.x1 = target_.textX();
  call.y1 = target_.textY();
  call.text = text;
  call.colour = textColour_;
  call.points = fontPoints_;
  calls_.push_back(call);
  target_.print(text);
}

void RecordingSurface::setTextColour(Rgb colour) {
  textColour_ = colour;
  target_.setTextColour(colour);
}

void RecordingSurface::setFontSize(double points) {
  if (std::isfinite(points) && points > 0.0) fontPoints_ = points;
  target_.setFontSize(points);
}

void RecordingSurface::drawImage(double x, double y, const PixelImage& image) {
  RecordedCall call;
  call.op = RecordedCall::Op::Image;
  call.x1 = x;
  call.y1 = y;
  call.width = image.width;
  call.height = image.height;
  calls_.push_back(call);
  target_.drawImage(x, y, image);
}

void RecordingSurface::writeJson(JsonWriter& json) const {
  json.key("width").value(scaleWidth()).key("height").value(scaleHeight()).key("calls").beginArray();
  for (const RecordedCall& call : calls_) WriteCall(json, call);
  json.endArray();
}

std::string RecordingSurface::toJson() const {
  JsonWriter json;
  json.beginObject();
  writeJson(json);
  json.endObject();
  return json.text();
}

}  // namespace zonalyst::plot
