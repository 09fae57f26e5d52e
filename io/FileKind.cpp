#include "FileKind.h"

namespace zonalyst::io {
namespace {

namespace fs = std::filesystem;

// As many links as a POSIX system follows before it reports a loop.
constexpr int kMaxLinks = 40;

}  // namespace

std::optional<std::string> SpecialFileKind(const fs::file_status& status) {
  switch (status.type()) {
    case fs::file_type::regular:
    case fs::file_type::not_found:
    case fs::file_type::none:
      return std::nullopt;
    case fs::file_type::directory:
      return "a folder";
    case fs::file_type::fifo:
      return "a pipe (FIFO)";
    case fs::file_type::block:
    case fs::file_type::character:
      return "a device";
    case fs::file_type::socket:
      return "a socket";
    default:
      return "something other than a file";
  }
}

fs::path FollowLinks(fs::path path) {
  std::error_code error;
  for (int link = 0; link < kMaxLinks && fs::is_symlink(path, error); ++link) {
    const fs::path target = fs::read_symlink(path, error);
    if (error) break;
    path = target.is_absolute() ? target : path.parent_path() / target;
  }
  return path;
}

}  // namespace zonalyst::io
