#pragma once

#include "core/PhotoReadings.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace zonalyst::live {

// A frame turned grey: its pixels at the source's depth, and the level that counts as
// clipped (255 for 8-bit samples, 65535 for 16-bit ones); or why it could not be.
struct DevelopedFrame {
  GreyFrame grey;
  std::uint16_t white = 255;
  std::string error;  // empty when developed
};

// A frame as a source hands it over: stamped on the live clock when it arrived, and how to
// turn it into grey, which the meter's worker does (so that the converting never holds up
// the window). develop is called at most once, on the worker.
struct ArrivedFrame {
  double time = 0.0;  // seconds on the live clock
  long number = 0;    // 0, 1, 2... in the order of arrival, set by the mailbox
  std::function<DevelopedFrame()> develop;
};

// Where a source hands its frames: the mailbox of the meter's worker.
using FrameSink = std::function<void(ArrivedFrame)>;

}  // namespace zonalyst::live
