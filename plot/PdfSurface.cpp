#include "PdfSurface.h"

#include "PainterShapes.h"
#include "PictureSizes.h"
#include "RasterSurface.h"

#include <QFontMetricsF>
#include <QPaintEngine>
#include <QPdfWriter>

#include <cmath>

namespace zonalyst::plot {
namespace {

constexpr double kLineWidthMm = 0.2;
constexpr double kMmPerInch = 25.4;

bool Finite(double a, double b) { return std::isfinite(a) && std::isfinite(b); }

}  // namespace

PdfSurface::PdfSurface(QPdfWriter& writer)
    : writer_(writer),
      dotsPerMm_(writer.resolution() / kMmPerInch),
      widthMm_(writer.pageLayout().paintRect(QPageLayout::Millimeter).width()),
      heightMm_(writer.pageLayout().paintRect(QPageLayout::Millimeter).height()),
      painter_(&writer),
      font_(QStringLiteral("Courier New")) {
  font_.setStyleHint(QFont::TypeWriter);
  font_.setPointSizeF(kPictureFontPoints);
  painter_.setRenderHint(QPainter::Antialiasing, true);
  // Nothing is drawn beyond the printable area, as on a screen picture beyond its edge.
  painter_.setClipRect(QRectF(0.0, 0.0, device(widthMm_), device(heightMm_)));
}

PdfSurface::~PdfSurface() {
  if (!painter_.isActive()) return;
  // Ending the painter would write the rest of the document, and that may fail again
  // for lack of memory: inside a destructor such a failure ends the program. An engine
  // marked inactive is left without a word.
  painter_.paintEngine()->setActive(false);
  painter_.end();
}

bool PdfSurface::newPage() {
  if (!writer_.newPage()) return false;
  painter_.setClipRect(QRectF(0.0, 0.0, device(widthMm_), device(heightMm_)));
  textX_ = textY_ = 0.0;
  return true;
}

bool PdfSurface::finish() { return painter_.isActive() && painter_.end(); }

int PdfSurface::scaleWidth() const { return static_cast<int>(widthMm_); }
int PdfSurface::scaleHeight() const { return static_cast<int>(heightMm_); }

void PdfSurface::clear() {
  textX_ = 0.0;
  textY_ = 0.0;
}

QPen PdfSurface::pen(Rgb colour) const {
  return QPen(ToQColor(colour), device(kLineWidthMm), Qt::SolidLine, Qt::FlatCap);
}

void PdfSurface::line(double x1, double y1, double x2, double y2, Rgb colour) {
  if (!Finite(x1, y1) || !Finite(x2, y2)) return;
  painter_.setPen(pen(colour));
  painter_.drawLine(device(x1, y1), device(x2, y2));
}

void PdfSurface::circle(double x, double y, double radius, Rgb colour) {
  if (!Finite(x, y) || !(radius >= 0.0) || !std::isfinite(radius)) return;
  painter_.setPen(pen(colour));
  painter_.setBrush(Qt::NoBrush);
  painter_.drawEllipse(device(x, y), device(radius), device(radius));
}

void PdfSurface::fillPolygon(const std::vector<PicturePoint>& corners, Rgb colour) {
  FillPolygon(painter_, corners, colour, [this](const PicturePoint& p) { return device(p.x, p.y); });
}

void PdfSurface::setTextPosition(double x, double y) {
  textX_ = x;
  textY_ = y;
}

void PdfSurface::print(const std::string& text) {
  if (Finite(textX_, textY_)) {
    painter_.setFont(font_);
    painter_.setPen(ToQColor(textColour_));
    const QFontMetricsF metrics(font_, &writer_);
    painter_.drawText(QPointF(device(textX_), device(textY_) + metrics.ascent()), QString::fromStdString(text));
  }
  textX_ = 0.0;
  textY_ += textHeight(text);
}

double PdfSurface::textWidth(const std::string& text) const {
  return QFontMetricsF(font_, &writer_).horizontalAdvance(QString::fromStdString(text)) / dotsPerMm_;
}

double PdfSurface::textHeight(const std::string&) const { return QFontMetricsF(font_, &writer_).height() / dotsPerMm_; }

void PdfSurface::setFontSize(double points) {
  if (std::isfinite(points) && points > 0.0) font_.setPointSizeF(points);
}

void PdfSurface::drawImage(double x, double y, const PixelImage& image) {
  if (!Finite(x, y) || image.width <= 0 || image.height <= 0) return;
  // A picture pixel is a point of a 96-dpi screen.
  const double mmPerPixel = kMmPerInch / 96.0;
  painter_.drawImage(QRectF(device(x, y), QSizeF(device(image.width * mmPerPixel), device(image.height * mmPerPixel))),
                     ToQImage(image));
}

}  // namespace zonalyst::plot
