#include "TestPath.h"

namespace zonalyst::io {
namespace {

bool EndsInSeparator(std::string_view folder) {
  if (folder.empty()) return false;
  const char last = folder.back();
#ifdef _WIN32
  return last == '\\' || last == '/';
#else
  return last == kPathSeparator;
#endif
}

}  // namespace

std::string JoinTestPath(std::string_view folder, std::string_view fileName) {
  std::string path(folder);
  if (!folder.empty() && !EndsInSeparator(folder)) path += kPathSeparator;
  path += fileName;
  return path;
}

}  // namespace zonalyst::io
