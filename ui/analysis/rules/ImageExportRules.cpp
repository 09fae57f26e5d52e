#include "ImageExportRules.h"

#include "core/Rounding.h"
#include "io/PrintableText.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace zonalyst::analysis {

ImageFormat ImageFormatOf(const std::string& path) {
  std::string extension = std::filesystem::path(path).extension().string();
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return extension == ".png" ? ImageFormat::Png : ImageFormat::Gif;
}

std::string ImageFilters(ImageFormat defaultFormat) {
  const std::string gif = "Pictures (*.gif)";
  const std::string png = "PNG pictures (*.png)";
  return defaultFormat == ImageFormat::Png ? png + ";;" + gif : gif + ";;" + png;
}

std::string WithDefaultExtension(const std::string& path, ImageFormat defaultFormat) {
  if (std::filesystem::path(path).has_extension()) return path;
  return path + (defaultFormat == ImageFormat::Png ? ".png" : ".gif");
}

std::string ImageSaveFailure(const std::string& reason) {
  return "The image could not be saved.\r\n" + io::AsSentence(reason) + "\r\nNothing was written.";
}

int GifBarLength(int percent, int width) {
  const float length = static_cast<float>(percent) * static_cast<float>(width) / 100.0f;
  return static_cast<int>(RoundHalfEven(length));
}

}  // namespace zonalyst::analysis
