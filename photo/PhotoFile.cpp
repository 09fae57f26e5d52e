#include "PhotoFile.h"

#include "DecoderMessages.h"
#include "PhotoBytes.h"
#include "PhotoReduction.h"

#include <QBuffer>
#include <QImageIOHandler>
#include <QImageReader>

#include <algorithm>
#include <array>
#include <string_view>

namespace zonalyst::photo {
namespace {

// The formats a photograph may come in; Qt reads more, but nothing else is promised.
constexpr std::array<std::string_view, 4> kPhotoFormats = {"png", "jpeg", "jpg", "tiff"};

bool IsPhotoFormat(const QByteArray& format) {
  for (const std::string_view name : kPhotoFormats) {
    if (format == QByteArray(name.data(), static_cast<qsizetype>(name.size()))) return true;
  }
  return false;
}

// What one decode may allocate, in MiB: the largest picture allowed at 64 bits a pixel.
constexpr int kAllocationLimitMiB = static_cast<int>(kMaxPhotoPixels * 8 / (1024 * 1024)) + 1;

PhotoLoad Refused(std::string error) { return {{}, std::move(error)}; }

// What an orientation tag did to a picture, in Qt's transformation bits (mirror 1, flip 2, turn by 90 degrees 4).
std::string OrientationText(QImageIOHandler::Transformations turned) {
  static const std::array<const char*, 8> kTexts = {"as taken",
                                                    "mirrored",
                                                    "flipped",
                                                    "turned 180 degrees",
                                                    "turned 90 degrees",
                                                    "mirrored and turned 90 degrees",
                                                    "flipped and turned 90 degrees",
                                                    "turned 270 degrees"};
  return kTexts[static_cast<std::size_t>(turned.toInt()) & 7u];
}

bool Transposed(QImageIOHandler::Transformations turned) {
  return turned.testFlag(QImageIOHandler::TransformationRotate90);
}

}  // namespace

PhotoLoad ReadPhoto(const std::string& path, int maxSide) {
  PhotoBytes file = ReadPhotoBytes(path);
  if (!file.error.empty()) return Refused(std::move(file.error));
  QBuffer buffer(&file.bytes);
  buffer.open(QIODevice::ReadOnly);
  const DecoderMessages said;
  QImageReader reader(&buffer);
  reader.setAllocationLimit(kAllocationLimitMiB);
  // Pixels as a viewer shows them: --disc is read off such a view.
  reader.setAutoTransform(true);
  if (!reader.canRead() || !IsPhotoFormat(reader.format())) {
    return Refused(QuotedName(path) + " is not a PNG, JPEG or TIFF picture");
  }
  // The header's size, before a single pixel is decoded: a small file may claim a huge picture.
  const QSize size = reader.size();
  const std::int64_t pixels = static_cast<std::int64_t>(size.width()) * size.height();
  if (size.isValid() && pixels > kMaxPhotoPixels) {
    return Refused(QuotedName(path) + " is too large a picture (" + std::to_string(size.width()) + " x " +
                   std::to_string(size.height()) + " pixels, more than " + std::to_string(kMaxPhotoPixels / 1'000'000) +
                   " megapixels)");
  }
  // libjpeg decodes straight to a fraction of the size (its DCT scaling), several times faster
  // than decoding every pixel to average them after.
  const int factor = size.isValid() ? ReductionFactor(std::max(size.width(), size.height()), maxSide) : 1;
  const bool scaledInDecoder = factor > 1 && reader.format() == "jpeg";
  if (scaledInDecoder) reader.setScaledSize(QSize(size.width() / factor, size.height() / factor));
  const QImage image = reader.read();
  if (image.isNull()) {
    const std::string library = said.first();
    return Refused("cannot read " + QuotedName(path) + ": " + reader.errorString().toStdString() +
                   (library.empty() ? "" : " (" + library + ")"));
  }
  if (const auto patch = said.patched()) return Refused(QuotedName(path) + " is cut short or damaged: " + *patch);
  if (image.depth() == 1) {
    return Refused(QuotedName(path) + " is a picture of 1 bit a pixel; photographs need 8 or 16 bits a channel");
  }
  const int rest = scaledInDecoder ? 1 : ReductionFactor(std::max(image.width(), image.height()), maxSide);
  PhotoLoad load{ReducedFrame(image, rest), {}};
  if (load.frame.planeCount == 0) return Refused("cannot read " + QuotedName(path) + ": not enough memory");
  const QImageIOHandler::Transformations turned = reader.transformation();
  if (scaledInDecoder) load.frame.scale = factor;
  load.fileWidth = Transposed(turned) ? size.height() : size.width();
  load.fileHeight = Transposed(turned) ? size.width() : size.height();
  if (!size.isValid()) {
    load.fileWidth = image.width();
    load.fileHeight = image.height();
  }
  load.orientation = OrientationText(turned);
  // The decoded picture and its copy in the reduction's layout, at most.
  load.decodingBytes = 2 * static_cast<std::size_t>(image.sizeInBytes());
  return load;
}

}  // namespace zonalyst::photo
