#pragma once

#include "core/JsonWriter.h"
#include "core/PhotoReadings.h"
#include "photo/PreparedSeries.h"
#include "plot/PictureSurface.h"

#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace zonalyst::cli {

// What the photos and sweep commands take, check and print alike.

// --disc X,Y,R in the files' pixels: a centre within +-1000000 and a radius from 1 to 1000000.
std::optional<PhotoDisc> ParseDisc(const std::string& text);
inline constexpr const char* kDiscProblem =
    "--disc takes X,Y,R in pixels: a centre from -1000000 to 1000000 and a radius from 1 to 1000000";

// --set N: a reading set from 1 to 4.
std::optional<int> ParseSetOption(const std::string& text);
inline constexpr const char* kSetProblem = "--set takes a reading set from 1 to 4";

// The test that readings are taken for, opened and averaged, and the reading set they go to:
// the one given, else the next one (NextReadingSet). None, with the exit code and message,
// when the test does not open or the set would bring sets of zeros into use (a usage error).
struct ReadingsTarget {
  MirrorTest test;
  int set = 1;
};
std::optional<ReadingsTarget> OpenReadingsTarget(const std::string& path, std::optional<int> set, const char* usage,
                                                 std::ostream& err, int& exitCode);

// Why an output would replace a file the command reads, if it would: -o or --plot onto one of
// the inputs (what names each, "a photograph"), --plot onto the test (which only -o, writing a
// test, may replace).
struct InputFile {
  std::string path, what;
};
std::optional<std::string> OutputOverInput(const std::optional<std::string>& output,
                                           const std::optional<std::string>& plot, const std::string& testPath,
                                           const std::vector<InputFile>& inputs);

// The exit code and message of a series that cannot be read: a file that does not load, no
// disc to be told from the background, or a mask whose openings do not match the zones (no
// scale). 0 when it is ready.
int SeriesFailure(const photo::PreparedSeries& series, const std::string& frames, std::ostream& err);

// The test's own average reading of a zone, where it has readings.
std::optional<double> HandReading(const MirrorTest& test, int zone);

// "Disc (found edge): centre X, Y px, radius R +- U px[, its edge standing for D mm][, behind a
// mask]" in the files' pixels: the circle that stands for the test's diameter and where its scale
// came from; and its JSON object under the key "disc". The series has a scale (SeriesFailure 0).
void PrintDisc(const photo::PreparedSeries& series, std::ostream& out);
void WriteDiscJson(JsonWriter& json, const photo::PreparedSeries& series, const MirrorTest& test);

// "Shake: " and a line of photo::ShakeLines for each frame aligned or flagged, files naming the
// series' frames in their order; and, only when there is one, under the key "shake" each such
// frame's file, shift in the files' pixels, its standard error and outcome.
void PrintShake(const photo::PreparedSeries& series, const std::vector<std::string>& files, std::ostream& out);
void WriteShakeJson(JsonWriter& json, const photo::PreparedSeries& series, const std::vector<std::string>& files);

// Warns on err of each zone without a reading and, given an output, writes there a copy of
// the test with the readings in reading set `set`, through the one fill rule; `source` names
// where the readings came from ("the photographs"). The exit code: 0; 3 when nothing was read,
// or a zone without a reading has no measured value in the set (nothing written); 4 when the
// copy could not be written.
int WriteReadings(const MirrorTest& test, const PhotoReadingsResult& result, int set,
                  const std::optional<std::string>& output, const std::string& source, std::ostream& err);

// Draws a contrast chart (plot::kContrastChartWidth x Height) and writes it to path as PNG.
// The exit code: 0, or 4 with the reason on err.
int WriteContrastChart(const std::string& path, const std::function<void(plot::PictureSurface&)>& draw,
                       std::ostream& err);

}  // namespace zonalyst::cli
