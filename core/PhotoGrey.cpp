#include "GreyHistogram.h"
#include "PhotoReadings.h"

#include <algorithm>
#include <cstddef>

namespace zonalyst {

GreyFrame FrameOf(const GreyPicture& picture) {
  GreyFrame frame;
  frame.width = picture.size;
  frame.height = picture.size;
  frame.grey.assign(picture.grey.begin(), picture.grey.end());
  return frame;
}

namespace {

// Samples of each colour frame taken for the choice: enough for stable percentiles.
constexpr std::size_t kSamplesPerFrame = 1 << 16;
// Spreads within this ratio of the widest count as alike.
constexpr double kAlikeRatio = 0.8;

// The spread of one channel: the distance between its 1st and 99.5th percentiles over the
// samples. The lit disc holds the bright end and the background or the shadow the dark one,
// so a channel that the tester's light does not reach has a small spread.
double Spread(const GreyHistogram& histogram) {
  return HistogramQuantile(histogram, 0, histogram.size(), 0.995) -
         HistogramQuantile(histogram, 0, histogram.size(), 0.01);
}

}  // namespace

GreySource ChooseGreySource(const std::vector<PhotoFrame>& series) {
  std::array<GreyHistogram, 3> histograms;
  for (auto& h : histograms) h.assign(65536, 0);
  std::size_t count = 0;
  for (const PhotoFrame& frame : series) {
    if (frame.planeCount != 3) return GreySource::Mean;
    const std::size_t pixels = static_cast<std::size_t>(frame.width) * frame.height;
    const std::size_t stride = std::max<std::size_t>(1, pixels / kSamplesPerFrame);
    for (std::size_t p = 0; p < pixels; p += stride, ++count) {
      for (int c = 0; c < 3; ++c) ++histograms[c][frame.planes[c][p]];
    }
  }
  if (count == 0) return GreySource::Mean;
  std::array<double, 3> spread{};
  for (int c = 0; c < 3; ++c) spread[c] = Spread(histograms[c]);
  const auto widest = static_cast<int>(std::max_element(spread.begin(), spread.end()) - spread.begin());
  if (*std::min_element(spread.begin(), spread.end()) >= kAlikeRatio * spread[widest]) return GreySource::Mean;
  return static_cast<GreySource>(widest);  // Red, Green, Blue in plane order
}

GreyFrame GreyOf(const PhotoFrame& frame, GreySource source) {
  GreyFrame grey;
  grey.width = frame.width;
  grey.height = frame.height;
  grey.scale = frame.scale;
  if (frame.planeCount != 3) {
    grey.grey = frame.planes[0];
  } else if (source != GreySource::Mean) {
    grey.grey = frame.planes[static_cast<int>(source)];
  } else {
    const std::size_t pixels = frame.planes[0].size();
    grey.grey.resize(pixels);
    const auto& [r, g, b] = frame.planes;
    for (std::size_t p = 0; p < pixels; ++p) {
      // A third of a sum of whole numbers is never a half: (sum + 1) / 3 is the nearest.
      grey.grey[p] = static_cast<std::uint16_t>((static_cast<unsigned>(r[p]) + g[p] + b[p] + 1u) / 3u);
    }
  }
  return grey;
}

namespace {

// Each pixel's value over the series that `keep` keeps of two.
template <typename Keep>
GreyFrame EachPixelOfAll(const std::vector<GreyFrame>& series, Keep keep) {
  if (series.empty()) return {};
  GreyFrame kept = series.front();
  for (std::size_t f = 1; f < series.size(); ++f) {
    const std::vector<std::uint16_t>& grey = series[f].grey;
    if (grey.size() != kept.grey.size()) continue;  // frames of another size are not of the series
    for (std::size_t p = 0; p < grey.size(); ++p) kept.grey[p] = keep(kept.grey[p], grey[p]);
  }
  return kept;
}

}  // namespace

GreyFrame BrightestOfAll(const std::vector<GreyFrame>& series) {
  return EachPixelOfAll(series, [](std::uint16_t a, std::uint16_t b) { return std::max(a, b); });
}

GreyFrame DarkestOfAll(const std::vector<GreyFrame>& series) {
  return EachPixelOfAll(series, [](std::uint16_t a, std::uint16_t b) { return std::min(a, b); });
}

}  // namespace zonalyst
