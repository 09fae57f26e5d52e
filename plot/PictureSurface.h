#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace zonalyst::plot {

// An RGB colour of the pictures.
struct Rgb {
  std::uint8_t r = 0, g = 0, b = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kWhite{255, 255, 255};
inline constexpr Rgb kYellow{255, 255, 0};
inline constexpr Rgb kRed{255, 0, 0};
inline constexpr Rgb kGreen{0, 255, 0};
inline constexpr Rgb kGridGrey{75, 75, 75};
inline constexpr Rgb kOlive{75, 75, 0};
inline constexpr Rgb kDarkRed{100, 0, 0};

// A plain 32-bit picture (0x00RRGGBB per pixel, rows top to bottom) that surfaces can
// draw into one another and that the GIF writer encodes.
struct PixelImage {
  int width = 0;
  int height = 0;
  std::basic_string<std::uint32_t> pixels;  // width * height values
};

// A corner of a filled shape, in the picture's scale units.
struct PicturePoint {
  double x = 0.0;
  double y = 0.0;
  friend bool operator==(const PicturePoint&, const PicturePoint&) = default;
};

// The drawing operations every chart uses. Coordinates are in the picture's own
// scale units (pixels), (0, 0) top left, y downwards; drawing outside is clipped.
// The picture background is black; the text colour starts white and the font is
// Courier New at 8.25 point.
class PictureSurface {
 public:
  virtual ~PictureSurface() = default;

  virtual int scaleWidth() const = 0;
  virtual int scaleHeight() const = 0;

  // Fills the picture with its black background and puts the text position at (0, 0).
  virtual void clear() = 0;
  // One pixel wide, both end points drawn.
  virtual void line(double x1, double y1, double x2, double y2, Rgb colour) = 0;
  virtual void circle(double x, double y, double radius, Rgb colour) = 0;
  // Fills the shape whose outline runs through the corners and back to the first, in the
  // colour, without drawing the outline itself.
  virtual void fillPolygon(const std::vector<PicturePoint>& corners, Rgb colour) = 0;

  // Text is printed with its top-left corner at the text position, in the text
  // colour; the position then moves to the start of the next line.
  virtual void setTextPosition(double x, double y) = 0;
  virtual double textX() const = 0;
  virtual double textY() const = 0;
  virtual void print(const std::string& text) = 0;
  virtual double textWidth(const std::string& text) const = 0;
  virtual double textHeight(const std::string& text) const = 0;
  virtual void setTextColour(Rgb colour) = 0;
  virtual void setFontSize(double points) = 0;

  // Draws a picture into this one with its top-left corner at (x, y).
  virtual void drawImage(double x, double y, const PixelImage& image) = 0;
};

// Text placements used all over the charts, built on print and the text metrics.
void PrintCentred(PictureSurface& s, const std::string& text, double centreX, double top);
void PrintRightAligned(PictureSurface& s, const std::string& text, double rightX, double centreY);
// The text as it fits in width: whole, or with characters of its middle replaced by "...".
std::string ElidedToWidth(const PictureSurface& s, const std::string& text, double width);

}  // namespace zonalyst::plot
