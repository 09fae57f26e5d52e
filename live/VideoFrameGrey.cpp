#include "VideoFrameGrey.h"

#include <QVideoFrameFormat>

#include <cstring>
#include <string>

namespace zonalyst::live {
namespace {

// Where red, green and blue sit in the four bytes of a 32-bit RGB pixel, in memory order.
struct RgbBytes {
  int red, green, blue;
};

std::optional<RgbBytes> RgbLayout(QVideoFrameFormat::PixelFormat format) {
  switch (format) {
    case QVideoFrameFormat::Format_ARGB8888:
    case QVideoFrameFormat::Format_ARGB8888_Premultiplied:
    case QVideoFrameFormat::Format_XRGB8888:
      return RgbBytes{1, 2, 3};
    case QVideoFrameFormat::Format_BGRA8888:
    case QVideoFrameFormat::Format_BGRA8888_Premultiplied:
    case QVideoFrameFormat::Format_BGRX8888:
      return RgbBytes{2, 1, 0};
    case QVideoFrameFormat::Format_ABGR8888:
    case QVideoFrameFormat::Format_XBGR8888:
      return RgbBytes{3, 2, 1};
    case QVideoFrameFormat::Format_RGBA8888:
    case QVideoFrameFormat::Format_RGBX8888:
      return RgbBytes{0, 1, 2};
    default:
      return std::nullopt;
  }
}

// The luma's byte offset and step within a row, for the formats whose plane 0 holds it.
struct LumaBytes {
  int first = 0;
  int step = 1;
  bool wide = false;  // 16-bit samples
};

std::optional<LumaBytes> LumaLayout(QVideoFrameFormat::PixelFormat format) {
  switch (format) {
    case QVideoFrameFormat::Format_Y8:
    case QVideoFrameFormat::Format_NV12:
    case QVideoFrameFormat::Format_NV21:
    case QVideoFrameFormat::Format_YUV420P:
    case QVideoFrameFormat::Format_YV12:
    case QVideoFrameFormat::Format_YUV422P:
      return LumaBytes{};
    case QVideoFrameFormat::Format_YUYV:
      return LumaBytes{0, 2};
    case QVideoFrameFormat::Format_UYVY:
      return LumaBytes{1, 2};
    case QVideoFrameFormat::Format_Y16:
      return LumaBytes{0, 2, true};
    default:
      return std::nullopt;
  }
}

// Unmaps the frame however the conversion ends.
class Mapped {
 public:
  explicit Mapped(QVideoFrame& frame) : frame_(frame), ok_(frame.map(QVideoFrame::ReadOnly)) {}
  ~Mapped() {
    if (ok_) frame_.unmap();
  }
  Mapped(const Mapped&) = delete;
  Mapped& operator=(const Mapped&) = delete;
  bool ok() const { return ok_; }

 private:
  QVideoFrame& frame_;
  bool ok_;
};

DevelopedFrame Failure(std::string text) {
  DevelopedFrame developed;
  developed.error = std::move(text);
  return developed;
}

std::string FormatName(QVideoFrameFormat::PixelFormat format) {
  return QVideoFrameFormat::pixelFormatToString(format).toStdString();
}

// The rows of plane 0 hold at least this many bytes each.
bool RowsHold(const QVideoFrame& frame, int bytesPerRow) {
  return frame.bytesPerLine(0) >= bytesPerRow &&
         frame.mappedBytes(0) >= static_cast<qsizetype>(frame.bytesPerLine(0)) * (frame.height() - 1) + bytesPerRow;
}

}  // namespace

DevelopedFrame VideoFrameGrey::operator()(const QVideoFrame& source) {
  QVideoFrame frame = source;  // shares the buffer; mapping needs a non-const frame
  const QVideoFrameFormat::PixelFormat format = frame.pixelFormat();
  const std::optional<LumaBytes> luma = LumaLayout(format);
  const std::optional<RgbBytes> rgb = RgbLayout(format);
  if (!luma && !rgb) {
    return Failure("frames in the format " + FormatName(format) +
                   " cannot be read: choose another format of the camera (Y8, YUYV, NV12, RGB...)");
  }
  const int width = frame.width();
  const int height = frame.height();
  if (width <= 0 || height <= 0) return Failure("an empty frame");
  const Mapped mapped(frame);
  if (!mapped.ok()) return Failure("a frame could not be mapped for reading");
  const int sampleBytes = luma ? (luma->wide ? 2 : 1) : 4;
  const int step = luma ? luma->step : 4;
  if (!RowsHold(frame, (luma ? luma->first : 0) + (width - 1) * step + sampleBytes)) {
    return Failure("a frame holds fewer bytes than its size");
  }

  DevelopedFrame developed;
  GreyFrame& grey = developed.grey;
  grey.width = width;
  grey.height = height;
  grey.grey.resize(static_cast<std::size_t>(width) * height);
  const uchar* bits = frame.bits(0);
  const qsizetype stride = frame.bytesPerLine(0);
  if (luma) {
    const bool videoRange = frame.surfaceFormat().colorRange() == QVideoFrameFormat::ColorRange_Video;
    developed.white = luma->wide ? (videoRange ? 60160 : 65535) : (videoRange ? 235 : 255);
    for (int y = 0; y < height; ++y) {
      const uchar* row = bits + y * stride + luma->first;
      std::uint16_t* out = grey.grey.data() + static_cast<std::size_t>(y) * width;
      if (luma->wide) {
        std::memcpy(out, row, static_cast<std::size_t>(width) * 2);  // native 16-bit samples
      } else {
        for (int x = 0; x < width; ++x) out[x] = row[x * step];
      }
    }
    return developed;
  }

  PhotoFrame colour;
  colour.width = width;
  colour.height = height;
  colour.planeCount = 3;
  for (auto& plane : colour.planes) plane.resize(grey.grey.size());
  for (int y = 0; y < height; ++y) {
    const uchar* row = bits + y * stride;
    const std::size_t at = static_cast<std::size_t>(y) * width;
    for (int x = 0; x < width; ++x) {
      colour.planes[0][at + x] = row[4 * x + rgb->red];
      colour.planes[1][at + x] = row[4 * x + rgb->green];
      colour.planes[2][at + x] = row[4 * x + rgb->blue];
    }
  }
  if (!rgbSource_) rgbSource_ = ChooseGreySource({colour});
  developed.grey = GreyOf(colour, *rgbSource_);
  return developed;
}

}  // namespace zonalyst::live
