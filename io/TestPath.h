#pragma once

#include <string>
#include <string_view>

namespace zonalyst::io {

// The platform's folder separator, fixed when the program is compiled.
#ifdef _WIN32
inline constexpr char kPathSeparator = '\\';
#else
inline constexpr char kPathSeparator = '/';
#endif

// Full path of a test file: the folder, a separator unless the folder already ends
// in one (a drive's root, "/"), then the file name. An empty folder gives the name
// alone, a path relative to the working folder.
std::string JoinTestPath(std::string_view folder, std::string_view fileName);

}  // namespace zonalyst::io
