#pragma once

#include "core/MirrorTest.h"
#include "core/PhotoReadings.h"
#include "core/PhotoShake.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace zonalyst::photo {

// A series of photographs made ready for reading the zones' nulls, the one way every front
// end prepares one (the command line, the photo readings dialog, the tester's view's photo):
// decoded and reduced, turned grey, frames that the camera's shake moved aligned on the first
// (or flagged: see core/PhotoShake.h), the brightest-of-all frame made, the disc given or found
// on it, the mask given or seen, each step in turn.

// What the user gave; what is not given is found on the photographs.
struct SeriesSettings {
  std::optional<PhotoDisc> disc;  // in the files' pixels (as a viewer shows them)
  bool masked = false;            // a Couder mask stands in front; else it is looked for
  // The diameter, millimetres, that the disc's visible edge stands for when it is not the
  // test's (a bevelled mirror's optical edge is smaller than its glass).
  std::optional<double> edgeDiameterMm;
};

enum class SeriesStep { Decoding, Brightest, Disc, Mask };

// Where preparing a series has come to: the step about to run, and while decoding the
// photographs decoded so far of all of them.
struct SeriesProgress {
  SeriesStep step = SeriesStep::Decoding;
  int decoded = 0;
  int photos = 0;
};

// Called before every step and after every photograph decoded (from the calling thread);
// the rest is cancelled when it returns false.
using SeriesProgressCallback = std::function<bool(const SeriesProgress&)>;

struct PreparedSeries {
  std::vector<GreyFrame> frames;  // in the order of the paths, all of one size, shaken ones aligned
  std::vector<FrameShift> shake;  // each frame's shake against the first, in the order of the paths
  GreyFrame brightest;            // each pixel's brightest value over the series
  std::optional<PhotoDisc> disc;  // frame pixels; none when none was given and none stands out
  bool masked = false;            // given, or seen on the brightest-of-all frame
  // The scale the readings take, in frame pixels: the circle that stands for the test's
  // diameter, its uncertainty and where it came from (the edge found, the mask's openings
  // behind a mask whose disc was found, or the disc given), with the edge diameter given
  // applied. None without a disc, or behind a mask whose openings do not match the zones.
  std::optional<DiscScale> discScale;
  std::optional<double> edgeDiameterMm;  // as given
  double scale = 1.0;                    // file pixels per frame pixel
  std::string error;                     // the first photograph that does not load, named; empty when prepared
  bool cancelled = false;

  bool ready() const { return error.empty() && !cancelled && !frames.empty(); }
  // A disc of the frames in the files' pixels, and back.
  PhotoDisc inFilePixels(const PhotoDisc& disc) const;
  PhotoDisc inFramePixels(const PhotoDisc& disc) const;
};

// What the series' shake was, one line for each frame aligned or flagged (none for a steady
// series), names[k] naming frame k: "knife_0.85mm.jpg moved by +2.41, -1.07 px (+-0.05): aligned
// on the first".
std::vector<std::string> ShakeLines(const PreparedSeries& series, const std::vector<std::string>& names);
// The outcome as the JSON output gives it: "steady", "aligned", "not measured" or "too large".
std::string ShakeOutcomeText(FrameShift::Outcome outcome);

// Prepares the photographs at paths for the test (whose mask and zones tell a mask from a
// bare mirror), decoding them on every core. The error names the first file, in the
// order of the paths, that does not load or differs in size from the first.
PreparedSeries PrepareSeries(const std::vector<std::string>& paths, const MirrorTest& test,
                             const SeriesSettings& settings = {}, const SeriesProgressCallback& progress = {});

}  // namespace zonalyst::photo
