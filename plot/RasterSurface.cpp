#include "RasterSurface.h"

#include "PainterShapes.h"
#include "PictureSizes.h"
#include "io/FileAccess.h"

#include <QBuffer>
#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <new>

namespace zonalyst::plot {
namespace {

// Fonts are sized in pixels as a 96-dpi screen shows them, whatever the real screen.
constexpr double kPixelsPerPoint = 96.0 / 72.0;

int PixelSize(double points) { return std::max(1, static_cast<int>(std::lround(points * kPixelsPerPoint))); }

QFont PictureFont(double points) {
  QFont font(QStringLiteral("Courier New"));
  font.setStyleHint(QFont::TypeWriter, QFont::NoAntialias);
  font.setPixelSize(PixelSize(points));
  return font;
}

// Cuts the segment to the rectangle [lo, hi] in both directions, so that QPainter never
// sees far-away or huge coordinates. Each cut is measured from the end inside, which
// keeps a level or upright line exact however far its other end lies. False when
// nothing is left.
bool ClipSegment(double& x1, double& y1, double& x2, double& y2, double xLo, double yLo, double xHi, double yHi) {
  // Cuts at u = bound along the u axis, moving v in proportion; u, v are x, y or y, x.
  auto cut = [](double& ua, double& va, double& ub, double& vb, double bound, bool keepAbove) {
    const bool aIn = keepAbove ? ua >= bound : ua <= bound;
    const bool bIn = keepAbove ? ub >= bound : ub <= bound;
    if (!aIn && !bIn) return false;
    if (aIn && bIn) return true;
    double& uOut = aIn ? ub : ua;
    double& vOut = aIn ? vb : va;
    const double uIn = aIn ? ua : ub;
    const double vIn = aIn ? va : vb;
    vOut = vIn + (bound - uIn) * ((vOut - vIn) / (uOut - uIn));
    uOut = bound;
    return std::isfinite(vOut);
  };
  return cut(x1, y1, x2, y2, xLo, true) && cut(x1, y1, x2, y2, xHi, false) && cut(y1, x1, y2, x2, yLo, true) &&
         cut(y1, x1, y2, x2, yHi, false);
}

// Qt gives a null image, and throws nothing, when the memory for one is not there; a null
// image drawn on or read would then crash the program instead.
void CheckAllocated(const QImage& image) {
  if (image.isNull()) throw std::bad_alloc();
}

bool AllFinite(std::initializer_list<double> values) {
  for (double v : values) {
    if (!std::isfinite(v)) return false;
  }
  return true;
}

}  // namespace

RasterSurface::RasterSurface(int width, int height, double devicePixelRatio)
    : width_(std::max(1, width)), height_(std::max(1, height)), font_(PictureFont(kPictureFontPoints)) {
  // Screens go up to four device pixels per logical one; beyond, the image would only grow.
  const double ratio = std::isfinite(devicePixelRatio) ? std::clamp(devicePixelRatio, 1.0, 4.0) : 1.0;
  image_ = QImage(static_cast<int>(std::ceil(width_ * ratio)), static_cast<int>(std::ceil(height_ * ratio)),
                  QImage::Format_RGB32);
  CheckAllocated(image_);
  image_.setDevicePixelRatio(ratio);
  image_.fill(Qt::black);
}

RasterSurface::~RasterSurface() = default;

QPainter& RasterSurface::painter() {
  if (!painter_) {
    painter_ = std::make_unique<QPainter>(&image_);
    painter_->setRenderHint(QPainter::Antialiasing, false);
    painter_->setRenderHint(QPainter::TextAntialiasing, false);
    painter_->setBrush(Qt::NoBrush);
  }
  return *painter_;
}

void RasterSurface::finishPainting() const { painter_.reset(); }

void RasterSurface::clear() {
  finishPainting();
  image_.fill(Qt::black);
  textX_ = 0.0;
  textY_ = 0.0;
}

void RasterSurface::line(double x1, double y1, double x2, double y2, Rgb colour) {
  if (!AllFinite({x1, y1, x2, y2})) return;
  // A margin of two pixels keeps clipped ends (and their square caps) off the picture.
  if (!ClipSegment(x1, y1, x2, y2, -2.0, -2.0, width_ + 2.0, height_ + 2.0)) return;
  QPainter& p = painter();
  p.setPen(QPen(ToQColor(colour), 1.0, Qt::SolidLine, Qt::SquareCap));
  const QPointF a(x1, y1);
  const QPointF b(x2, y2);
  if (a == b) {
    p.drawPoint(a);
  } else {
    p.drawLine(a, b);
  }
}

void RasterSurface::circle(double x, double y, double radius, Rgb colour) {
  if (!AllFinite({x, y, radius}) || radius < 0.0) return;
  // An outline that cannot touch the picture is not drawn at all.
  const double far = radius + 2.0;
  if (x + far < 0.0 || y + far < 0.0 || x - far > width_ || y - far > height_) return;
  QPainter& p = painter();
  p.setPen(QPen(ToQColor(colour), 1.0, Qt::SolidLine, Qt::SquareCap));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(QPointF(x, y), radius, radius);
}

void RasterSurface::fillPolygon(const std::vector<PicturePoint>& corners, Rgb colour) {
  FillPolygon(painter(), corners, colour, [](const PicturePoint& p) { return QPointF(p.x, p.y); });
}

void RasterSurface::setTextPosition(double x, double y) {
  textX_ = x;
  textY_ = y;
}

void RasterSurface::print(const std::string& text) {
  if (AllFinite({textX_, textY_}) && std::abs(textX_) < 1e6 && std::abs(textY_) < 1e6) {
    QPainter& p = painter();
    p.setFont(font_);
    p.setPen(ToQColor(textColour_));
    const QFontMetrics metrics(font_, &image_);
    p.drawText(QPointF(textX_, textY_ + metrics.ascent()), QString::fromStdString(text));
  }
  textX_ = 0.0;
  textY_ += textHeight(text);
}

double RasterSurface::textWidth(const std::string& text) const {
  return QFontMetrics(font_, &image_).horizontalAdvance(QString::fromStdString(text));
}

double RasterSurface::textHeight(const std::string&) const { return QFontMetrics(font_, &image_).height(); }

void RasterSurface::setFontSize(double points) {
  if (!std::isfinite(points) || points <= 0.0) return;
  font_ = PictureFont(points);
}

void RasterSurface::drawImage(double x, double y, const PixelImage& image) {
  if (!AllFinite({x, y}) || image.width <= 0 || image.height <= 0) return;
  if (x > width_ || y > height_ || x + image.width < 0.0 || y + image.height < 0.0) return;
  painter().drawImage(QPointF(x, y), ToQImage(image));
}

const QImage& RasterSurface::image() const {
  finishPainting();
  return image_;
}

PixelImage RasterSurface::toPixelImage() const { return ToPixelImage(image()); }

QImage ToQImage(const PixelImage& image) {
  if (image.width <= 0 || image.height <= 0) return {};
  QImage out(image.width, image.height, QImage::Format_RGB32);
  CheckAllocated(out);
  if (image.pixels.size() < static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height)) {
    out.fill(Qt::black);
    return out;
  }
  for (int y = 0; y < image.height; ++y) {
    auto* row = reinterpret_cast<QRgb*>(out.scanLine(y));
    const std::uint32_t* src = image.pixels.data() + static_cast<std::size_t>(y) * image.width;
    for (int x = 0; x < image.width; ++x) row[x] = 0xff000000u | (src[x] & 0x00ffffffu);
  }
  return out;
}

PixelImage ToPixelImage(const QImage& image) {
  if (image.isNull()) return {};
  const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
  CheckAllocated(rgb);
  PixelImage out;
  out.width = rgb.width();
  out.height = rgb.height();
  out.pixels.resize(static_cast<std::size_t>(out.width) * static_cast<std::size_t>(out.height));
  for (int y = 0; y < out.height; ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
    std::uint32_t* dst = out.pixels.data() + static_cast<std::size_t>(y) * out.width;
    for (int x = 0; x < out.width; ++x) dst[x] = row[x] & 0x00ffffffu;
  }
  return out;
}

std::string PngBytes(const PixelImage& image) {
  const QImage picture = ToQImage(image);
  if (picture.isNull()) return {};
  QByteArray bytes;
  QBuffer buffer(&bytes);
  // Encoding into memory fails only where the memory does.
  if (!buffer.open(QIODevice::WriteOnly) || !picture.save(&buffer, "PNG")) throw std::bad_alloc();
  return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

std::string WritePngFile(const PixelImage& image, const std::string& path) {
  const std::string png = PngBytes(image);
  return png.empty() ? io::WriteFailure(path, "the picture has nothing to save") : io::ReplaceFileText(path, png);
}

}  // namespace zonalyst::plot
