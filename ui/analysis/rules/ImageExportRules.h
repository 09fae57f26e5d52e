#pragma once

#include <string>

namespace zonalyst::analysis {

// The question asked before an analysis panel is saved as an image (F9).
inline constexpr const char* kInvertTitle = "Invert Image?";
inline constexpr const char* kInvertText = "Do you want to save the image Inverted (White back Ground)?";

inline constexpr const char* kSaveImageTitle = "Save Image";

enum class ImageFormat { Gif, Png };

// The format a chosen name asks for: PNG for a ".png" name (any case), else GIF.
ImageFormat ImageFormatOf(const std::string& path);

// The save dialog's filters, GIF and PNG on every panel, the panel's default format first
// (the one its proposed name ends in).
std::string ImageFilters(ImageFormat defaultFormat);

// The chosen name with the default format's extension added when its file name has none.
std::string WithDefaultExtension(const std::string& path, ImageFormat defaultFormat);

// The message shown when the writer could not save the picture; the writer's reason
// names the file.
std::string ImageSaveFailure(const std::string& reason);

// Length in pixels of the progress bar for percent of a bar width pixels wide (single
// precision, halves to even).
int GifBarLength(int percent, int width);

}  // namespace zonalyst::analysis
