#pragma once

#include <cstdio>
#include <filesystem>
#include <system_error>

namespace zonalyst::io {

// The few file calls that differ between systems; everything else in io is portable.
// Each sets errno when it fails.

// Opens a file for reading in binary mode. On POSIX systems the open itself never waits
// for a writer, should a pipe have taken the place of a file that was checked.
std::FILE* OpenForReading(const std::filesystem::path& path);

// Creates a new file for writing in binary mode; fails (EEXIST) when the name is taken,
// so that nothing of anyone else's is ever overwritten.
std::FILE* CreateNewFile(const std::filesystem::path& path);

// Asks the system to put the file's written bytes on the disk. True on success.
bool FlushToDisk(std::FILE* file);

// Renames from over to in one step, replacing a file that stands at to.
std::error_code RenameOver(const std::filesystem::path& from, const std::filesystem::path& to);

}  // namespace zonalyst::io
