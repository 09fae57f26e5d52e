#include "PhotoFile.h"

#include "PhotoBytes.h"
#include "PhotoReduction.h"

#include <QBuffer>
#include <QImageReader>

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

}  // namespace

PhotoLoad ReadPhoto(const std::string& path, int maxWidth) {
  PhotoBytes file = ReadPhotoBytes(path);
  if (!file.error.empty()) return Refused(std::move(file.error));
  QBuffer buffer(&file.bytes);
  buffer.open(QIODevice::ReadOnly);
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
  const QImage image = reader.read();
  if (image.isNull()) {
    return Refused("cannot read " + QuotedName(path) + ": " + reader.errorString().toStdString());
  }
  PhotoLoad load{ReducedFrame(image, ReductionFactor(image.width(), maxWidth)), {}};
  if (load.frame.planeCount == 0) return Refused("cannot read " + QuotedName(path) + ": not enough memory");
  load.fileWidth = image.width();
  load.fileHeight = image.height();
  return load;
}

}  // namespace zonalyst::photo
