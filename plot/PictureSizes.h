#pragma once

namespace zonalyst::plot {

// Pixel sizes of the analysis pictures. Each fits in its panel frame together with the
// result labels, two caption lines, a slider and a row of buttons.
struct PictureSize {
  int width = 0;
  int height = 0;
};

inline constexpr PictureSize kPanelFrame{769, 465};
inline constexpr PictureSize kSG{740, 280};
inline constexpr PictureSize kPicML{740, 280};
inline constexpr PictureSize kPicTE{740, 280};
inline constexpr PictureSize kPicSpot{740, 280};
inline constexpr PictureSize kPic2D{740, 300};
inline constexpr PictureSize kPicTester{740, 280};

// Text of the pictures: Courier New at 8.25 point; the star-test title at 12 point.
inline constexpr double kPictureFontPoints = 8.25;
inline constexpr double kStarTitlePoints = 12.0;

}  // namespace zonalyst::plot
