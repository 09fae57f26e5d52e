#pragma once

#include "PictureSurface.h"

#include <QFont>
#include <QPainter>

class QPdfWriter;

namespace zonalyst::plot {

// A picture surface on the pages of a PDF, at true size: its units are millimetres from
// the top-left corner of the printable area of the writer's page layout, and fonts are
// sized in real points. The background is the paper's white; lines are 0.2 mm wide.
class PdfSurface final : public PictureSurface {
 public:
  explicit PdfSurface(QPdfWriter& writer);
  // Without finish() (drawing stopped by an exception, memory running out) the document
  // is dropped unfinished.
  ~PdfSurface() override;
  PdfSurface(const PdfSurface&) = delete;
  PdfSurface& operator=(const PdfSurface&) = delete;

  // Starts the next page. False when the writer cannot.
  bool newPage();
  // Ends painting; the writer's device then holds the whole document. False on a failure.
  bool finish();

  int scaleWidth() const override;
  int scaleHeight() const override;

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

 private:
  double device(double mm) const { return mm * dotsPerMm_; }
  QPointF device(double x, double y) const { return {device(x), device(y)}; }
  QPen pen(Rgb colour) const;

  QPdfWriter& writer_;
  double dotsPerMm_;
  double widthMm_;
  double heightMm_;
  QPainter painter_;
  QFont font_;
  double textX_ = 0.0;
  double textY_ = 0.0;
  Rgb textColour_ = kWhite;
};

}  // namespace zonalyst::plot
