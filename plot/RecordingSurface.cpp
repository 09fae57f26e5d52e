#include "RecordingSurface.h"

#include <charconv>
#include <cmath>

#include "PictureSizes.h"

namespace zonalyst::plot {
namespace {

// Shortest text that reads back as the same double; JSON has no NaN or infinity.
void AppendNumber(std::string& out, double v) {
  if (!std::isfinite(v)) {
    out += "null";
    return;
  }
  char buffer[32];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, v);
  out.append(buffer, result.ptr);
}

void AppendString(std::string& out, const std::string& text) {
  static constexpr char kHex[] = "0123456789abcdef";
  out += '"';
  for (char c : text) {
    const auto u = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (u < 0x20) {
      out += "\\u00";
      out += kHex[u >> 4];
      out += kHex[u & 15];
    } else {
      out += c;
    }
  }
  out += '"';
}

void AppendColour(std::string& out, Rgb c) {
  out += '[';
  out += std::to_string(c.r);
  out += ',';
  out += std::to_string(c.g);
  out += ',';
  out += std::to_string(c.b);
  out += ']';
}

void AppendField(std::string& out, const char* name, double v) {
  out += ",\"";
  out += name;
  out += "\":";
  AppendNumber(out, v);
}

void AppendCall(std::string& out, const RecordedCall& call) {
  switch (call.op) {
    case RecordedCall::Op::Clear:
      out += "{\"op\":\"clear\"";
      break;
    case RecordedCall::Op::Line:
      out += "{\"op\":\"line\"";
      AppendField(out, "x1", call.x1);
      AppendField(out, "y1", call.y1);
      AppendField(out, "x2", call.x2);
      AppendField(out, "y2", call.y2);
      out += ",\"color\":";
      AppendColour(out, call.colour);
      break;
    case RecordedCall::Op::Circle:
      out += "{\"op\":\"circle\"";
      AppendField(out, "x", call.x1);
      AppendField(out, "y", call.y1);
      AppendField(out, "r", call.radius);
      out += ",\"color\":";
      AppendColour(out, call.colour);
      break;
    case RecordedCall::Op::Text:
      out += "{\"op\":\"text\"";
      AppendField(out, "x", call.x1);
      AppendField(out, "y", call.y1);
      out += ",\"text\":";
      AppendString(out, call.text);
      out += ",\"color\":";
      AppendColour(out, call.colour);
      AppendField(out, "size", call.points);
      break;
    case RecordedCall::Op::Image:
      out += "{\"op\":\"image\"";
      AppendField(out, "x", call.x1);
      AppendField(out, "y", call.y1);
      AppendField(out, "width", call.width);
      AppendField(out, "height", call.height);
      break;
    case RecordedCall::Op::Polygon:
      out += "{\"op\":\"polygon\",\"corners\":[";
      for (std::size_t i = 0; i < call.corners.size(); ++i) {
        out += i > 0 ? ",[" : "[";
        AppendNumber(out, call.corners[i].x);
        out += ',';
        AppendNumber(out, call.corners[i].y);
        out += ']';
      }
      out += "],\"color\":";
      AppendColour(out, call.colour);
      break;
  }
  out += '}';
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

std::string RecordingSurface::toJson() const {
  std::string out = "{\"width\":";
  out += std::to_string(scaleWidth());
  out += ",\"height\":";
  out += std::to_string(scaleHeight());
  out += ",\"calls\":[";
  for (std::size_t i = 0; i < calls_.size(); ++i) {
    if (i > 0) out += ',';
    AppendCall(out, calls_[i]);
  }
  out += "]}";
  return out;
}

}  // namespace zonalyst::plot
