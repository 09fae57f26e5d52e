#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace zonalyst::io {

// What stands at a path that is neither a regular file nor missing ("a folder", "a pipe
// (FIFO)", "a device", "a socket", "something other than a file"); nothing for a regular
// file or a path where nothing stands. Such a path is never read or written as a file:
// a pipe blocks its reader, a device may never end.
std::optional<std::string> SpecialFileKind(const std::filesystem::file_status& status);

// The path with every symbolic link along its last part followed, so that a write
// through a link replaces the linked file and the link stays. A link to a missing
// file gives the missing file's path; a loop stops after a bounded number of links.
std::filesystem::path FollowLinks(std::filesystem::path path);

}  // namespace zonalyst::io
