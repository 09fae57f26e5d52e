#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zonalyst {

// A sweep's list of frames: one line per frame, "file,time_s", the frame's file and the time
// it was stamped with, in seconds on the dial's clock ("." as decimal separator). The last
// comma separates the two, so a name may hold commas. Blank lines are passed over, and so is
// a first line whose time is no number (a header).

struct ListedFrame {
  std::string file;  // as the list names it
  double timeS = 0.0;
};

struct FrameList {
  std::vector<ListedFrame> frames;  // in the list's order
  int badLine = 0;                  // the first line that is not "file,time_s" (1-based), 0 when none
  std::string problem;              // why that line is not
};

FrameList ReadFrameList(std::string_view text);

}  // namespace zonalyst
