#include "PathText.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace zonalyst::io {

#ifdef _WIN32

// Invalid UTF-8 becomes U+FFFD: a name that then matches no file, never an exception.
std::filesystem::path PathFromText(std::string_view text) {
  if (text.empty()) return {};
  const int size = static_cast<int>(text.size());
  const int characters = MultiByteToWideChar(CP_UTF8, 0, text.data(), size, nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(characters), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, text.data(), size, wide.data(), characters);
  return wide;
}

std::string TextFromPath(const std::filesystem::path& path) { return Utf8FromWide(path.native()); }

std::string Utf8FromWide(std::wstring_view wide) {
  if (wide.empty()) return {};
  const int size = static_cast<int>(wide.size());
  const int bytes = WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
  std::string text(static_cast<std::size_t>(bytes), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, text.data(), bytes, nullptr, nullptr);
  return text;
}

#else

std::filesystem::path PathFromText(std::string_view text) { return std::string(text); }

std::string TextFromPath(const std::filesystem::path& path) { return path.native(); }

#endif

std::string FileNameOf(std::string_view path) { return TextFromPath(PathFromText(path).filename()); }

}  // namespace zonalyst::io
