#include "PhotoReduction.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

namespace zonalyst::photo {
namespace {

bool IsGrey(const QImage& image) {
  switch (image.format()) {
    case QImage::Format_Grayscale8:
    case QImage::Format_Grayscale16:
      return true;
    case QImage::Format_Mono:
    case QImage::Format_MonoLSB:
    case QImage::Format_Indexed8:
      return image.isGrayscale();  // looks at the colour table only
    default:
      return false;
  }
}

bool IsDeep(const QImage& image) { return image.depth() == 64 || image.format() == QImage::Format_Grayscale16; }

// The picture in the one layout the reduction reads; null when memory ran out.
QImage Normalised(const QImage& image) {
  const bool grey = IsGrey(image);
  const bool deep = IsDeep(image);
  const QImage::Format wanted = grey ? (deep ? QImage::Format_Grayscale16 : QImage::Format_Grayscale8)
                                     : (deep ? QImage::Format_RGBA64 : QImage::Format_RGB32);
  const bool rgbx64 = image.format() == QImage::Format_RGBX64;  // read as RGBA64: its alpha is unused
  return image.format() == wanted || rgbx64 ? image : image.convertToFormat(wanted);
}

// Adds the samples of one row, block by block, to the block sums of each plane; sample(x, plane)
// reads a pixel's value.
template <typename Sample>
void AddSamples(int blocks, int factor, int planes, std::array<std::vector<std::uint64_t>, 3>& sums, Sample sample) {
  for (int b = 0, x = 0; b < blocks; ++b) {
    for (const int end = x + factor; x < end; ++x) {
      for (int p = 0; p < planes; ++p) sums[p][b] += sample(x, p);
    }
  }
}

void AddRow(const QImage& image, int y, int factor, int blocks, std::array<std::vector<std::uint64_t>, 3>& sums) {
  const uchar* line = image.constScanLine(y);
  switch (image.format()) {
    case QImage::Format_Grayscale8:
      AddSamples(blocks, factor, 1, sums, [&](int x, int) { return line[x]; });
      break;
    case QImage::Format_Grayscale16: {
      const auto* p = reinterpret_cast<const std::uint16_t*>(line);
      AddSamples(blocks, factor, 1, sums, [&](int x, int) { return p[x]; });
      break;
    }
    case QImage::Format_RGB32: {
      const auto* p = reinterpret_cast<const QRgb*>(line);
      AddSamples(blocks, factor, 3, sums, [&](int x, int plane) { return (p[x] >> (16 - 8 * plane)) & 0xffu; });
      break;
    }
    default: {  // RGBA64 or RGBX64: red, green, blue, alpha, 16 bits each
      const auto* p = reinterpret_cast<const std::uint16_t*>(line);
      AddSamples(blocks, factor, 3, sums, [&](int x, int plane) { return p[4 * x + plane]; });
      break;
    }
  }
}

std::uint16_t MeanHalfEven(std::uint64_t sum, std::uint64_t count) {
  // Most photos are not reduced: a division per sample would cost more than their decoding.
  if (count == 1) return static_cast<std::uint16_t>(sum);
  std::uint64_t mean = sum / count;
  const std::uint64_t twice = 2 * (sum % count);
  if (twice > count || (twice == count && (mean & 1u) != 0)) ++mean;
  return static_cast<std::uint16_t>(mean);
}

}  // namespace

int ReductionFactor(int width, int maxWidth) {
  if (maxWidth <= 0 || width <= maxWidth) return 1;
  return (width + maxWidth - 1) / maxWidth;
}

PhotoFrame ReducedFrame(const QImage& decoded, int factor) {
  const QImage image = Normalised(decoded);
  if (image.isNull()) return {};
  factor = std::clamp(factor, 1, image.width());
  PhotoFrame frame;
  frame.width = std::max(1, image.width() / factor);
  frame.height = std::max(1, image.height() / factor);
  frame.planeCount = IsGrey(image) ? 1 : 3;
  frame.scale = factor;
  const int usedHeight = std::min(image.height(), frame.height * factor);
  const std::size_t samples = static_cast<std::size_t>(frame.width) * frame.height;
  std::array<std::vector<std::uint64_t>, 3> sums;
  for (int p = 0; p < frame.planeCount; ++p) {
    frame.planes[p].resize(samples);
    sums[p].assign(frame.width, 0);
  }
  for (int row = 0; row < frame.height; ++row) {
    const int y0 = row * factor;
    const int y1 = std::min(usedHeight, y0 + factor);
    for (int y = y0; y < y1; ++y) AddRow(image, y, factor, frame.width, sums);
    const std::uint64_t count = static_cast<std::uint64_t>(y1 - y0) * factor;
    for (int p = 0; p < frame.planeCount; ++p) {
      std::uint16_t* out = frame.planes[p].data() + static_cast<std::size_t>(row) * frame.width;
      for (int x = 0; x < frame.width; ++x) out[x] = MeanHalfEven(sums[p][x], count);
      std::fill(sums[p].begin(), sums[p].end(), 0);
    }
  }
  return frame;
}

}  // namespace zonalyst::photo
