#pragma once

#include <array>

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

// The block of the six measures above an analysis picture, pixels: two columns of three
// rows, each row a caption and its value.
struct ResultBlockLayout {
  int width = 0;
  int height = 0;
  std::array<int, 2> captionLeft{};
  std::array<int, 2> valueLeft{};
  std::array<int, 3> rowTop{};
  int captionWidth = 0;
  int valueWidth = 0;
  int rowHeight = 0;
};
inline constexpr ResultBlockLayout kResultBlock{720, 58, {8, 368}, {248, 608}, {6, 22, 38}, 236, 104, 16};

// Text of the pictures: Courier New at 8.25 point; the star-test title at 12 point.
inline constexpr double kPictureFontPoints = 8.25;
inline constexpr double kStarTitlePoints = 12.0;

}  // namespace zonalyst::plot
